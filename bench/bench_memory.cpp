// (5) Peak memory of 100,000 listed rows above the empty program, next to a C program that
// keeps the same rows (name, size, time, mode) in one array.
//
// Each measurement runs in a fresh process ("--c FOLDER" or "--ours FOLDER"), which prints
// its bytes per row; the parent makes the tree and prints the table row.

#include "bench/BenchSupport.h"
#include "bench/CBaselines.h"
#include "core/listing/FileListLoader.h"
#include "core/listing/FileListModel.h"

#include <QCoreApplication>
#include <QFile>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct CFile
{
    const char *name;
    long long size, mtime;
    unsigned mode;
};

int measureC(const char *folder)
{
    const long long empty = bench::statusBytes("VmRSS");
    cbase::WalkResult walk;
    cbase::walk(folder, &walk);
    // One row per name, pointing into the walk's arena.
    std::vector<CFile> files(size_t(walk.files));
    const char *p = walk.names;
    for (CFile &f : files) {
        f = {p, 0, 0, 0};
        p += std::strlen(p) + 1;
    }
    const long long peak = bench::statusBytes("VmHWM");
    std::printf("%lld %ld\n", (peak - empty) / (walk.files ? walk.files : 1), walk.files);
    bench::keep(files.size());
    cbase::freeWalk(&walk);
    return 0;
}

int measureOurs(int argc, char **argv, const char *folder)
{
    QCoreApplication app(argc, argv);
    FileListModel model;
    const long long empty = bench::statusBytes("VmRSS");
    {
        FileListLoader loader;
        loader.setFilters(true, true);
        FileRows rows;
        loader.load(QFile::decodeName(folder), true, rows);
        model.setRows(std::move(rows));
    }
    const long long peak = bench::statusBytes("VmHWM");
    const int n = model.rowCount();
    std::printf("%lld %d\n", (peak - empty) / (n ? n : 1), n);
    return 0;
}

// Runs this program again with mode and folder; returns the bytes per row it printed.
long long childBytesPerRow(const char *mode, const QByteArray &folder, long *rows)
{
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return -1;
    self[n] = 0;
    const QByteArray command = QByteArray("'") + self + "' " + mode + " '" + folder + "'";
    FILE *child = ::popen(command.constData(), "r");
    long long perRow = -1;
    if (child && std::fscanf(child, "%lld %ld", &perRow, rows) != 2)
        perRow = -1;
    if (child)
        ::pclose(child);
    return perRow;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--c") == 0)
        return measureC(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--ours") == 0)
        return measureOurs(argc, argv, argv[2]);

    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 3;
    bench::TempFolder temp;
    for (const bench::Shape shape : {bench::Shape::Flat, bench::Shape::Many}) {
        if (!bench::makeTree(temp.path(), shape))
            return 2;
        const QByteArray folder = bench::shapeFolder(temp.path(), shape);
        std::vector<double> c, ours;
        long cRows = 0, ourRows = 0;
        for (int r = 0; r < repetitions; ++r) {
            c.push_back(double(childBytesPerRow("--c", folder, &cRows)));
            ours.push_back(double(childBytesPerRow("--ours", folder, &ourRows)));
        }
        if (cRows != 100000 || ourRows != 100000)
            std::fprintf(stderr, "memory: C rows %ld, listed rows %ld\n", cRows, ourRows);
        const double perRow = bench::median(ours);
        std::printf("| (5) peak memory of 100,000 listed rows, %s (bytes per row above the "
                    "empty program) | %.0f B | %.0f B | %.2f | <= 600 B | %s |\n",
                    shape == bench::Shape::Flat ? "one folder" : "100 folders", bench::median(c),
                    perRow, perRow / bench::median(c), perRow <= 600 ? "yes" : "NO");
        std::fflush(stdout);
        bench::removeAll(folder);
    }
    return 0;
}
