#include "core/engine/names/RowOrder.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"

#include <algorithm>
#include <string>
#include <thread>

std::optional<RowSortKey> rowSortKeyFromWord(const QString &word)
{
    if (word == QLatin1String("name"))
        return RowSortKey::Name;
    if (word == QLatin1String("natural"))
        return RowSortKey::NaturalName;
    if (word == QLatin1String("modified"))
        return RowSortKey::Modified;
    if (word == QLatin1String("size"))
        return RowSortKey::Size;
    return std::nullopt;
}

namespace {

// One row's place in a text order: the key's text is in a shared pool, and its first eight
// units, packed, settle most comparisons without touching the pool.
struct TextKey
{
    quint64 prefix;
    quint64 prefix2;
    quint32 offset;
    quint32 length;
    qint32 serial;
    quint32 row;
};

struct NumberKey
{
    qint64 value;
    qint32 serial;
    quint32 row;
};

bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Appends the key of folded text: the text itself, or for natural order each run of digits
// as a '0' (so it sorts among other characters as a digit does), one unit holding the number
// of its digits without leading zeros, plus one, and those digits. Two such runs then compare
// by their values.
void appendKey(QStringView folded, bool natural, std::u16string &pool)
{
    const char16_t *s = folded.utf16();
    const qsizetype n = folded.size();
    if (!natural) {
        pool.append(s, size_t(n));
        return;
    }
    for (qsizetype i = 0; i < n;) {
        if (!isAsciiDigit(s[i])) {
            pool.push_back(s[i++]);
            continue;
        }
        qsizetype end = i;
        while (end < n && isAsciiDigit(s[end]))
            ++end;
        qsizetype first = i;
        while (first < end && s[first] == u'0')
            ++first;
        pool.push_back(u'0');
        pool.push_back(char16_t(std::min<qsizetype>(end - first, 0xFFFE) + 1));
        pool.append(s + first, size_t(end - first));
        i = end;
    }
}

// Case-folded, as the listing orders names; ASCII names (most) are folded in place.
void appendNameKey(QStringView name, bool natural, std::u16string &pool, QString &scratch)
{
    const char16_t *s = name.utf16();
    const bool ascii = std::all_of(s, s + name.size(), [](char16_t c) { return c < 0x80; });
    if (ascii) {
        scratch.resize(name.size());
        char16_t *out = reinterpret_cast<char16_t *>(scratch.data());
        for (qsizetype i = 0; i < name.size(); ++i)
            out[i] = (s[i] >= u'A' && s[i] <= u'Z') ? char16_t(s[i] + (u'a' - u'A')) : s[i];
        appendKey(scratch, natural, pool);
        return;
    }
    appendKey(foldedFileName(name), natural, pool);
}

// Four units of key from first on, big-endian, zero-padded past its end.
quint64 prefixOf(const char16_t *key, quint32 length, quint32 first)
{
    quint64 prefix = 0;
    for (quint32 k = first; k < first + 4; ++k)
        prefix = (prefix << 16) | (k < length ? key[k] : 0u);
    return prefix;
}

// The comparison of two keys' texts, as UTF-16 units. Keys hold no unit 0, so the zero
// padding of a prefix orders a shorter key first, as the full comparison does.
int compareText(const TextKey &a, const TextKey &b, const char16_t *pool)
{
    if (a.prefix != b.prefix)
        return a.prefix < b.prefix ? -1 : 1;
    if (a.prefix2 != b.prefix2)
        return a.prefix2 < b.prefix2 ? -1 : 1;
    const int c = std::char_traits<char16_t>::compare(pool + a.offset, pool + b.offset,
                                                      std::min(a.length, b.length));
    if (c != 0)
        return c;
    return a.length < b.length ? -1 : (a.length > b.length ? 1 : 0);
}

// Sorts keys in parts, one per core, then merges the parts; below this many keys a part
// costs more to start than it saves.
constexpr size_t kKeysPerPart = 1 << 16;

template <typename Key, typename Less> void sortInParts(std::vector<Key> &keys, const Less &less)
{
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t parts = std::max<size_t>(1, std::min(cores, keys.size() / kKeysPerPart));
    std::vector<size_t> bounds;
    for (size_t p = 0; p <= parts; ++p)
        bounds.push_back(keys.size() * p / parts);
    std::vector<std::thread> helpers;
    for (size_t p = 1; p < parts; ++p)
        helpers.emplace_back([&keys, &less, &bounds, p] {
            std::sort(keys.begin() + qsizetype(bounds[p]), keys.begin() + qsizetype(bounds[p + 1]),
                      less);
        });
    std::sort(keys.begin(), keys.begin() + qsizetype(bounds[1]), less);
    for (std::thread &t : helpers)
        t.join();
    for (size_t p = 1; p < parts; ++p)
        std::inplace_merge(keys.begin(), keys.begin() + qsizetype(bounds[p]),
                           keys.begin() + qsizetype(bounds[p + 1]), less);
}

template <typename Key, typename Compare>
std::vector<quint32> orderBy(std::vector<Key> &keys, bool descending, const Compare &compare)
{
    // Every two keys differ (by row at the last), so the order is total and the same however
    // the parts fall.
    sortInParts(keys, [&](const Key &a, const Key &b) {
        const int c = compare(a, b);
        if (c != 0)
            return descending ? c > 0 : c < 0;
        return a.serial != b.serial ? a.serial < b.serial : a.row < b.row;
    });
    std::vector<quint32> order(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        order[i] = keys[i].row;
    return order;
}

template <typename Text>
std::vector<quint32> orderByText(const FileRows &rows, bool natural, bool descending,
                                 const Text &textOf)
{
    std::u16string pool;
    QString scratch;
    std::vector<TextKey> keys(rows.rows.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        const size_t offset = pool.size();
        appendNameKey(textOf(rows.rows[i]), natural, pool, scratch);
        keys[i] = {
            0, 0, quint32(offset), quint32(pool.size() - offset), rows.rows[i].serial, quint32(i)};
    }
    const char16_t *text = pool.data();
    for (TextKey &key : keys) {
        key.prefix = prefixOf(text + key.offset, key.length, 0);
        key.prefix2 = prefixOf(text + key.offset, key.length, 4);
    }
    return orderBy(keys, descending,
                   [text](const TextKey &a, const TextKey &b) { return compareText(a, b, text); });
}

template <typename Value>
std::vector<quint32> orderByNumber(const FileRows &rows, bool descending, const Value &valueOf)
{
    std::vector<NumberKey> keys(rows.rows.size());
    for (size_t i = 0; i < keys.size(); ++i)
        keys[i] = {valueOf(rows.rows[i]), rows.rows[i].serial, quint32(i)};
    return orderBy(keys, descending, [](const NumberKey &a, const NumberKey &b) {
        return a.value < b.value ? -1 : (a.value > b.value ? 1 : 0);
    });
}

// Each folder's place among the folders in order of their locations.
std::vector<qint64> folderRanks(const FileRows &rows)
{
    FileRows folders;
    folders.rows.resize(rows.folders.size());
    for (size_t f = 0; f < rows.folders.size(); ++f) {
        folders.rows[f].loadedName = rows.folders[f].location;
        folders.rows[f].serial = qint32(f);
    }
    const std::vector<quint32> order = orderByText(
        folders, false, false, [](const FileRow &r) -> QStringView { return r.loadedName; });
    std::vector<qint64> rank(order.size());
    for (size_t k = 0; k < order.size(); ++k)
        rank[order[k]] = qint64(k);
    return rank;
}

} // namespace

std::vector<quint32> sortedRowOrder(const FileRows &rows, RowSortKey key, bool descending)
{
    switch (key) {
    case RowSortKey::Name:
    case RowSortKey::NaturalName:
        return orderByText(rows, key == RowSortKey::NaturalName, descending,
                           [](const FileRow &r) -> QStringView { return r.loadedName; });
    case RowSortKey::NewName:
    case RowSortKey::NaturalNewName:
        return orderByText(rows, key == RowSortKey::NaturalNewName, descending,
                           [](const FileRow &r) -> QStringView { return r.newName; });
    case RowSortKey::Modified:
        return orderByNumber(rows, descending, [](const FileRow &r) { return r.mtime; });
    case RowSortKey::Size:
        return orderByNumber(rows, descending, [](const FileRow &r) { return r.size; });
    case RowSortKey::Location: {
        const std::vector<qint64> rank = folderRanks(rows);
        return orderByNumber(rows, descending,
                             [&rank](const FileRow &r) { return rank[r.folder]; });
    }
    case RowSortKey::Serial:
        break;
    }
    return orderByNumber(rows, descending, [](const FileRow &r) { return qint64(r.serial); });
}

void reorderRows(FileRows &rows, const std::vector<quint32> &order)
{
    std::vector<FileRow, LargeBufferAllocator<FileRow>> sorted;
    sorted.reserve(order.size());
    for (const quint32 i : order)
        sorted.push_back(std::move(rows.rows[i]));
    rows.rows = std::move(sorted);
    rows.problems.clear();
}
