// (3) The batch rename of 10,000 files in one folder, next to a C renameat2 loop over the
// same names. The files are made again before every run, outside the timing.
//
// "bench_rename --make FOLDER COUNT" only makes the files (for timing whole programs).

#include "bench/BenchSupport.h"
#include "bench/CBaselines.h"
#include "engine/BatchRename.h"
#include "engine/NewNameRule.h"
#include "listing/FileListLoader.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kFiles = 10000;

RenameParameters benchParameters()
{
    RenameParameters p;
    p.checkNumberAtStart = true;
    p.numberAtStart = 1;
    p.checkLowerCase = true;
    return p;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--make") == 0) {
        bench::removeAll(argv[2]);
        return bench::makeMixedFiles(argv[2], std::atoi(argv[3])) ? 0 : 1;
    }
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 9;
    bench::TempFolder temp;
    const QByteArray folder = temp.path() + "/batch";

    FileRows rows;
    std::vector<QByteArray> from, to;
    std::vector<const char *> fromC, toC;
    BatchResult result;
    int cFailures = 0;
    const auto prepare = [&] {
        bench::removeAll(folder);
        if (!bench::makeMixedFiles(folder, kFiles)) {
            std::fprintf(stderr, "could not make the files\n");
            std::exit(2);
        }
        FileListLoader loader;
        loader.setFilters(true, true);
        loader.load(QFile::decodeName(folder), false, rows);
        ComputeNewFileNames(rows, benchParameters());
        from.clear();
        to.clear();
        fromC.clear();
        toC.clear();
        for (const FileRow &r : rows.rows) {
            from.push_back(r.nameBytes());
            to.push_back(r.newName.toUtf8());
        }
        for (size_t i = 0; i < from.size(); ++i) {
            fromC.push_back(from[i].constData());
            toC.push_back(to[i].constData());
        }
        ::sync(); // start every run with nothing left to write back
    };
    const bench::Medians m = bench::compare(
        repetitions,
        [&] {
            const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            cFailures = cbase::renameLoop(fd, fromC.data(), toC.data(), fromC.size());
            ::close(fd);
        },
        [&] { result = RenameCheckedFiles(rows); }, prepare);
    if (rows.count() != kFiles || cFailures != 0 || result.renamed != kFiles)
        std::fprintf(stderr, "rows %d, C failures %d, renamed %d: expected %d renames\n",
                     rows.count(), cFailures, result.renamed, kFiles);
    bench::printRow("(3) batch rename of 10,000 files, one folder (C renameat2 loop = 1)",
                    m.baseline, m.ours, 1.1);
    return 0;
}
