#include "bench/BenchSupport.h"

#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace bench {

TempFolder::TempFolder()
{
    const char *tmp = std::getenv("TMPDIR");
    QByteArray pattern = QByteArray(tmp && *tmp ? tmp : "/tmp") + "/quirewell-bench-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    m_path = pattern;
}

TempFolder::~TempFolder()
{
    removeAll(m_path);
}

namespace {

int removeOne(const char *path, const struct stat *, int type, struct FTW *)
{
    return type == FTW_DP ? ::rmdir(path) : ::unlink(path);
}

bool makeFolders(const QByteArray &folder)
{
    for (qsizetype slash = folder.indexOf('/', 1); slash != -1;
         slash = folder.indexOf('/', slash + 1))
        ::mkdir(folder.left(slash).constData(), 0755);
    return ::mkdir(folder.constData(), 0755) == 0 || errno == EEXIST;
}

} // namespace

void removeAll(const QByteArray &folder)
{
    ::nftw(folder.constData(), removeOne, 32, FTW_DEPTH | FTW_PHYS);
}

bool makeMixedFiles(const QByteArray &folder, int count)
{
    if (!makeFolders(folder))
        return false;
    static const char *const shapes[] = {"IMG_%05d.jpg", "Report %05d.TXT", "notes-%05d.md",
                                         "archive%05d.tar.gz", "README%05d"};
    char name[64];
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return false;
    bool ok = true;
    for (int i = 0; i < count && ok; ++i) {
        const int hidden = i % 10 == 0;
        name[0] = '.';
        std::snprintf(name + hidden, sizeof name - 1, shapes[i % 5], i);
        const mode_t mode = i % 7 == 0 ? 0444 : 0644;
        const int fd = ::openat(dirFd, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        ok = fd >= 0 && (i % 3 != 0 || ::write(fd, name, 8) == 8);
        if (fd >= 0)
            ::close(fd);
    }
    ::close(dirFd);
    return ok;
}

bool makePlainFiles(const QByteArray &folder, int count)
{
    if (!makeFolders(folder))
        return false;
    char name[32];
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    bool ok = dirFd >= 0;
    for (int i = 0; i < count && ok; ++i) {
        std::snprintf(name, sizeof name, "file%05d.txt", i);
        const int fd = ::openat(dirFd, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        ok = fd >= 0 && ::close(fd) == 0;
    }
    if (dirFd >= 0)
        ::close(dirFd);
    return ok;
}

QByteArray shapeFolder(const QByteArray &root, Shape shape)
{
    return shape == Shape::Flat ? root + "/flat" : root + "/many";
}

bool makeTree(const QByteArray &root, Shape shape)
{
    const QByteArray top = shapeFolder(root, shape);
    if (shape == Shape::Flat)
        return makeMixedFiles(top, 100000);
    char sub[16];
    for (int d = 0; d < 100; ++d) {
        std::snprintf(sub, sizeof sub, "/d%03d", d);
        if (!makeMixedFiles(top + sub, 1000))
            return false;
    }
    return true;
}

long long statusBytes(const char *field)
{
    FILE *f = std::fopen("/proc/self/status", "r");
    char line[256];
    long long kb = -1;
    const size_t n = std::strlen(field);
    while (f && std::fgets(line, sizeof line, f))
        if (std::strncmp(line, field, n) == 0 && line[n] == ':')
            kb = std::atoll(line + n + 1);
    if (f)
        std::fclose(f);
    return kb * 1024;
}

double nowMs()
{
    timespec t;
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Medians compare(int repetitions, const std::function<void()> &baseline,
                const std::function<void()> &ours, const std::function<void()> &prepare)
{
    std::vector<double> base, mine;
    const auto timed = [&prepare](const std::function<void()> &run, std::vector<double> &into) {
        if (prepare)
            prepare();
        const double start = nowMs();
        run();
        into.push_back(nowMs() - start);
    };
    for (int r = 0; r < repetitions; ++r) {
        // Alternate which one goes first, so neither always finds the caches warmer.
        if (r % 2 == 0) {
            timed(baseline, base);
            timed(ours, mine);
        } else {
            timed(ours, mine);
            timed(baseline, base);
        }
    }
    return {median(base), median(mine)};
}

void printRow(const char *what, double baselineMs, double oursMs, double targetRatio)
{
    const double ratio = baselineMs > 0 ? oursMs / baselineMs : 0;
    std::printf("| %s | %.2f ms | %.2f ms | %.2f | <= %.2f | %s |\n", what, baselineMs, oursMs,
                ratio, targetRatio, ratio <= targetRatio ? "yes" : "NO");
    std::fflush(stdout);
}

void printInfo(const char *what, const char *baseline, const char *ours, const char *note)
{
    std::printf("| %s | %s | %s | %s | | |\n", what, baseline, ours, note);
    std::fflush(stdout);
}

void keep(unsigned long long value)
{
    static volatile unsigned long long sink;
    sink = sink + value;
}

} // namespace bench
