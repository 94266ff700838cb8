// (12) The marking of rows whose new names cannot be used, after a recompute of 1,000,000
// rows: the recompute alone next to the recompute followed by the marking, in one run. The
// rows lie in 100 real folders, each with one entry that is not a row (a hidden file), so
// that every renamed row's name is also looked up among the folder's unlisted entries. As
// the desktop program does, the recompute takes the new names' hashes for the marking, and
// what does not change between recomputes is kept: the unlisted entries, read once, and the
// loaded names as the first marking laid them out (that first marking is timed apart).

#include "bench/BenchSupport.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/names/NameConflicts.h"
#include "core/engine/names/NewNameRule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 11;
    constexpr int kFolders = 100;
    constexpr int kRowsPerFolder = 10000;

    bench::TempFolder temp;
    FileRows rows;
    char name[64];
    for (int f = 0; f < kFolders; ++f) {
        const QByteArray folder = temp.path() + "/d" + QByteArray::number(f) + '/';
        if (!QDir().mkpath(QFile::decodeName(folder)) ||
            !QFile(QFile::decodeName(folder + ".hidden")).open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "could not make the folders\n");
            return 2;
        }
        rows.folders.push_back({QFile::decodeName(folder), folder, 0});
        for (int i = 0; i < kRowsPerFolder; ++i) {
            std::snprintf(name, sizeof name, "IMG_%07d.jpg", f * kRowsPerFolder + i);
            FileRow row;
            row.loadedName = QString::fromLatin1(name);
            row.newName = row.loadedName;
            row.serial = qint32(rows.rows.size() + 1);
            row.folder = quint32(f);
            rows.rows.push_back(row);
        }
    }

    RenameParameters params;
    params.checkFindAndReplace = true;
    params.findText = QStringLiteral("IMG");
    params.replaceText = QStringLiteral("Photo");
    params.checkUpperCase = true;

    const UnlistedNames unlisted(rows, true);
    NewNameHashes hashes;
    ConflictMarkingCache cache;
    const ConflictCheck check{true, [&]() -> const UnlistedNames & { return unlisted; }, &hashes,
                              &cache};
    // The processor time of both too, on standard error: on a machine shared with other work
    // the wall time says more about the others than about the marking.
    std::vector<double> cpuWithout, cpuWith;
    const auto recompute = [&] {
        bench::cpuTimed(cpuWithout, [&] { ComputeNewFileNames(rows, params); });
    };
    const auto recomputeAndMark = [&] {
        bench::cpuTimed(cpuWith, [&] {
            hashes.reset(rows.rows.size(), true);
            ComputeNewFileNames(rows, params, nullptr, &hashes);
            markNameConflicts(rows, check);
        });
    };
    // The first marking after the list is loaded lays the loaded names out.
    std::vector<double> first;
    for (int r = 0; r < 3; ++r) {
        cache.dropNames();
        const double start = bench::nowMs();
        recomputeAndMark();
        first.push_back(bench::nowMs() - start);
    }
    cpuWith.clear();
    std::fprintf(stderr,
                 "conflicts: the first marking after a load: recompute and marking %.0f ms\n",
                 bench::median(first));
    const bench::Medians m = bench::compare(repetitions, recompute, recomputeAndMark);
    {
        // The parts of the difference, each alone: the hashes the recompute takes, the marking.
        std::vector<double> plain, taking, marking;
        for (int r = 0; r < repetitions; ++r) {
            bench::cpuTimed(plain, [&] { ComputeNewFileNames(rows, params); });
            bench::cpuTimed(taking, [&] {
                hashes.reset(rows.rows.size(), true);
                ComputeNewFileNames(rows, params, nullptr, &hashes);
            });
            bench::cpuTimed(marking, [&] { markNameConflicts(rows, check); });
        }
        std::fprintf(stderr,
                     "conflicts: median processor time %.0f ms for the recompute alone, %.0f ms "
                     "for it taking the hashes, %.0f ms for the marking alone\n",
                     bench::median(plain), bench::median(taking), bench::median(marking));
    }
    std::fprintf(stderr, "conflicts: median processor time %.0f ms without, %.0f ms with (%.2f)\n",
                 bench::median(cpuWithout), bench::median(cpuWith),
                 bench::median(cpuWith) / bench::median(cpuWithout));
    if (markedRowCount(rows.problems) != 0)
        std::fprintf(stderr, "conflicts: %zu rows marked, expected none\n",
                     markedRowCount(rows.problems));
    bench::printRow("(12) recompute 1,000,000 rows with the conflict marking (without = 1)",
                    m.baseline, m.ours, 1.10);
    return 0;
}
