#include "core/engine/names/NameConflicts.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/names/NameCompare.h"
#include "core/engine/names/RowThreads.h"
#include "core/system/FolderReader.h"

#include <QHashFunctions>

#include <algorithm>
#include <atomic>
#include <bit>

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

UnlistedNames::UnlistedNames(const FileRows &rows, bool ignoreCase) : m_ignoreCase(ignoreCase)
{
    read(rows, nullptr);
}

void UnlistedNames::reread(const FileRows &rows, const std::vector<bool> &changed)
{
    read(rows, &changed);
}

void UnlistedNames::read(const FileRows &rows, const std::vector<bool> *only)
{
    m_byFolder.resize(rows.folders.size());
    std::vector<qsizetype> listed(rows.folders.size(), 0);
    for (const FileRow &row : rows.rows)
        ++listed[row.folder];
    for (size_t f = 0; f < rows.folders.size(); ++f) {
        if (only && (f >= only->size() || !(*only)[f]))
            continue;
        m_byFolder[f].clear();
        const QByteArray &path = rows.folders[f].rawPath;
        const char *folder = path.isEmpty() ? "." : path.constData();
        qsizetype entries = 0;
        {
            FolderReader counter(folder);
            while (counter.next())
                ++entries;
        }
        // Counting is cheap; the names are kept only where some entry is not a row.
        if (entries == listed[f])
            continue;
        FolderReader reader(folder);
        QMultiHash<quint32, QString> &names = m_byFolder[f];
        names.reserve(entries);
        while (const char *entry = reader.next()) {
            const QString name = decodeFileName(QByteArrayView(entry));
            names.insert(hash(name), name);
        }
    }
}

quint32 UnlistedNames::hash(const QString &name) const
{
    return m_ignoreCase ? caseFoldedHash(name) : quint32(qHash(name, 0));
}

bool UnlistedNames::contains(quint32 folder, const QString &name) const
{
    if (folder >= m_byFolder.size() || m_byFolder[folder].isEmpty())
        return false;
    const auto [first, last] = m_byFolder[folder].equal_range(hash(name));
    return std::any_of(first, last, [&](const QString &entry) {
        return m_ignoreCase ? sameIgnoringCase(entry, name) : entry == name;
    });
}

namespace {

// What a row is (flags), and what happens to its group's name (taken, written by several
// threads at once).
enum Flag : quint8
{
    Mover = 1,    // checked, and its valid new name differs from the loaded one
    Shared = 2,   // another mover of the folder gets the same name
    Kept = 4,     // a row that stays under its name holds it
    Released = 8, // a mover leaves the name
};

bool isConflictMark(RowProblem p)
{
    return p == RowProblem::Duplicate || p == RowProblem::Exists || p == RowProblem::Invalid;
}

// A hash of a folder and a name that agrees with NameTable's comparison.
quint32 nameHash(bool ignoreCase, quint32 folder, const QString &name)
{
    const quint32 h = ignoreCase ? caseFoldedHash(name) : quint32(qHash(name, 0));
    return (h ^ (folder * 0x9E3779B9u)) * 0x85EBCA6Bu;
}

// The movers' new names in an open-addressing table over row indices, at most half full,
// keyed by folder and name. Each slot holds its row's hash too: a probe that meets another
// name is then told apart without reading the row.
class NameTable
{
public:
    // newHashes: nameHash() of each mover's folder and new name, by row.
    NameTable(const FileRows &rows, bool ignoreCase, size_t movers,
              const std::vector<quint32> &newHashes)
        : m_rows(rows), m_ignoreCase(ignoreCase), m_mask(std::bit_ceil(movers * 2 + 2) - 1),
          m_slots(m_mask + 1, Slot{0, -1}), m_hashes(newHashes)
    {}

    // The first row inserted with this folder and name, or -1.
    qint32 find(quint32 h, quint32 folder, const QString &name) const
    {
        for (size_t slot = h & m_mask;; slot = (slot + 1) & m_mask) {
            const Slot &s = m_slots[slot];
            if (s.row < 0 || (s.hash == h && same(size_t(s.row), folder, name)))
                return s.row;
        }
    }
    // Inserts row (its new name) unless an equal one is in; returns that one, else row.
    qint32 insert(qint32 row)
    {
        const FileRow &r = m_rows.rows[size_t(row)];
        const quint32 h = m_hashes[size_t(row)];
        for (size_t slot = h & m_mask;; slot = (slot + 1) & m_mask) {
            Slot &s = m_slots[slot];
            if (s.row < 0) {
                s = Slot{h, row};
                return row;
            }
            if (s.hash == h && same(size_t(s.row), r.folder, r.newName))
                return s.row;
        }
    }

private:
    bool same(size_t row, quint32 folder, const QString &name) const
    {
        const FileRow &r = m_rows.rows[row];
        if (r.folder != folder)
            return false;
        return m_ignoreCase ? sameIgnoringCase(r.newName, name) : r.newName == name;
    }

    const FileRows &m_rows;
    bool m_ignoreCase;
    size_t m_mask;
    struct Slot
    {
        quint32 hash;
        qint32 row; // -1: free
    };
    std::vector<Slot> m_slots;
    const std::vector<quint32> &m_hashes;
};

} // namespace

void markNameConflicts(FileRows &rows, const ConflictCheck &check)
{
    const size_t n = rows.rows.size();
    RowProblems &problems = rows.problems;
    if (problems.size() != n)
        problems.reset(n);
    std::vector<quint8> flags(n, 0);
    std::atomic<size_t> movers{0};

    // Each row on its own: earlier marks cleared, refused names marked, movers found.
    RowThreads::shareOut(n, [&](size_t from, size_t to) {
        size_t found = 0;
        for (size_t i = from; i < to; ++i) {
            const FileRow &row = rows.rows[i];
            if (isConflictMark(problems.kind(i)))
                problems.set(i, RowProblem::None);
            if (!row.checked || row.newName == row.loadedName)
                continue;
            const QString invalid = invalidNameDetail(row.newName);
            if (!invalid.isEmpty()) {
                // Its file stays under the loaded name.
                problems.set(i, RowProblem::Invalid, invalid);
                continue;
            }
            flags[i] = Mover;
            ++found;
        }
        movers += found;
    });
    if (movers == 0)
        return;

    std::vector<quint32> newHashes(n), oldHashes(n);
    RowThreads::shareOut(n, [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i) {
            const FileRow &row = rows.rows[i];
            if (flags[i] & Mover)
                newHashes[i] = nameHash(check.ignoreCase, row.folder, row.newName);
            oldHashes[i] = nameHash(check.ignoreCase, row.folder, row.loadedName);
        }
    });
    NameTable table(rows, check.ignoreCase, movers, newHashes);

    // Movers that get one name share the first of them as their group.
    std::vector<qint32> group(n, -1);
    for (size_t j = 0; j < n; ++j) {
        if (!(flags[j] & Mover))
            continue;
        const qint32 first = table.insert(qint32(j));
        group[j] = first;
        if (size_t(first) != j) {
            flags[size_t(first)] |= Shared;
            flags[j] |= Shared;
        }
    }

    // Each loaded name either stays taken or is left by its mover.
    std::vector<quint8> taken(n, 0);
    RowThreads::shareOut(n, [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i) {
            const FileRow &row = rows.rows[i];
            const qint32 first = table.find(oldHashes[i], row.folder, row.loadedName);
            if (first >= 0)
                std::atomic_ref(taken[size_t(first)])
                    .fetch_or(quint8((flags[i] & Mover) ? Released : Kept),
                              std::memory_order_relaxed);
        }
    });

    const UnlistedNames *unlisted = check.unlisted ? &check.unlisted() : nullptr;
    RowThreads::shareOut(n, [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i) {
            if (!(flags[i] & Mover))
                continue;
            const quint8 g = taken[size_t(group[i])];
            const FileRow &row = rows.rows[i];
            if (flags[i] & Shared)
                problems.set(i, RowProblem::Duplicate);
            else if (g & Kept)
                problems.set(i, RowProblem::Exists);
            else if (!(g & Released) && unlisted && unlisted->contains(row.folder, row.newName))
                problems.set(i, RowProblem::Exists);
        }
    });
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
