#pragma once

#include "core/engine/rename/ChainMover.h"

#include <QSet>

#include <optional>
#include <vector>

class FileRows;

// The temporary names a folder's cycles park a file under: ".quirewell-swap-PID-N.tmp",
// chosen so that no entry and no new name of the folder has them, also ignoring case.
class ParkingNames
{
public:
    // Reads what the choice needs, once per folder: the movers' new names that look like
    // temporary names and, for many cycles, the folder's entries. folder: an open handle
    // of it, or -1.
    void prepare(int folder, size_t cycles, const FileRows &rows, const std::vector<Mover> &movers);
    // A name free in the folder, chosen before the journal is written so that the journal
    // names it before it is used.
    QByteArray freeName(int folder);

private:
    QByteArray m_stem; // the prefix and the process id: asked once, each ask is a system call
    QSet<QString> m_newNamesLikeParking; // case-folded new names with the temporary prefix
    std::optional<QSet<QByteArray>> m_entriesLikeParking; // read for many cycles
};
