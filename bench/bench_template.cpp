// The name template over photos: reading the date taken of every photo (the metadata cache
// empty, the system's page cache warm) against a C loop that opens each file and reads its
// first 64 KiB; the first screen of names after the template is typed; and the desktop
// program's event loop while it reads every photo.
// With --make-photos FOLDER N it only makes N photos (for scripts/bench.sh's ExifTool row).
// QUIREWELL_BENCH_PHOTOS sets the number of photos (default 100000).
#include "bench/BenchDesktop.h"
#include "bench/BenchSupport.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/names/NewNameRule.h"
#include "core/engine/names/RowThreads.h"
#include "core/metadata/MetadataCache.h"
#include "core/system/FileDescriptor.h"
#include "desktop/view/QuirewellView.h"
#include "tests/support/SampleMedia.h"

#include <QApplication>
#include <QByteArray>
#include <QSignalSpy>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Photo i: an EXIF block with a date of its own (so no two names collide), then 8 KiB of a
// comment segment standing for the image data.
QByteArray photo(int i)
{
    const long long second = 1600000000LL + i * 61LL;
    const long long days = second / 86400, rest = second % 86400;
    // Dates of 2020-09-13 on, from the day count (no calendar library in the loop).
    const int year = 2020 + int(days / 366) % 5;
    const int month = 1 + int(days % 12), day = 1 + int(days % 28);
    char taken[20];
    std::snprintf(taken, sizeof taken, "%04d:%02d:%02d %02lld:%02lld:%02lld", year, month, day,
                  rest / 3600, rest / 60 % 60, rest % 60);
    QByteArray jpeg = exifJpeg("Bench Camera", taken);
    QByteArray comment(8 * 1024, 'x');
    const int length = int(comment.size()) + 2;
    const QByteArray segment = QByteArray("\xFF\xFE", 2) + char(length >> 8) + char(length & 0xFF);
    jpeg.insert(jpeg.size() - 2, segment + comment);
    return jpeg;
}

bool makePhotos(const QByteArray &folder, int count)
{
    ::mkdir(folder.constData(), 0755);
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/IMG_%06d.jpg", i);
        const QByteArray path = folder + name;
        const QByteArray data = photo(i);
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, data.constData(), size_t(data.size())) != data.size()) {
            if (fd >= 0)
                ::close(fd);
            return false;
        }
        ::close(fd);
    }
    return true;
}

FileRows rowsOf(const QByteArray &folder, int count)
{
    FileRows rows;
    rows.folders.push_back({QString::fromLocal8Bit(folder) + u'/', folder + '/'});
    for (int i = 0; i < count; ++i) {
        FileRow row;
        row.loadedName = QStringLiteral("IMG_%1.jpg").arg(i, 6, 10, QLatin1Char('0'));
        row.newName = row.loadedName;
        row.serial = i + 1;
        rows.rows.push_back(row);
    }
    return rows;
}

// The C loop: open, read the first 64 KiB, close, for every file.
unsigned long long readHeads(const std::vector<std::string> &paths)
{
    static char buffer[64 * 1024];
    unsigned long long sum = 0;
    for (const std::string &path : paths) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            sum += static_cast<unsigned char>(buffer[n - 1]);
        ::close(fd);
    }
    return sum;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--make-photos") == 0)
        return makePhotos(argv[2], std::atoi(argv[3])) ? 0 : 1;
    const int count = qEnvironmentVariableIsSet("QUIREWELL_BENCH_PHOTOS")
                          ? qEnvironmentVariableIntValue("QUIREWELL_BENCH_PHOTOS")
                          : 100000;
    bench::TempFolder temp;
    const QByteArray folder = temp.path() + "/photos";
    if (!makePhotos(folder, count)) {
        std::fprintf(stderr, "could not make the photos\n");
        return 1;
    }
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/IMG_%06d.jpg", i);
        paths.push_back((folder + name).toStdString());
    }
    FileRows rows = rowsOf(folder, count);
    RenameParameters params;
    params.checkNameTemplate = true;
    params.nameTemplate = QStringLiteral("{photo.taken:%Y-%m-%d_%H%M%S}{ext}");
    readHeads(paths); // the page cache warm for both

    unsigned long long sink = 0;
    // The processor time of both too, on standard error: the names are computed on every
    // core, the C loop runs on one, and the row compares the time waited for each.
    std::vector<double> cpuLoop, cpuOurs;
    const bench::Medians read = bench::compare(
        5, [&] { bench::cpuTimed(cpuLoop, [&] { sink += readHeads(paths); }); },
        [&] { bench::cpuTimed(cpuOurs, [&] { ComputeNewFileNames(rows, params); }); },
        [] { MetadataCache::shared().clear(); });
    std::fprintf(stderr,
                 "template: median processor time %.0f ms for the C loop, %.0f ms for the names "
                 "on %zu threads (%.2f)\n",
                 bench::median(cpuLoop), bench::median(cpuOurs),
                 RowThreads::threadsFor(paths.size()),
                 bench::median(cpuOurs) / bench::median(cpuLoop));
    if (rows.problems.count(RowProblem::None) != size_t(count))
        std::fprintf(stderr, "some photos had no date taken\n");
    char what[160];
    std::snprintf(what, sizeof what,
                  "(25b) date taken of %d photos, warm page cache, metadata cache empty "
                  "(C open + read 64 KiB = 1)",
                  count);
    bench::printRow(what, read.baseline, read.ours, 1.5);

    // The same with every photo's metadata in the cache, as on the next keystroke: each file
    // is only looked at. For information: the row above is the one with a target.
    ComputeNewFileNames(rows, params);
    const quint64 readBefore = MetadataCache::shared().filesRead();
    const bench::Medians cached = bench::compare(
        3, [&] { sink += readHeads(paths); }, [&] { ComputeNewFileNames(rows, params); });
    char ratio[64];
    std::snprintf(
        ratio, sizeof ratio, "%.2f ms, ratio %.2f, %llu files read", cached.ours,
        cached.ours / cached.baseline,
        static_cast<unsigned long long>(MetadataCache::shared().filesRead() - readBefore));
    char baseline[32];
    std::snprintf(baseline, sizeof baseline, "%.2f ms", cached.baseline);
    std::snprintf(what, sizeof what,
                  "(25b) the same, the metadata cache warm too (C open + read 64 KiB = 1)");
    bench::printInfo(what, baseline, ratio, "for information");

    // The first screen: the paths of every row for the reader, then the 40 rows on screen
    // read and named. Compared with the 300 ms it may take.
    std::vector<double> firstScreen;
    for (int r = 0; r < 5; ++r) {
        MetadataCache::shared().clear();
        const double t0 = bench::nowMs();
        std::vector<QByteArray> all;
        all.reserve(size_t(count));
        for (int i = 0; i < count; ++i)
            all.push_back(rows.fullPathBytes(i));
        ComputeNewFileNames(rows, params, nullptr, 0, 40);
        firstScreen.push_back(bench::nowMs() - t0);
        sink += all.size();
    }
    std::snprintf(what, sizeof what,
                  "(25c) first screen of names after the template is typed, %d photos "
                  "(300 ms = 1)",
                  count);
    bench::printRow(what, 300.0, bench::median(firstScreen), 1.0);

    // The desktop program while it reads them: the template set in its parameters, until
    // every row has its name and its marks, the metadata cache empty each time.
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::Desktop desktop(temp.path() + "/settings.ini", false);
    desktop.load(folder);
    CQuirewellView *view = desktop.view();
    std::vector<double> gaps, named;
    for (int r = 0; r < 3; ++r) {
        view->controller().setRenameParameters(RenameParameters());
        view->controller().finishNewNames();
        MetadataCache::shared().clear();
        QSignalSpy computed(&view->controller(), &ListController::newNamesComputed);
        bench::GapMeter meter;
        meter.start();
        const double t0 = bench::nowMs();
        view->setRenameParameters(params);
        while (computed.isEmpty())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        gaps.push_back(double(meter.stop()));
        named.push_back(bench::nowMs() - t0);
        const FileRows &shown = view->fileModel().rows();
        if (shown.problems.count(RowProblem::None) != size_t(count) ||
            !shown.rows[0].newName.startsWith(u'2'))
            std::fprintf(stderr, "the desktop list did not get every date\n");
    }
    std::printf("| (25d) longest event-loop gap while the desktop program reads %d photos "
                "(every row named after %.0f ms, median of 3) | | %.0f ms | | <= 50 ms | %s |\n",
                count, bench::median(named), bench::median(gaps),
                bench::median(gaps) <= 50 ? "yes" : "NO");
    return sink == 42 ? 2 : 0;
}
