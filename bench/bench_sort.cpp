// (9) Ordering 1,000,000 rows by name: the name order next to a C qsort with strcasecmp over
// the same names, and the natural order next to the name order.

#include "bench/BenchSupport.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/names/RowOrder.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <strings.h>

namespace {

int compareCaseless(const void *a, const void *b)
{
    return strcasecmp(*static_cast<const char *const *>(a), *static_cast<const char *const *>(b));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 7;
    constexpr int kRows = 1000000;

    // Numbers of every width, in an order the listing did not give them.
    static const char *const shapes[] = {"IMG_%d.jpg", "Report %d final.TXT", "notes-%d.md",
                                         "archive%d.tar.gz", "Track %d - Song.flac"};
    std::vector<int> numbers(kRows);
    for (int i = 0; i < kRows; ++i)
        numbers[size_t(i)] = i;
    std::mt19937 seed(20261210);
    std::shuffle(numbers.begin(), numbers.end(), seed);

    FileRows rows;
    rows.folders.push_back({QStringLiteral("/list/"), QByteArrayLiteral("/list/")});
    rows.rows.reserve(kRows);
    std::vector<QByteArray> bytes;
    bytes.reserve(kRows);
    char name[64];
    for (int i = 0; i < kRows; ++i) {
        std::snprintf(name, sizeof name, shapes[i % 5], numbers[size_t(i)]);
        FileRow row;
        row.loadedName = QString::fromUtf8(name);
        row.newName = row.loadedName;
        row.serial = i + 1;
        rows.rows.push_back(row);
        bytes.emplace_back(name);
    }
    std::vector<const char *> names(bytes.size());

    size_t first = 0;
    bench::Medians m = bench::compare(
        repetitions,
        [&] {
            for (size_t i = 0; i < bytes.size(); ++i)
                names[i] = bytes[i].constData();
            std::qsort(names.data(), names.size(), sizeof(const char *), compareCaseless);
        },
        [&] { first = sortedRowOrder(rows, RowSortKey::Name, false).front(); });
    if (rows.rows[first].loadedName.toUtf8() != QByteArray(names.front()))
        std::fprintf(stderr, "sort: C puts %s first, Quirewell %s\n", names.front(),
                     qPrintable(rows.rows[first].loadedName));
    bench::printRow("(9a) name order of 1,000,000 rows (C qsort + strcasecmp = 1)", m.baseline,
                    m.ours, 2.0);

    m = bench::compare(
        repetitions, [&] { first = sortedRowOrder(rows, RowSortKey::Name, false).front(); },
        [&] { first = sortedRowOrder(rows, RowSortKey::NaturalName, false).front(); });
    bench::printRow("(9b) natural order of 1,000,000 rows (name order = 1)", m.baseline, m.ours,
                    1.5);
    return 0;
}
