#pragma once

#include <QByteArray>
#include <QString>

// What the chain rename keeps of one row it moves (ChainRename.h).

enum class MoverState : quint8
{
    Waiting,
    Done,
    Failed
};

// A checked row of one folder whose new name differs from its loaded name.
struct Mover
{
    int row = 0;
    QByteArray oldName;
    QByteArray target;
    quint64 inode = 0; // as listed (or journaled); 0: not known
    int next = -1;     // the mover whose old name is this one's target
    MoverState state = MoverState::Waiting;
    bool inCycle = false;
    bool plainOldName = false; // one name of this folder, which a rename may take as it is
    QString error;
};
