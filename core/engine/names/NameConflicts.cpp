#include "core/engine/names/NameConflicts.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/names/NameCompare.h"
#include "core/engine/names/RowThreads.h"
#include "core/system/FolderReader.h"

#include <QHashFunctions>
#include <QSet>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <thread>
#include <utility>

QString invalidNameDetail(QStringView newName)
{
    if (newName.isEmpty())
        return QStringLiteral("invalid: empty");
    if (newName == u"." || newName == u"..")
        return QStringLiteral("invalid: \".\" or \"..\"");
    bool ascii = true;
    for (QChar c : newName) {
        if (c == QLatin1Char('/'))
            return QStringLiteral("invalid: holds \"/\"");
        if (c.unicode() == 0)
            return QStringLiteral("invalid: holds a NUL character");
        ascii = ascii && c.unicode() < 0x80;
    }
    qsizetype bytes = newName.size();
    if (!ascii) {
        thread_local QByteArray encoded;
        if (!encodeFileName(newName, encoded))
            return QStringLiteral("invalid: half of a character");
        bytes = encoded.size();
    }
    if (bytes > kLongestNameBytes)
        return QStringLiteral("invalid: too long (over %1 bytes)").arg(kLongestNameBytes);
    return {};
}

UnlistedNames::UnlistedNames(const FileRows &rows, bool ignoreCase)
    : UnlistedNames(folderPathsOf(rows), listedNamesOf(rows), ignoreCase)
{}

UnlistedNames::UnlistedNames(const std::vector<QByteArray> &folderPaths,
                             const std::vector<std::vector<QString>> &listedNames, bool ignoreCase)
    : m_ignoreCase(ignoreCase)
{
    read(folderPaths, listedNames, nullptr);
}

std::vector<QByteArray> UnlistedNames::folderPathsOf(const FileRows &rows)
{
    std::vector<QByteArray> paths;
    paths.reserve(rows.folders.size());
    for (const FileFolder &folder : rows.folders)
        paths.push_back(folder.rawPath);
    return paths;
}

std::vector<std::vector<QString>> UnlistedNames::listedNamesOf(const FileRows &rows,
                                                               const std::vector<bool> *only)
{
    std::vector<std::vector<QString>> listed(rows.folders.size());
    for (const FileRow &row : rows.rows)
        if (!only || (row.folder < only->size() && (*only)[row.folder]))
            listed[row.folder].push_back(row.loadedName);
    return listed;
}

void UnlistedNames::reread(const FileRows &rows, const std::vector<bool> &changed)
{
    // Only the folders read again: the others' names would be copied for nothing, before
    // every marking that follows a change on disk.
    read(folderPathsOf(rows), listedNamesOf(rows, &changed), &changed);
}

void UnlistedNames::read(const std::vector<QByteArray> &folderPaths,
                         const std::vector<std::vector<QString>> &listed,
                         const std::vector<bool> *only)
{
    m_byFolder.resize(folderPaths.size());
    for (size_t f = 0; f < folderPaths.size(); ++f) {
        if (only && (f >= only->size() || !(*only)[f]))
            continue;
        m_byFolder[f].clear();
        const QByteArray &path = folderPaths[f];
        const char *folder = path.isEmpty() ? "." : path.constData();
        const size_t listedCount = f < listed.size() ? listed[f].size() : 0;
        qsizetype entries = 0;
        {
            FolderReader counter(folder);
            while (counter.next())
                ++entries;
        }
        // Counting is cheap; the names are kept only where some entry is not a row.
        if (size_t(entries) == listedCount)
            continue;
        // Exactly equal, not as the sets compare: an entry that differs from a row's name in
        // case only is another file, and stays.
        QSet<QString> rowNames;
        if (listedCount != 0) {
            rowNames.reserve(qsizetype(listedCount));
            for (const QString &name : listed[f])
                rowNames.insert(name);
        }
        FolderReader reader(folder);
        QMultiHash<quint32, QString> &names = m_byFolder[f];
        while (const char *entry = reader.next()) {
            QString name = decodeFileName(QByteArrayView(entry));
            if (!rowNames.contains(name))
                names.insert(folderNameHash(m_ignoreCase, quint32(f), name), std::move(name));
        }
    }
    qsizetype kept = 0;
    for (const QMultiHash<quint32, QString> &names : m_byFolder)
        kept += names.size();
    m_sortedHashes.clear();
    m_sortedHashes.reserve(size_t(kept));
    m_hashes.assign(kept == 0 ? 0 : std::bit_ceil(size_t(kept) * 16), 0);
    m_slotShift = 64 - std::max(1, int(std::bit_width(m_hashes.size())) - 1);
    const size_t mask = m_hashes.size() - 1;
    for (const QMultiHash<quint32, QString> &names : m_byFolder)
        for (auto it = names.keyBegin(); it != names.keyEnd(); ++it) {
            m_sortedHashes.push_back(*it);
            const quint32 hash = *it | 1;
            size_t s = slotOf(*it);
            while (m_hashes[s] != 0 && m_hashes[s] != hash)
                s = (s + 1) & mask;
            m_hashes[s] = hash;
        }
    std::sort(m_sortedHashes.begin(), m_sortedHashes.end());
}

bool UnlistedNames::contains(quint32 folder, const QString &name) const
{
    return contains(folder, name, folderNameHash(m_ignoreCase, folder, name));
}

bool UnlistedNames::contains(quint32 folder, const QString &name, quint32 hash) const
{
    if (folder >= m_byFolder.size() || m_byFolder[folder].isEmpty())
        return false;
    const auto [first, last] = m_byFolder[folder].equal_range(hash);
    return std::any_of(first, last, [&](const QString &entry) {
        return m_ignoreCase ? sameIgnoringCase(entry, name) : entry == name;
    });
}

namespace {

// What a row is, and what happens to a group of movers' name. Mover and Refused are the
// values of NewNameHashes' states, so that its states are the flags to start from.
enum Flag : quint8
{
    Mover = NewNameHashes::Renamed,   // checked, and its valid new name differs from the loaded
    Refused = NewNameHashes::Refused, // checked, and its new name cannot name a file
    Shared = 4,                       // another mover of the folder gets the same name
    Kept = 8,                         // a row that stays under its name holds it
    Released = 16,                    // a mover leaves the name
    Unlisted = 32,                    // an unlisted entry of the folder has the name
};
static_assert(NewNameHashes::Kept == 0);

bool isConflictMark(RowProblem p)
{
    return p == RowProblem::Duplicate || p == RowProblem::Exists || p == RowProblem::Invalid;
}

// The keys of the movers' new names and of every row's loaded name, each set laid out by
// partition: a partition holds the keys whose hash starts with its bits, in row order. Equal
// names fall in one partition, and a partition's table stays small enough for the cache, where
// one table over a million names would miss it on nearly every probe.
struct PartitionedKeys
{
    std::vector<NameKey> movers, loaded;
    std::vector<size_t> moverStarts, loadedStarts; // partitions + 1 each
};

} // namespace

// The work in steps over every row: look at each row (two rounds), lay out the keys, group the
// names partition by partition (two rounds), set the marks. The marks of the rows change in
// the last step only.
class ConflictMarking::Work
{
public:
    Work(FileRows &rows, ConflictCheck check)
        : m_rows(rows), m_check(std::move(check)),
          m_threads(RowThreads::threadsFor(rows.rows.size())),
          m_partitionBits(partitionBitsFor(rows.rows.size())),
          m_loadedKnown(m_check.cache &&
                        m_check.cache->fits(rows.rows.size(), m_check.ignoreCase, m_partitionBits)),
          m_newNameHashes(m_check.newNameHashes &&
                                  m_check.newNameHashes->fits(rows.rows.size(), m_check.ignoreCase)
                              ? m_check.newNameHashes
                              : nullptr)
    {
        if (m_check.cache)
            lendMemory();
    }

    ~Work()
    {
        if (m_check.cache)
            lendMemory(); // given back
    }

    bool step()
    {
        const int step = m_next++;
        const size_t parts = size_t(1) << m_partitionBits;
        if (step == 0) {
            const size_t n = m_rows.rows.size();
            m_flags.assign(n, 0);
            if (m_newNameHashes) {
                m_moverHashes = m_newNameHashes->hashes();
            } else {
                m_newHashes.resize(n);
                m_moverHashes = m_newHashes.data();
            }
            m_moverCounts.assign(lanes() * parts, 0);
            if (!m_loadedKnown) {
                m_loadedHashes.resize(n);
                m_loadedCounts.assign(lanes() * parts, 0);
            }
            m_refused.assign(lanes(), {});
        }
        if (step < kRounds) {
            eachLane(step, [this](size_t lane, size_t from, size_t to) { look(lane, from, to); });
            m_anyMover = m_anyMover || std::any_of(m_moverCounts.begin(), m_moverCounts.end(),
                                                   [](size_t c) { return c != 0; });
            return false;
        }
        if (step == kRounds) {
            if (m_anyMover)
                layOut();
            // Asked for before the threads start: it may read folders, once.
            m_unlisted = m_anyMover && m_check.unlisted ? &m_check.unlisted() : nullptr;
            if (m_unlisted && !m_unlisted->isEmpty())
                findUnlistedPartitions();
            return false;
        }
        if (step < 2 * kRounds + 1) {
            // The partitions in rounds, each thread a run of them.
            const size_t round = size_t(step - kRounds - 1);
            if (m_anyMover)
                eachLane(round, [&](size_t lane, size_t, size_t) {
                    for (size_t p = parts * lane / lanes(); p < parts * (lane + 1) / lanes(); ++p)
                        markPartition(m_scratch[lane % m_threads], p);
                });
            return false;
        }
        if (m_rows.problems.size() != m_rows.rows.size())
            m_rows.problems.reset(m_rows.rows.size());
        for (size_t round = 0; round < kRounds; ++round)
            eachLane(round, [this](size_t lane, size_t from, size_t to) { mark(lane, from, to); });
        return true;
    }

private:
    // The rows and the partitions are cut into lanes, a lane for each thread in each of
    // kRounds rounds: the longest steps take a round each.
    static constexpr int kRounds = 2;
    size_t lanes() const { return m_threads * kRounds; }

    static int partitionBitsFor(size_t n)
    {
        // About 1,024 names a partition: its table then stays in the first-level cache.
        int bits = 0;
        while (bits < 14 && (n >> bits) > 1024)
            ++bits;
        return bits;
    }

    size_t partitionOf(quint32 hash) const
    {
        return m_partitionBits == 0 ? 0 : hash >> (32 - m_partitionBits);
    }

    // work(lane, from, to) for the lanes of one round, one thread each; from and to bound
    // the lane's rows, the same every time.
    template <typename Work> void eachLane(size_t round, const Work &work)
    {
        const size_t n = m_rows.rows.size();
        const size_t count = lanes();
        const auto run = [&](size_t t) {
            const size_t lane = round * m_threads + t;
            work(lane, n * lane / count, n * (lane + 1) / count);
        };
        std::vector<std::thread> helpers;
        for (size_t t = 1; t < m_threads; ++t)
            helpers.emplace_back(run, t);
        run(0);
        for (std::thread &helper : helpers)
            helper.join();
    }

    // Each row on its own: refused names and movers found, names hashed and counted by
    // partition.
    void look(size_t lane, size_t from, size_t to)
    {
        const size_t parts = size_t(1) << m_partitionBits;
        size_t *movers = &m_moverCounts[lane * parts];
        // The names lie all over the heap: each is asked for well before it is read, so that
        // the misses overlap rather than follow one another.
        constexpr size_t kAhead = 16;
        if (!m_loadedKnown) {
            size_t *loaded = &m_loadedCounts[lane * parts];
            for (size_t i = from; i < to; ++i) {
                if (i + kAhead < to)
                    __builtin_prefetch(m_rows.rows[i + kAhead].loadedName.constData());
                const FileRow &row = m_rows.rows[i];
                m_loadedHashes[i] = folderNameHash(m_check.ignoreCase, row.folder, row.loadedName);
                ++loaded[partitionOf(m_loadedHashes[i])];
            }
        }
        if (m_newNameHashes) {
            // The recompute looked at each row already: its states are the flags, and only
            // the refused rows are read.
            const quint8 *states = m_newNameHashes->states();
            std::copy(states + from, states + to, m_flags.begin() + qsizetype(from));
            for (size_t i = from; i < to; ++i) {
                if (states[i] == Mover)
                    ++movers[partitionOf(m_moverHashes[i])];
                else if (states[i] == Refused)
                    m_refused[lane].emplace_back(i, invalidNameDetail(m_rows.rows[i].newName));
            }
            return;
        }
        for (size_t i = from; i < to; ++i) {
            if (i + kAhead < to)
                __builtin_prefetch(m_rows.rows[i + kAhead].newName.constData());
            const FileRow &row = m_rows.rows[i];
            if (!row.checked || row.newName == row.loadedName)
                continue;
            QString invalid = invalidNameDetail(row.newName);
            if (!invalid.isEmpty()) {
                // Its file stays under the loaded name.
                m_flags[i] = Refused;
                m_refused[lane].emplace_back(i, std::move(invalid));
                continue;
            }
            m_flags[i] = Mover;
            m_newHashes[i] = folderNameHash(m_check.ignoreCase, row.folder, row.newName);
            ++movers[partitionOf(m_newHashes[i])];
        }
    }

    // The keys laid out by partition, each lane's rows after the earlier lanes' ones.
    void layOut()
    {
        const size_t parts = size_t(1) << m_partitionBits;
        const auto starts = [&](std::vector<size_t> &counts, std::vector<size_t> &partStarts) {
            partStarts.assign(parts + 1, 0);
            size_t at = 0;
            for (size_t p = 0; p < parts; ++p) {
                partStarts[p] = at;
                for (size_t lane = 0; lane < lanes(); ++lane)
                    at += std::exchange(counts[lane * parts + p], at);
            }
            partStarts[parts] = at;
            return at;
        };
        m_keys.movers.resize(starts(m_moverCounts, m_keys.moverStarts));
        if (!m_loadedKnown)
            m_keys.loaded.resize(starts(m_loadedCounts, m_keys.loadedStarts));
        for (size_t round = 0; round < kRounds; ++round)
            eachLane(round, [&](size_t lane, size_t from, size_t to) {
                size_t *movers = &m_moverCounts[lane * parts];
                size_t *loaded = m_loadedKnown ? nullptr : &m_loadedCounts[lane * parts];
                for (size_t i = from; i < to; ++i) {
                    if (loaded) {
                        const quint32 h = m_loadedHashes[i];
                        m_keys.loaded[loaded[partitionOf(h)]++] = NameKey{h, quint32(i)};
                    }
                    if (m_flags[i] == Mover) {
                        const quint32 nh = m_moverHashes[i];
                        m_keys.movers[movers[partitionOf(nh)]++] = NameKey{nh, quint32(i)};
                    }
                }
            });
        if (!m_loadedKnown && m_check.cache) {
            // Kept for the next marking of the same rows.
            ConflictMarkingCache &kept = *m_check.cache;
            kept.m_keys = std::move(m_keys.loaded);
            kept.m_starts = std::move(m_keys.loadedStarts);
            kept.m_rows = m_rows.rows.size();
            kept.m_ignoreCase = m_check.ignoreCase;
            kept.m_partitionBits = m_partitionBits;
            m_loadedKnown = true;
        }
    }

    // Where each partition's unlisted hashes start among the sorted ones, and the end.
    void findUnlistedPartitions()
    {
        const std::vector<quint32> &sorted = m_unlisted->sortedHashes();
        const size_t parts = size_t(1) << m_partitionBits;
        m_unlistedStarts.resize(parts + 1);
        size_t u = 0;
        for (size_t p = 0; p < parts; ++p) {
            while (u < sorted.size() && partitionOf(sorted[u]) < p)
                ++u;
            m_unlistedStarts[p] = u;
        }
        m_unlistedStarts[parts] = sorted.size();
    }

    // Swaps the working memory with the cache's.
    void lendMemory()
    {
        ConflictMarkingCache &cache = *m_check.cache;
        std::swap(m_flags, cache.m_flags);
        std::swap(m_newHashes, cache.m_newHashes);
        std::swap(m_keys.movers, cache.m_movers);
    }

    const std::vector<NameKey> &loadedKeys() const
    {
        return m_loadedKnown ? m_check.cache->m_keys : m_keys.loaded;
    }
    const std::vector<size_t> &loadedStarts() const
    {
        return m_loadedKnown ? m_check.cache->m_starts : m_keys.loadedStarts;
    }

    bool same(quint32 row, const FileRow &other, const QString &name) const
    {
        const FileRow &r = m_rows.rows[row];
        if (r.folder != other.folder)
            return false;
        return m_check.ignoreCase ? sameIgnoringCase(r.newName, name) : r.newName == name;
    }

    // A thread's working memory for its partitions, kept from one partition to the next.
    struct Scratch
    {
        // The filter: a bit for each hash's low bits, set by the movers (seen) and by a
        // second mover, a loaded name or an unlisted entry (again).
        std::vector<quint64> seen, again;
        std::vector<NameKey> candidates; // the movers whose bit is set again
        // An open-addressing table of the candidates' names: each slot the name's hash with
        // its lowest bit set (0: free), and beside it the candidate's index. Mostly free, so
        // that a look-up of a name no candidate has ends at once.
        std::vector<quint32> hashes;
        std::vector<quint32> keys;
        std::vector<quint32> first; // by candidate: the first candidate with its name
        std::vector<quint8> state;  // by candidate: Shared, and for a first one Kept, Released
    };

    // Unlisted when an unlisted entry of the mover's folder has its new name, else 0. Asked
    // only of a mover whose name no row holds or leaves.
    quint8 unlistedFlag(const NameKey &mover) const
    {
        if (!m_unlisted->mayContain(mover.hash))
            return 0;
        const FileRow &row = m_rows.rows[mover.row];
        return m_unlisted->contains(row.folder, row.newName, mover.hash) ? Unlisted : 0;
    }

    // Finds which of the partition's movers share their new name, and which names stay taken
    // or are left, and notes it in the movers' flags. Only this thread writes these rows'
    // flags. A filter first: a mover whose bit no other mover, no loaded name and no unlisted
    // entry sets (nearly every one) has a name of its own, found without a branch that
    // depends on the names; the others are grouped exactly.
    void markPartition(Scratch &scratch, size_t p)
    {
        const NameKey *movers = m_keys.movers.data() + m_keys.moverStarts[p];
        const size_t count = m_keys.moverStarts[p + 1] - m_keys.moverStarts[p];
        if (count == 0)
            return;
        const NameKey *loaded = loadedKeys().data() + loadedStarts()[p];
        const size_t loadedCount = loadedStarts()[p + 1] - loadedStarts()[p];
        // About 32 bits for each mover: a bit is set again by chance for one name in 16.
        const size_t bits = std::max<size_t>(64, std::bit_ceil(count * 32));
        const quint32 bitMask = quint32(bits - 1);
        scratch.seen.assign(bits / 64, 0);
        scratch.again.assign(bits / 64, 0);
        quint64 *const seen = scratch.seen.data();
        quint64 *const again = scratch.again.data();
        for (size_t k = 0; k < count; ++k) {
            const quint32 b = movers[k].hash & bitMask;
            const quint64 bit = quint64(1) << (b & 63);
            again[b >> 6] |= seen[b >> 6] & bit;
            seen[b >> 6] |= bit;
        }
        for (size_t l = 0; l < loadedCount; ++l) {
            const quint32 b = loaded[l].hash & bitMask;
            again[b >> 6] |= seen[b >> 6] & (quint64(1) << (b & 63));
        }
        if (m_unlisted && !m_unlisted->isEmpty()) {
            const quint32 *const unlisted = m_unlisted->sortedHashes().data();
            for (size_t u = m_unlistedStarts[p]; u < m_unlistedStarts[p + 1]; ++u) {
                const quint32 b = unlisted[u] & bitMask;
                again[b >> 6] |= seen[b >> 6] & (quint64(1) << (b & 63));
            }
        }
        scratch.candidates.clear();
        for (size_t k = 0; k < count; ++k) {
            const quint32 b = movers[k].hash & bitMask;
            if (again[b >> 6] & (quint64(1) << (b & 63)))
                scratch.candidates.push_back(movers[k]);
        }
        if (!scratch.candidates.empty())
            groupCandidates(scratch, loaded, loadedCount, bitMask);
    }

    // The exact grouping of the candidates by new name, and of the loaded names whose bit is
    // set again.
    void groupCandidates(Scratch &scratch, const NameKey *loaded, size_t loadedCount,
                         quint32 bitMask)
    {
        const NameKey *const movers = scratch.candidates.data();
        const size_t count = scratch.candidates.size();
        // At most an eighth full.
        const size_t mask = std::bit_ceil(count * 8) - 1;
        scratch.hashes.assign(mask + 1, 0);
        scratch.keys.resize(mask + 1);
        scratch.first.resize(count);
        scratch.state.assign(count, 0);
        quint32 *const hashes = scratch.hashes.data();
        quint32 *const keys = scratch.keys.data();
        quint32 *const first = scratch.first.data();
        quint8 *const state = scratch.state.data();
        for (size_t k = 0; k < count; ++k) {
            const quint32 hash = movers[k].hash | 1;
            for (size_t s = hash & mask;; s = (s + 1) & mask) {
                if (hashes[s] == 0) {
                    hashes[s] = hash;
                    keys[s] = quint32(k);
                    first[k] = quint32(k);
                    break;
                }
                if (hashes[s] == hash) {
                    const FileRow &row = m_rows.rows[movers[k].row];
                    if (same(movers[keys[s]].row, row, row.newName)) {
                        first[k] = keys[s];
                        state[keys[s]] |= Shared;
                        state[k] |= Shared;
                        break;
                    }
                }
            }
        }
        const quint64 *const again = scratch.again.data();
        for (size_t l = 0; l < loadedCount; ++l) {
            const quint32 b = loaded[l].hash & bitMask;
            if (!(again[b >> 6] & (quint64(1) << (b & 63))))
                continue;
            const quint32 hash = loaded[l].hash | 1;
            for (size_t s = hash & mask; hashes[s] != 0; s = (s + 1) & mask) {
                if (hashes[s] != hash)
                    continue;
                const quint32 row = loaded[l].row;
                const FileRow &r = m_rows.rows[row];
                if (same(movers[keys[s]].row, r, r.loadedName)) {
                    state[keys[s]] |= (m_flags[row] & Mover) ? Released : Kept;
                    break;
                }
            }
        }
        // What the group learnt goes to each candidate's flags; a name that no row holds or
        // leaves is looked up among the unlisted entries.
        const bool unlisted = m_unlisted && !m_unlisted->isEmpty();
        for (size_t k = 0; k < count; ++k) {
            quint8 learnt = quint8(state[k] & Shared) | quint8(state[first[k]] & (Kept | Released));
            if (learnt == 0 && unlisted)
                learnt = unlistedFlag(movers[k]);
            if (learnt != 0)
                m_flags[movers[k].row] |= learnt;
        }
    }

    // The marks, row by row: earlier marks of this kind go, the rule's own marks stay.
    void mark(size_t lane, size_t from, size_t to)
    {
        RowProblems &problems = m_rows.problems;
        auto refused = m_refused[lane].cbegin();
        // Eight rows at once while none is marked and none learnt more than Mover and
        // Released, as most rows are: none of them changes.
        constexpr quint64 kBytes = 0x0101010101010101ull;
        constexpr quint64 kNothingLearnt = ~(kBytes * (Mover | Released));
        const quint8 *const kinds = problems.kinds();
        for (size_t i = from; i < to; ++i) {
            if (i % 8 == 0 && i + 8 <= to) {
                quint64 flags, marks;
                std::memcpy(&flags, &m_flags[i], sizeof flags);
                std::memcpy(&marks, kinds + i, sizeof marks);
                if ((flags & kNothingLearnt) == 0 && marks == 0) {
                    i += 7;
                    continue;
                }
            }
            const quint8 flags = m_flags[i];
            RowProblem now = RowProblem::None;
            if (flags & Refused) {
                problems.set(i, RowProblem::Invalid, (refused++)->second);
                continue;
            }
            // Only movers learn Shared, Kept or Unlisted.
            if (flags & Shared)
                now = RowProblem::Duplicate;
            else if (flags & (Kept | Unlisted))
                now = RowProblem::Exists;
            const RowProblem before = problems.kind(i);
            if (now != before && (now != RowProblem::None || isConflictMark(before)))
                problems.set(i, now);
        }
    }

    FileRows &m_rows;
    const ConflictCheck m_check;
    const size_t m_threads;
    const int m_partitionBits;
    // The loaded names laid out already (the caller's kept keys fit), and the new names'
    // hashes the recompute took (null when they do not fit).
    bool m_loadedKnown;
    const NewNameHashes *const m_newNameHashes;
    int m_next = 0; // the step
    bool m_anyMover = false;
    const UnlistedNames *m_unlisted = nullptr;
    // By lane: the rows whose new name is refused, in row order, and why.
    std::vector<std::vector<std::pair<size_t, QString>>> m_refused;
    std::vector<Scratch> m_scratch = std::vector<Scratch>(m_threads); // by thread
    std::vector<quint8> m_flags;
    std::vector<quint32> m_newHashes, m_loadedHashes;
    const quint32 *m_moverHashes = nullptr; // by row: m_newHashes or the recompute's
    std::vector<size_t> m_unlistedStarts;   // partitions + 1, into the unlisted sorted hashes
    // Keys by lane and partition: first counts, then where each lane writes next.
    std::vector<size_t> m_moverCounts, m_loadedCounts;
    PartitionedKeys m_keys;
};

namespace {

// The code unit as the case-insensitive comparison folds it; surrogates all alike, since a
// pair folds as one code point (sameIgnoringCase tells such names apart).
char16_t foldedUnit(char16_t c)
{
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? char16_t(c | 0x20) : c;
    if (QChar::isSurrogate(c))
        return 0xD800;
    return char16_t(QChar::toCaseFolded(char32_t(c)));
}

// Eight code units, taken and tested at once.
using Units = std::uint16_t __attribute__((vector_size(16)));

constexpr quint64 kMultiplier = 0x9E3779B97F4A7C15ull;
constexpr quint64 kSecret = 0xA0761D6478BD642Full;

Units unitsOf(quint64 low, quint64 high)
{
    const quint64 words[2] = {low, high};
    Units v;
    std::memcpy(&v, words, sizeof v);
    return v;
}

Units unitsAt(const char16_t *at)
{
    Units v;
    std::memcpy(&v, at, sizeof v);
    return v;
}

// Four units from at (count of them, at most four), padded with 'a'.
quint64 wordAt(const char16_t *at, qsizetype count)
{
    if (count >= 4) {
        quint64 word;
        std::memcpy(&word, at, sizeof word);
        return word;
    }
    quint64 word = 0x0061006100610061ull;
    for (qsizetype k = 0; k < count; ++k)
        word = (word & ~(quint64(0xFFFF) << (16 * k))) | quint64(at[k]) << (16 * k);
    return word;
}

// One block of eight units mixed into h. Fold: bit 5 of every unit set, which takes 'A' to
// 'a' and so on; it also joins a few pairs of other units ('@' and '`', NUL and space), which
// costs a comparison now and then, never a wrong answer. beyond and bad gain set bits for a
// unit beyond ASCII and for a '/' or NUL.
template <bool Fold>
[[gnu::always_inline]] inline quint64 mixBlock(quint64 h, Units v, Units &beyond, Units &bad)
{
    beyond |= v;
    bad |= Units((v == 0) | (v == u'/'));
    if constexpr (Fold)
        v |= 0x20;
    quint64 words[2];
    std::memcpy(words, &v, sizeof words);
    __extension__ using Wide = unsigned __int128;
    const Wide product = Wide(words[0] ^ h) * Wide(words[1] ^ kSecret);
    return (quint64(product) ^ quint64(product >> 64)) + h;
}

bool anySet(Units v)
{
    quint64 words[2];
    std::memcpy(words, &v, sizeof words);
    return (words[0] | words[1]) != 0;
}

// A hash of size units from units, eight at a time (the last eight may overlap the ones
// before), case-folded as mixBlock does when Fold. beyond and bad as mixBlock has them.
template <bool Fold>
[[gnu::always_inline]] inline quint64 blockHash(const char16_t *units, qsizetype size,
                                                Units &beyond, Units &bad)
{
    quint64 h = quint64(size) * kMultiplier;
    if (size < 8) {
        // The first four and the last four, or fewer padded.
        const quint64 first = wordAt(units, size);
        const quint64 last = size >= 4 ? wordAt(units + size - 4, 4) : first;
        h = mixBlock<Fold>(h, unitsOf(first, last), beyond, bad);
    } else {
        qsizetype k = 0;
        for (; k + 8 <= size; k += 8)
            h = mixBlock<Fold>(h, unitsAt(units + k), beyond, bad);
        if (k < size)
            h = mixBlock<Fold>(h, unitsAt(units + size - 8), beyond, bad);
    }
    h ^= h >> 29;
    h *= kMultiplier;
    return h ^ (h >> 32);
}

// A hash of the code units, case-folded when Fold: names that sameIgnoringCase takes for one
// have the same. plain: every unit is ASCII and none is '/' or NUL, found on the way.
template <bool Fold> quint32 unitHash(const QString &name, bool &plain)
{
    const auto *units = reinterpret_cast<const char16_t *>(name.constData());
    const qsizetype size = name.size();
    Units beyond = {}, bad = {};
    quint64 h = blockHash<Fold>(units, size, beyond, bad);
    const bool ascii = !anySet(beyond & 0xFF80);
    plain = ascii && !anySet(bad);
    if (Fold && !ascii) {
        // Folded unit by unit first; the ASCII units come out as the blocks fold them.
        char16_t buffer[256] = {};
        std::u16string longer;
        char16_t *folded = buffer;
        if (size > qsizetype(std::size(buffer))) {
            longer.resize(size_t(size));
            folded = longer.data();
        }
        for (qsizetype k = 0; k < size; ++k)
            folded[k] = foldedUnit(units[k]);
        h = blockHash<Fold>(folded, size, beyond, bad);
    }
    return quint32(h);
}

quint32 nameHash(bool ignoreCase, quint32 folder, const QString &name, bool &plain)
{
    const quint32 h = ignoreCase ? unitHash<true>(name, plain) : unitHash<false>(name, plain);
    return (h ^ (folder * 0x9E3779B9u)) * 0x85EBCA6Bu;
}

} // namespace

quint32 folderNameHash(bool ignoreCase, quint32 folder, const QString &name)
{
    bool plain;
    return nameHash(ignoreCase, folder, name, plain);
}

void NewNameHashes::reset(std::size_t rows, bool ignoreCase)
{
    m_ignoreCase = ignoreCase;
    m_hashes.resize(rows); // read only for Renamed rows, which take theirs
    m_states.assign(rows, Kept);
}

void NewNameHashes::take(const FileRows &rows, std::size_t i)
{
    if (i >= m_states.size())
        return; // dropped (reset for no rows) while a recompute was under way
    const FileRow &row = rows.rows[i];
    if (!row.checked || row.newName == row.loadedName) {
        m_states[i] = Kept;
        return;
    }
    // A plain name of a usable length needs no closer look; invalidNameDetail decides the
    // others.
    bool plain;
    m_hashes[i] = nameHash(m_ignoreCase, row.folder, row.newName, plain);
    const qsizetype size = row.newName.size();
    const bool dots = size <= 2 && (row.newName == u"." || row.newName == u"..");
    const bool usable = plain && size > 0 && size <= kLongestNameBytes && !dots;
    m_states[i] = usable || invalidNameDetail(row.newName).isEmpty() ? Renamed : Refused;
}

ConflictMarking::ConflictMarking(FileRows &rows, ConflictCheck check)
    : m_work(std::make_unique<Work>(rows, std::move(check)))
{}

ConflictMarking::~ConflictMarking() = default;

bool ConflictMarking::step()
{
    return m_done || (m_done = m_work->step());
}

void markNameConflicts(FileRows &rows, const ConflictCheck &check)
{
    ConflictMarking marking(rows, check);
    while (!marking.step()) {
    }
}

void clearConflictMarks(RowProblems &problems)
{
    for (size_t i = 0; i < problems.size(); ++i)
        if (isConflictMark(problems.kind(i)))
            problems.set(i, RowProblem::None);
}

QString problemReason(RowProblem problem, const QString &detail)
{
    switch (problem) {
    case RowProblem::None:
        return {};
    case RowProblem::Duplicate:
        return QStringLiteral("duplicate");
    case RowProblem::Exists:
        return QStringLiteral("exists");
    case RowProblem::Invalid:
    case RowProblem::RuleFailed:
    case RowProblem::MissingValue:
        break;
    }
    return detail.isEmpty() ? QStringLiteral("rule failed") : detail;
}

std::size_t markedRowCount(const RowProblems &problems)
{
    return problems.size() - problems.count(RowProblem::None);
}
