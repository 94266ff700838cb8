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
// are exactly as many as its rows is taken to hold only them and keeps no set. An entry
// called exactly as a row's loaded name is that row's file, and is not kept: whether its
// name stays taken is the row's to say.
class UnlistedNames
{
public:
    UnlistedNames() = default;
    // Reads every folder of rows once. ignoreCase: keep the names case-folded.
    UnlistedNames(const FileRows &rows, bool ignoreCase);
    // The same from what the reading needs of the rows, so that it can run on another thread
    // while they change: each folder's path and the loaded names of its rows (listedNames).
    UnlistedNames(const std::vector<QByteArray> &folderPaths,
                  const std::vector<std::vector<QString>> &listedNames, bool ignoreCase);
    // What the constructor above takes of rows.
    static std::vector<QByteArray> folderPathsOf(const FileRows &rows);
    // only: the folders whose names are wanted (one flag per folder); null for every one.
    static std::vector<std::vector<QString>> listedNamesOf(const FileRows &rows,
                                                           const std::vector<bool> *only = nullptr);
    // Reads again the folders whose index is set in changed (one flag per folder of rows).
    void reread(const FileRows &rows, const std::vector<bool> &changed);

    bool ignoresCase() const { return m_ignoreCase; }
    // Whether no folder keeps an entry.
    bool isEmpty() const { return m_hashes.empty(); }
    // Every kept entry's hash (folderNameHash), in ascending order.
    const std::vector<quint32> &sortedHashes() const { return m_sortedHashes; }
    // Whether folder holds an entry called name (as the sets compare names).
    bool contains(quint32 folder, const QString &name) const;
    // The same, with hash = folderNameHash(ignoresCase(), folder, name) known.
    bool contains(quint32 folder, const QString &name, quint32 hash) const;
    // False when no folder holds an entry under hash (folderNameHash): a look-up that needs
    // neither the folder nor the name, for the many names that are not there.
    bool mayContain(quint32 hash) const
    {
        if (m_hashes.empty())
            return false;
        const size_t mask = m_hashes.size() - 1;
        for (size_t s = slotOf(hash); m_hashes[s] != 0; s = (s + 1) & mask)
            if (m_hashes[s] == (hash | 1))
                return true;
        return false;
    }

private:
    void read(const std::vector<QByteArray> &folderPaths,
              const std::vector<std::vector<QString>> &listed, const std::vector<bool> *only);
    // The first slot to look in for hash. Its top bits: one name in many folders has hashes
    // whose low bits run in steps, and would crowd together.
    size_t slotOf(quint32 hash) const
    {
        return size_t((quint64(hash) * 0x9E3779B97F4A7C15ull) >> m_slotShift);
    }

    bool m_ignoreCase = false;
    // By a hash that agrees with the comparison, so that a look-up copies no name.
    std::vector<QMultiHash<quint32, QString>> m_byFolder;
    // Every kept entry's hash with its lowest bit set (0: a free slot), in an open-addressing
    // table at most a sixteenth full, so that most look-ups meet a free slot at once; empty
    // when no entry is kept.
    std::vector<quint32> m_hashes;
    int m_slotShift = 63; // 64 less the bits of a slot's index
    std::vector<quint32> m_sortedHashes;
};

// A name under its hash (folderNameHash): the row it belongs to.
struct NameKey
{
    quint32 hash;
    quint32 row;
};

// The hashes of the rows' new names, taken by the recompute while each name is at hand, for
// the marking that follows: reading a million names, or even a million rows, from memory
// again cost the marking more than the rest of its work. Entry i holds for row i until the
// row's names or its check box change; whoever changes them afterwards takes the row again,
// or stops handing the hashes to the marking.
class NewNameHashes
{
public:
    // Room for rows rows, none taken yet; hashed as a marking that ignores case (or not)
    // compares names.
    void reset(std::size_t rows, bool ignoreCase);
    // Row i of rows as it is now. Threads may take different rows at once.
    void take(const FileRows &rows, std::size_t i);
    // Whether these hashes are for rows (as many) compared as ignoreCase says.
    bool fits(std::size_t rows, bool ignoreCase) const
    {
        return m_hashes.size() == rows && m_ignoreCase == ignoreCase;
    }

    enum State : quint8
    {
        Kept = 0,    // unchecked, or the new name is the loaded one
        Renamed = 1, // the new name differs, and its hash is taken
        Refused = 2, // the new name differs and cannot name a file (invalidNameDetail)
    };
    State state(std::size_t i) const { return State(m_states[i]); }
    quint32 hash(std::size_t i) const { return m_hashes[i]; }
    // Every row's State and hash, for reading many rows at once.
    const quint8 *states() const { return m_states.data(); }
    const quint32 *hashes() const { return m_hashes.data(); }

private:
    bool m_ignoreCase = false;
    std::vector<quint32> m_hashes;
    std::vector<quint8> m_states;
};

// What markings of the same rows keep between them, held by the caller: the loaded names as
// a marking laid them out, so that only the new names are hashed and laid out again, and the
// marking's working memory (fresh memory for a million rows cost page faults every time).
// The caller drops the names (dropNames()) whenever a row's loaded name, folder or place in
// the list changes, and whenever rows come or go. It must outlive the markings given it.
class ConflictMarkingCache
{
public:
    void dropNames()
    {
        m_rows = 0;
        m_keys.clear();
        m_starts.clear();
    }

private:
    friend class ConflictMarking;
    bool fits(std::size_t rows, bool ignoreCase, int partitionBits) const
    {
        return m_rows == rows && rows != 0 && m_ignoreCase == ignoreCase &&
               m_partitionBits == partitionBits;
    }

    std::size_t m_rows = 0; // none kept
    bool m_ignoreCase = false;
    int m_partitionBits = 0;
    std::vector<NameKey> m_keys;       // by partition, in row order within each
    std::vector<std::size_t> m_starts; // where each partition starts, and the end
    // Lent to the marking under way.
    std::vector<quint8> m_flags;
    std::vector<quint32> m_newHashes;
    std::vector<NameKey> m_movers;
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
    // Kept by the caller between markings (see each): the new names' hashes the recompute
    // took, used only when they fit the rows and ignoreCase, and what earlier markings kept.
    const NewNameHashes *newNameHashes = nullptr;
    ConflictMarkingCache *cache = nullptr;
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
