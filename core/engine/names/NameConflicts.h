#pragma once

#include "core/engine/names/RowProblems.h"

#include <QMultiHash>
#include <QString>
#include <QStringView>

#include <functional>
#include <memory>

#include <vector>

class FileRows;

// The longest name a Linux file system takes, in bytes (NAME_MAX).
constexpr int kLongestNameBytes = 255;

// Why newName cannot name a file ("invalid: empty", "invalid: too long", ...), or an empty
// text when it can.
QString invalidNameDetail(QStringView newName);

// A hash of a folder index and a name that agrees with the marking's comparison of names:
// case-folded when ignoreCase.
quint32 folderNameHash(bool ignoreCase, quint32 folder, const QString &name);

// The names on disk in each listed folder that no row lists (hidden or read-only files left
// out of the list, sub-folders, files made since), by folder index. A folder whose entries
// are exactly as many as its rows is taken to hold only them and keeps no set.
class UnlistedNames
{
public:
    UnlistedNames() = default;
    // Reads every folder of rows once. ignoreCase: keep the names case-folded.
    UnlistedNames(const FileRows &rows, bool ignoreCase);
    // The same from what the reading needs of the rows, so that it can run on another thread
    // while they change: each folder's path and how many rows it lists (listedCounts).
    UnlistedNames(const std::vector<QByteArray> &folderPaths,
                  const std::vector<qsizetype> &listedCounts, bool ignoreCase);
    // What the constructor above takes of rows.
    static std::vector<QByteArray> folderPathsOf(const FileRows &rows);
    static std::vector<qsizetype> listedCountsOf(const FileRows &rows);
    // Reads again the folders whose index is set in changed (one flag per folder of rows).
    void reread(const FileRows &rows, const std::vector<bool> &changed);

    bool ignoresCase() const { return m_ignoreCase; }
    // Whether folder holds an entry called name (as the sets compare names).
    bool contains(quint32 folder, const QString &name) const;
    // The same, with hash = folderNameHash(ignoresCase(), folder, name) known.
    bool contains(quint32 folder, const QString &name, quint32 hash) const;

private:
    void read(const std::vector<QByteArray> &folderPaths, const std::vector<qsizetype> &listed,
              const std::vector<bool> *only);

    bool m_ignoreCase = false;
    // By a hash that agrees with the comparison, so that a look-up copies no name.
    std::vector<QMultiHash<quint32, QString>> m_byFolder;
};

// What the marking takes a name on disk to be.
struct ConflictCheck
{
    // Names that differ in case only are the same name: as the batch's duplicate check (used
    // when no sub-folders are listed) and case-insensitive file systems take them.
    bool ignoreCase = false;
    // The unlisted entries of the folders, asked for at most once and only when some row's
    // new name is not decided by the listed rows; without it only the listed rows count.
    std::function<const UnlistedNames &()> unlisted;
};

// Marks, after the new names are computed, the checked rows whose new name differs from the
// loaded one and cannot be used: Invalid (invalidNameDetail), Duplicate (another such row of
// the same folder gets the name), Exists (the name stays taken: a listed row keeps it, being
// unchecked or unchanged, or an unlisted entry has it). A name that another renamed row leaves
// is free, so swaps and chains are not marked. Earlier Duplicate, Exists and Invalid marks
// are cleared; the rule's own marks stay. Linear in the rows, with hashing.
void markNameConflicts(FileRows &rows, const ConflictCheck &check);

// The same marking in steps, each a sixth or so of the work, so that a large list can be
// marked between event-loop turns. The rows must not change between steps (drop the
// marking and start again); the marks change in the last step only.
class ConflictMarking
{
public:
    ConflictMarking(FileRows &rows, ConflictCheck check);
    ~ConflictMarking();
    ConflictMarking(const ConflictMarking &) = delete;
    ConflictMarking &operator=(const ConflictMarking &) = delete;

    // Does the next step; true once the marks are set.
    bool step();

private:
    class Work;
    std::unique_ptr<Work> m_work;
    bool m_done = false;
};

// Clears every Duplicate, Exists and Invalid mark, as before the names are known.
void clearConflictMarks(RowProblems &problems);

// The short reason for a marked row ("duplicate", "exists", "invalid: ...", the rule's
// text); empty for a fine row.
QString problemReason(RowProblem problem, const QString &detail);
// Rows with any mark.
std::size_t markedRowCount(const RowProblems &problems);
