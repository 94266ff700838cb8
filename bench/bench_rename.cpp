// (3) The batch rename of 10,000 files in one folder, next to a C renameat2 loop over the
// same names. The batch writes and syncs its journal as always, in the temporary folder
// (the same file system as the files). The files are made again before every run, outside
// the timing.
//
// "bench_rename --make-plain FOLDER COUNT" only makes COUNT files "file00000.txt" and on in a
// fresh FOLDER, for timing whole programs on the same files.

#include "bench/BenchSupport.h"
#include "bench/CBaselines.h"
#include "core/engine/names/NewNameRule.h"
#include "core/engine/rename/BatchRename.h"
#include "core/listing/FileListLoader.h"

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
    if (argc == 4 && std::strcmp(argv[1], "--make-plain") == 0) {
        bench::removeAll(argv[2]);
        return bench::makePlainFiles(argv[2], std::atoi(argv[3])) ? 0 : 1;
    }
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 9;
    bench::TempFolder temp;
    const QByteArray folder = temp.path() + "/batch";
    qputenv("XDG_STATE_HOME", temp.path() + "/state");

    if (!bench::makeMixedFiles(folder, kFiles)) {
        std::fprintf(stderr, "could not make the files\n");
        return 2;
    }
    FileRows rows;
    FileListLoader loader;
    loader.setFilters(true, true);
    loader.load(QFile::decodeName(folder), false, rows);
    ComputeNewFileNames(rows, benchParameters());
    std::vector<QByteArray> from, to;
    for (const FileRow &r : rows.rows) {
        from.push_back(r.nameBytes());
        to.push_back(r.newName.toUtf8());
    }
    std::vector<const char *> fromC, toC;
    for (size_t i = 0; i < from.size(); ++i) {
        fromC.push_back(from[i].constData());
        toC.push_back(to[i].constData());
    }

    int cFailures = 0, ourFailures = 0, journalFailures = 0;
    bool renamed = false;
    // Puts the files back under their listed names (making them anew would mostly time the
    // file system's inode allocation), then writes everything back before the next run.
    const auto prepare = [&] {
        cbase::putBackAndSync(folder.constData(), fromC.data(), toC.data(), fromC.size(), &renamed);
    };
    const bench::Medians m = bench::compare(
        repetitions,
        [&] {
            const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            cFailures += cbase::renameLoop(fd, fromC.data(), toC.data(), fromC.size());
            ::close(fd);
        },
        [&] {
            const BatchResult result = RenameCheckedFiles(rows);
            ourFailures += kFiles - result.renamed;
            if (result.journalId.isEmpty())
                ++journalFailures;
        },
        prepare);
    if (rows.count() != kFiles || cFailures != 0 || ourFailures != 0 || journalFailures != 0)
        std::fprintf(stderr,
                     "rows %d, renames failed: %d by C, %d by Quirewell; %d journals "
                     "not written\n",
                     rows.count(), cFailures, ourFailures, journalFailures);
    bench::printRow("(3) batch rename of 10,000 files with its journal, one folder (C renameat2 "
                    "loop = 1)",
                    m.baseline, m.ours, 1.1);
    return 0;
}
