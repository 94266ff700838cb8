#pragma once

#include "core/engine/rename/ChainMover.h"

#include <QHash>
#include <QSet>

#include <utility>
#include <vector>

// Which mover's file a name that is no mover's old name reaches, where the file system takes
// another spelling for it. What it needs is read at the first need only.
class OtherSpellings
{
public:
    // folder: an open handle of the movers' folder, or -1.
    OtherSpellings(int folder, const std::vector<Mover> &movers)
        : m_folder(folder), m_movers(movers)
    {}

    // The same device and inode; or, since FUSE file systems may give each spelling its own
    // inode number, a name that is no entry of the folder itself but a mover's old name
    // ignoring case. -1 for a free name and for another file.
    int moverReachedBy(const QByteArray &name, const QString &decoded);

private:
    void read();

    int m_folder;
    const std::vector<Mover> &m_movers;
    bool m_read = false;
    bool m_listed = false; // the folder's entries could be read
    QHash<std::pair<quint64, quint64>, int> m_byFile;
    QHash<QString, int> m_byFoldedName;
    QSet<QByteArray> m_entries;
};
