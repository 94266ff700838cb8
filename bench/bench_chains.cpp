// (6) Chains and cycles of names renamed through temporary names, 10,000 files in one
// folder: a shift by one ("file00000.txt" -> "file00001.txt", ...) and 5,000 swaps. The C
// baseline is a renameat2 loop over the same steps in an order that works, plus one
// temporary name per cycle, planned before the timing. The files are put back untimed.

#include "bench/BenchSupport.h"
#include "bench/CBaselines.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/rename/ChainRename.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kFiles = 10000;

QByteArray fileName(int i)
{
    char name[32];
    std::snprintf(name, sizeof name, "file%05d.txt", i);
    return name;
}

// Steps as C strings for cbase::renameLoop.
struct Steps
{
    std::vector<QByteArray> from, to;
    void add(const QByteArray &a, const QByteArray &b)
    {
        from.push_back(a);
        to.push_back(b);
    }
    int run(const QByteArray &folder) const
    {
        std::vector<const char *> f, t;
        for (size_t i = 0; i < from.size(); ++i) {
            f.push_back(from[i].constData());
            t.push_back(to[i].constData());
        }
        const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const int failures = cbase::renameLoop(fd, f.data(), t.data(), f.size());
        ::syncfs(fd);
        ::close(fd);
        return failures;
    }
};

// The rows as a listing gives them: with each file's device and inode, which the batch's
// journal records (the files keep them, since they are only ever renamed).
FileRows rowsOf(const QByteArray &folder, const std::vector<int> &targets)
{
    FileRows rows;
    struct stat st;
    rows.folders.push_back({QFile::decodeName(folder + '/'), folder + '/',
                            ::stat(folder.constData(), &st) == 0 ? quint64(st.st_dev) : 0});
    for (int i = 0; i < kFiles; ++i) {
        FileRow row;
        if (::stat((folder + '/' + fileName(i)).constData(), &st) == 0)
            row.inode = quint64(st.st_ino);
        row.loadedName = QString::fromLatin1(fileName(i));
        row.newName = QString::fromLatin1(fileName(targets[size_t(i)]));
        row.serial = i + 1;
        rows.rows.push_back(std::move(row));
    }
    return rows;
}

// Times one plan; restore puts the files back under their listed names (untimed).
void measure(const char *what, const QByteArray &folder, const FileRows &rows,
             const Steps &baseline, const Steps &restore, int repetitions)
{
    int failures = 0;
    bool moved = false;
    const auto prepare = [&] {
        if (moved && restore.run(folder) != 0) {
            std::fprintf(stderr, "could not put the files back\n");
            std::exit(2);
        }
        moved = true;
    };
    const bench::Medians m = bench::compare(
        repetitions, [&] { failures += baseline.run(folder); },
        [&] { failures += kFiles - renameCheckedFilesInChains(rows).renamed; }, prepare);
    if (failures != 0)
        std::fprintf(stderr, "%s: %d renames failed\n", what, failures);
    prepare();
    bench::printRow(what, m.baseline, m.ours, 1.2);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 9;
    bench::TempFolder temp;
    const QByteArray folder = temp.path() + "/chains";
    if (!bench::makePlainFiles(folder, kFiles)) {
        std::fprintf(stderr, "could not make the files\n");
        return 2;
    }

    std::vector<int> shift(kFiles);
    Steps shiftSteps, shiftBack;
    for (int i = 0; i < kFiles; ++i)
        shift[size_t(i)] = i + 1;
    for (int i = kFiles; i-- > 0;)
        shiftSteps.add(fileName(i), fileName(i + 1));
    for (int i = 0; i < kFiles; ++i)
        shiftBack.add(fileName(i + 1), fileName(i));
    measure("(6) shift by one of 10,000 names through chains (C renameat2 loop = 1)", folder,
            rowsOf(folder, shift), shiftSteps, shiftBack, repetitions);

    std::vector<int> swaps(kFiles);
    Steps swapSteps;
    const QByteArray parked = ".swap.tmp";
    for (int i = 0; i + 1 < kFiles; i += 2) {
        swaps[size_t(i)] = i + 1;
        swaps[size_t(i) + 1] = i;
        swapSteps.add(fileName(i), parked);
        swapSteps.add(fileName(i + 1), fileName(i));
        swapSteps.add(parked, fileName(i + 1));
    }
    measure("(6b) 5,000 swaps of 10,000 names, one temporary name each (C loop = 1)", folder,
            rowsOf(folder, swaps), swapSteps, swapSteps, repetitions);
    return 0;
}
