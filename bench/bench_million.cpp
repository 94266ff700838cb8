// (6)-(10) The desktop program and quirewell-cli at a million files: the load through the real
// view, its memory per row, the live preview, quirewell-cli list, and the desktop batch of
// 100,000 files, each next to a plain C program of the same run; and the longest time the
// window's event loop did not turn during each of them.
//
// QUIREWELL_BENCH_ROWS sets the number of files (default 1,000,000: 1,000 folders of 1,000 and
// one folder of all of them). The trees are made in /dev/shm when it exists.
//
// QUIREWELL_BENCH_PARTS runs only some parts: a comma-separated list of "many", "one" (the
// shapes), "load", "preview", "regex" (the live preview with a regular expression), "memory", "cli"
// (within each shape) and "batch"; empty runs all.
//
// Child mode: "--memory FOLDER RECURSE" (the desktop program's bytes per row). The C list is
// the program c_list beside this one.

#include "bench/BenchDesktop.h"
#include "bench/BenchSupport.h"
#include "bench/CBaselines.h"
#include "desktop/view/QuirewellView.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>

#include <fcntl.h>
#include <sched.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

extern char **environ;

namespace {

using bench::Desktop;
using bench::GapMeter;

int measureMemory(int argc, char **argv)
{
    QApplication app(argc, argv);
    bench::TempFolder settings;
    Desktop desktop(settings.path() + "/settings.ini", std::strcmp(argv[3], "1") == 0);
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    const long long empty = bench::statusBytes("VmRSS");
    desktop.load(argv[2]);
    desktop.view()->viewport()->repaint();
    const long long peak = bench::statusBytes("VmHWM");
    const int rows = desktop.view()->fileModel().rowCount();
    std::printf("%lld %d\n", (peak - empty) / (rows ? rows : 1), rows);
    return 0;
}

// Runs a program with its standard output and error sent to /dev/null; the milliseconds.
double runSilently(const std::vector<const char *> &command)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char *> args;
    for (const char *a : command)
        args.push_back(const_cast<char *>(a));
    args.push_back(nullptr);
    const double start = bench::nowMs();
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) == 0)
        ::waitpid(pid, &status, 0);
    const double ms = bench::nowMs() - start;
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "%s failed\n", args[0]);
    return ms;
}

QByteArray selfPath()
{
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    return n > 0 ? QByteArray(self, n) : QByteArray();
}

QByteArray readAll(const QByteArray &path)
{
    QFile f(QFile::decodeName(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The 99th percentile by nearest rank.
double percentile99(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t rank = size_t(std::ceil(0.99 * double(values.size())));
    return values.empty() ? 0 : values[std::max<size_t>(rank, 1) - 1];
}

bool makeMillionTree(const QByteArray &root, bool many, int files)
{
    if (!many)
        return bench::makeMixedFiles(root, files);
    char sub[16];
    for (int d = 0; d < files / 1000; ++d) {
        std::snprintf(sub, sizeof sub, "/d%03d", d);
        if (!bench::makeMixedFiles(root + sub, 1000))
            return false;
    }
    return true;
}

// Whether QUIREWELL_BENCH_PARTS asks for this part (it asks for all when empty).
bool wanted(const char *part)
{
    const QByteArray parts = qgetenv("QUIREWELL_BENCH_PARTS");
    return parts.isEmpty() || parts.split(',').contains(QByteArray(part));
}

struct Config
{
    int files;
    int repetitions;
    QByteArray exe, cli, cList;
    char label[64];
};

void printGap(const char *what, const Config &c, qint64 gapMs)
{
    char row[256];
    std::snprintf(row, sizeof row, "(10) longest event-loop gap, %s, %s", what, c.label);
    char ours[32];
    std::snprintf(ours, sizeof ours, "%lld ms", static_cast<long long>(gapMs));
    std::printf("| %s | | %s | | <= 50 ms | %s |\n", row, ours, gapMs <= 50 ? "yes" : "NO");
    std::fflush(stdout);
}

void benchShape(const Config &c, const bench::TempFolder &temp, bool many)
{
    const QByteArray folder = temp.path() + (many ? "/many" : "/flat");
    const char *recurse = many ? "1" : "0";
    if (!makeMillionTree(folder, many, c.files)) {
        // Say why (a RAM-backed folder may run out of inodes) and leave nothing behind.
        std::fprintf(stderr, "could not make the tree: %s\n", std::strerror(errno));
        bench::removeAll(folder);
        std::exit(2);
    }
    char shape[48];
    std::snprintf(shape, sizeof shape, many ? "%d folders of 1,000" : "one folder", c.files / 1000);
    char what[256];

    // Load through the real view, and the event loop meanwhile. The live preview needs the
    // loaded list, so it runs inside.
    if (wanted("load") || wanted("preview") || wanted("regex")) {
        Desktop desktop(temp.path() + "/settings.ini", many);
        GapMeter gaps;
        qint64 longestGap = 0;
        std::vector<double> base, ours;
        long walked = 0;
        // The gap meter keeps the event loop turning all the time, which takes a core from
        // the walk: the times come from loads without it, the gap from one more load.
        for (int r = 0; r < (wanted("load") ? c.repetitions : 0); ++r) {
            cbase::WalkResult w;
            double start = bench::nowMs();
            cbase::walk(folder.constData(), &w);
            base.push_back(bench::nowMs() - start);
            walked = w.files;
            cbase::freeWalk(&w);
            ours.push_back(desktop.load(folder));
        }
        gaps.start();
        const double gapLoadStart = bench::nowMs();
        desktop.load(folder);
        longestGap = gaps.stop();
        // The floor the machine sets: the same event loop, as long, beside the C walk on a
        // thread of its own (one busy core, as the load's worker) and nothing else.
        const double gapLoadMs = bench::nowMs() - gapLoadStart;
        const double floorUntil = bench::nowMs() + gapLoadMs;
        gaps.start();
        std::thread walker([&folder, floorUntil] {
            while (bench::nowMs() < floorUntil) {
                cbase::WalkResult w;
                cbase::walk(folder.constData(), &w);
                cbase::freeWalk(&w);
            }
        });
        while (bench::nowMs() < floorUntil)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        const qint64 floorGap = gaps.stop();
        walker.join();
        const int listed = desktop.view()->fileModel().rowCount();
        if ((wanted("load") && walked != c.files) || listed != c.files)
            std::fprintf(stderr, "walked %ld, listed %d of %d\n", walked, listed, c.files);
        std::snprintf(what, sizeof what, "(6) desktop load of %s files, %s (C walk = 1)", c.label,
                      shape);
        if (wanted("load")) {
            bench::printRow(what, bench::median(base), bench::median(ours), 1.3);
            printGap("load", c, longestGap);
            std::printf("| (10) longest event-loop gap beside the C walk on a thread, %s (the "
                        "machine's floor) | | %lld ms | | | |\n",
                        c.label, static_cast<long long>(floorGap));
        }

        // Live preview: a changed parameter until the column is recomputed and repainted.
        // Once with plain find and replace, once with a regular expression and a group.
        for (const bool regex : {false, true}) {
            if (!wanted(regex ? "regex" : "preview"))
                continue;
            std::vector<double> preview;
            longestGap = 0;
            CQuirewellView *view = desktop.view();
            QSignalSpy computed(&view->controller(), &ListController::newNamesComputed);
            // A large list computes the rows on screen first and tells the view so; the rest
            // follows in slices, until newNamesComputed.
            QSignalSpy shown(&view->fileModel(), &QAbstractItemModel::dataChanged);
            for (int k = 0; k < 55; ++k) {
                // The last five changes measure the gap, the first fifty the time.
                const bool measureGap = k >= 50;
                RenameParameters p;
                p.checkFindAndReplace = true;
                p.findRegularExpression = regex;
                p.findText = regex ? QStringLiteral("IMG_(\\d+)") : QStringLiteral("IMG_");
                p.replaceText = regex ? QStringLiteral("Holiday %1 $1").arg(k)
                                      : QStringLiteral("Holiday %1 ").arg(k);
                p.checkNumberAtEnd = k % 2 == 1;
                const double start = bench::nowMs();
                if (measureGap)
                    gaps.start();
                const qsizetype before = computed.size();
                shown.clear();
                view->setRenameParameters(p);
                // The time: until the cells on screen are new and painted. The gap: over the
                // whole recompute, every slice included.
                if (measureGap) {
                    while (computed.size() == before)
                        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
                } else {
                    // Slices still running from the change before never cover the rows on
                    // screen: those were done first.
                    const int top = std::max(view->rowAt(0), 0);
                    const auto coversTop = [&shown, top] {
                        for (const QList<QVariant> &args : shown) {
                            const auto from = args[0].value<QModelIndex>();
                            const auto to = args[1].value<QModelIndex>();
                            if (from.row() <= top && top <= to.row())
                                return true;
                        }
                        return false;
                    };
                    while (!coversTop())
                        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
                }
                view->viewport()->repaint();
                if (measureGap)
                    longestGap = std::max(longestGap, gaps.stop());
                else
                    preview.push_back(bench::nowMs() - start);
            }
            char ours99[32];
            std::snprintf(ours99, sizeof ours99, "%.2f ms", percentile99(preview));
            std::snprintf(what, sizeof what,
                          "(7) live preview of %s rows, %s%s: 99th percentile of 50 changes "
                          "(median %.2f ms)",
                          c.label, shape, regex ? ", regular expression" : "",
                          bench::median(preview));
            std::printf("| %s | | %s | | <= 100 ms | %s |\n", what, ours99,
                        percentile99(preview) <= 100 ? "yes" : "NO");
            printGap(regex ? "recompute, regular expression" : "recompute", c, longestGap);
        }
    }

    // Memory, each measurement in a fresh process.
    if (wanted("memory")) {
        std::vector<double> perRow;
        for (int r = 0; r < 3; ++r) {
            const QByteArray command = "'" + c.exe + "' --memory '" + folder + "' " + recurse;
            FILE *child = ::popen(command.constData(), "r");
            long long bytes = -1;
            long rows = 0;
            if (child && std::fscanf(child, "%lld %ld", &bytes, &rows) == 2 && rows == c.files)
                perRow.push_back(double(bytes));
            else
                std::fprintf(stderr, "memory child failed (%ld rows)\n", rows);
            if (child)
                ::pclose(child);
        }
        const double median = bench::median(perRow);
        std::printf("| (8) desktop peak memory of %s rows, %s (bytes per row above the empty "
                    "program) | | %.0f B | | <= 250 B | %s |\n",
                    c.label, shape, median, median <= 250 ? "yes" : "NO");
        std::fflush(stdout);
    }

    // quirewell-cli list, whole processes, against the C program printing the same texts.
    if (wanted("cli")) {
        const QByteArray config = temp.path() + "/cli.conf";
        QFile(QFile::decodeName(config)).open(QIODevice::WriteOnly);
        std::vector<const char *> cli = {
            c.cli.constData(),  "list",     folder.constData(), "--config",
            config.constData(), "--hidden", "--read-only"};
        if (many)
            cli.push_back("--recursive");
        const std::vector<const char *> cList = {c.cList.constData(), folder.constData(), recurse};
        // Once, into files: the two must print the same bytes, or the comparison is unfair.
        const QByteArray oursOut = temp.path() + "/ours.txt", cOut = temp.path() + "/c.txt";
        const QByteArray compareCommand =
            "'" + c.cli + "' list '" + folder + "' --config '" + config + "' --hidden --read-only" +
            (many ? " --recursive" : "") + " >'" + oursOut + "' 2>/dev/null && '" + c.cList +
            "' '" + folder + "' " + recurse + " >'" + cOut + "'";
        if (std::system(compareCommand.constData()) != 0 || readAll(oursOut) != readAll(cOut))
            std::fprintf(stderr, "quirewell-cli list and the C list printed different texts\n");
        QFile::remove(QFile::decodeName(oursOut));
        QFile::remove(QFile::decodeName(cOut));
        std::vector<double> base, ours;
        for (int r = 0; r < c.repetitions; ++r) {
            base.push_back(runSilently(cList));
            ours.push_back(runSilently(cli));
        }
        std::snprintf(what, sizeof what,
                      "(9) quirewell-cli list of %s files, %s, whole process (C list of the "
                      "same six columns = 1)",
                      c.label, shape);
        bench::printRow(what, bench::median(base), bench::median(ours), 1.3);
    }
    bench::removeAll(folder);
}

// The processor time of every thread of this process so far, user and system.
double cpuMs()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Keeps this thread, and the threads it starts, on one processor while it lives: the one of
// the given turn, among those the process may use. The processors of a virtual machine can
// differ in speed for seconds at a time (the same C rename loop, pinned to each in turn, took
// 410 ms on one and 635 ms on the other), so two loops compared run on the same one.
class OnOneProcessor
{
public:
    explicit OnOneProcessor(int turn)
    {
        if (::sched_getaffinity(0, sizeof m_allowed, &m_allowed) != 0)
            return;
        const int count = CPU_COUNT(&m_allowed);
        for (int cpu = 0, seen = 0; cpu < CPU_SETSIZE && count > 0; ++cpu) {
            if (CPU_ISSET(cpu, &m_allowed) && seen++ == turn % count) {
                cpu_set_t one;
                CPU_ZERO(&one);
                CPU_SET(cpu, &one);
                m_pinned = ::sched_setaffinity(0, sizeof one, &one) == 0;
                break;
            }
        }
    }
    ~OnOneProcessor()
    {
        if (m_pinned)
            ::sched_setaffinity(0, sizeof m_allowed, &m_allowed);
    }
    OnOneProcessor(const OnOneProcessor &) = delete;
    OnOneProcessor &operator=(const OnOneProcessor &) = delete;

private:
    cpu_set_t m_allowed{};
    bool m_pinned = false;
};

// The desktop batch of files renamed through the view, against the C renameat2 loop over a
// folder of the same files beside it. The two are timed one right after the other, on the
// same processor, in turn first and second: the batch's worker thread is started from this
// thread and keeps to its processor, and the interface thread shares it, though it only wakes
// to show the progress.
void benchBatch(const Config &c, const bench::TempFolder &temp)
{
    const int files = std::min(c.files, 100000);
    const QByteArray folder = temp.path() + "/batch";
    const QByteArray cFolder = temp.path() + "/batch-c";
    Desktop desktop(temp.path() + "/settings.ini", false);
    CQuirewellView *view = desktop.view();
    std::vector<double> base, ours, baseCpu, oursCpu;
    qint64 longestGap = 0, reloadGap = 0;
    GapMeter gaps;
    int failures = 0;
    // C: the same names, in name order.
    std::vector<QByteArray> from, to;
    for (int i = 0; i < files; ++i) {
        from.push_back(QByteArray("file") + QByteArray::number(i).rightJustified(5, '0') + ".txt");
        to.push_back(QByteArray("photo") + QByteArray::number(i).rightJustified(5, '0') + ".txt");
    }
    std::vector<const char *> fromC, toC;
    for (int i = 0; i < files; ++i) {
        fromC.push_back(from[size_t(i)].constData());
        toC.push_back(to[size_t(i)].constData());
    }
    const auto timeC = [&] {
        const int fd = ::open(cFolder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const double start = bench::nowMs();
        const double startCpu = cpuMs();
        failures += cbase::renameLoop(fd, fromC.data(), toC.data(), fromC.size());
        base.push_back(bench::nowMs() - start);
        baseCpu.push_back(cpuMs() - startCpu);
        ::close(fd);
    };
    const auto timeOurs = [&] {
        const double start = bench::nowMs();
        const double startCpu = cpuMs();
        view->controller().OnStartRenaming();
        ours.push_back(bench::nowMs() - start);
        oursCpu.push_back(cpuMs() - startCpu);
    };
    // A repetition takes a few seconds, and a few more of them steady the medians of a short
    // batch on a machine whose processors change speed.
    const int repetitions = std::max(c.repetitions, 7);
    // The gap meter keeps the event loop turning all the time, which takes a core from the
    // renames on their worker: the times come from batches without it, the gap from one more.
    for (int r = 0; r <= repetitions; ++r) {
        const bool gapRun = r == repetitions;
        bench::removeAll(cFolder);
        bench::removeAll(folder);
        if (!gapRun)
            bench::makePlainFiles(cFolder, files);
        bench::makePlainFiles(folder, files);
        QSignalSpy loadLookedUp(&view->controller(), &ListController::undoLookedUp);
        desktop.load(folder);
        // Every load has the journal read on a worker for the undo command; the batch is
        // timed once that is done.
        while (loadLookedUp.isEmpty() && loadLookedUp.wait(60000)) {
        }
        RenameParameters p;
        p.checkFindAndReplace = true;
        p.findText = QStringLiteral("file");
        p.replaceText = QStringLiteral("photo");
        view->controller().computeNewNames(p);
        // A large list gets its names in slices; the batch starts once they are all shown,
        // as the C loop starts with its names made.
        view->controller().finishNewNames();
        if (gapRun) {
            gaps.start();
            view->controller().OnStartRenaming();
            longestGap = gaps.stop();
            gaps.start();
        } else {
            const OnOneProcessor pinned(r);
            if (r / 2 % 2 == 0) {
                timeC();
                timeOurs();
            } else {
                timeOurs();
                timeC();
            }
        }
        if (QFile::exists(QFile::decodeName(folder + "/file00000.txt")))
            ++failures;
        // The reload the batch posted: the list of renamed files, and the journal looked at
        // for the undo command.
        QSignalSpy finished(view, &CQuirewellView::loadFinished);
        QSignalSpy lookedUp(&view->controller(), &ListController::undoLookedUp);
        finished.wait(2000);
        while (view->isLoading())
            finished.wait(60000);
        if (gapRun)
            reloadGap = gaps.stop();
        while (lookedUp.isEmpty() && lookedUp.wait(60000)) {
        }
    }
    if (failures)
        std::fprintf(stderr, "batch: %d failures\n", failures);
    char what[160];
    std::snprintf(what, sizeof what,
                  "(10) desktop batch rename of %d files with its journal (C renameat2 loop = 1)",
                  files);
    bench::printRow(what, bench::median(base), bench::median(ours), 1.1);
    // Processor time depends less on what else the machine runs than the time does.
    std::snprintf(what, sizeof what,
                  "(10) the same, processor time of all threads (C renameat2 loop = 1)");
    bench::printRow(what, bench::median(baseCpu), bench::median(oursCpu), 1.1);
    char label[64];
    std::snprintf(label, sizeof label, "%d files", files);
    Config batchLabel = c;
    std::snprintf(batchLabel.label, sizeof batchLabel.label, "%s", label);
    printGap("batch", batchLabel, longestGap);
    printGap("the batch's reload", batchLabel, reloadGap);
    bench::removeAll(folder);
    bench::removeAll(cFolder);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    if (qgetenv("TMPDIR").isEmpty() && ::access("/dev/shm", W_OK) == 0)
        qputenv("TMPDIR", "/dev/shm");
    if (argc == 4 && std::strcmp(argv[1], "--memory") == 0)
        return measureMemory(argc, argv);

    QApplication app(argc, argv);
    Config c;
    const QByteArray rows = qgetenv("QUIREWELL_BENCH_ROWS");
    c.files = rows.isEmpty() ? 1000000 : std::max(1000, rows.toInt() / 1000 * 1000);
    c.repetitions = argc > 1 ? std::atoi(argv[1]) : 5;
    c.exe = selfPath();
    c.cli = c.exe.left(c.exe.lastIndexOf("/bench/")) + "/cli/quirewell-cli";
    c.cList = c.exe.left(c.exe.lastIndexOf('/')) + "/c_list";
    QByteArray label = QByteArray::number(c.files);
    for (qsizetype at = label.size() - 3; at > 0; at -= 3)
        label.insert(at, ',');
    std::snprintf(c.label, sizeof c.label, "%s", label.constData());

    bench::TempFolder temp;
    // A journal of its own, empty: each load also looks in the journal for a batch to undo, so
    // a user's journal would add its own cost to the loads.
    qputenv("XDG_STATE_HOME", temp.path() + "/state");
    if (wanted("many"))
        benchShape(c, temp, true);
    if (wanted("one"))
        benchShape(c, temp, false);
    if (wanted("batch"))
        benchBatch(c, temp);
    return 0;
}
