// (14) Start-up of the desktop program with a translation loaded, next to its start-up in
// English in the same run: whole processes, from the start until the window has listed a
// small folder and the program has ended, taking turns so that neither always meets the
// warmer caches.
//
// Child mode: "--start FOLDER LANGUAGE" starts the program once on the offscreen platform in
// the language of $LANGUAGE and exits with 0 when it loaded the translation of LANGUAGE
// ("en": none), 3 when it loaded another.

#include "bench/BenchPrompts.h"
#include "bench/BenchSupport.h"
#include "desktop/shell/MainFrame.h"
#include "desktop/shell/QuirewellApp.h"
#include "desktop/shell/Translations.h"
#include "desktop/view/QuirewellView.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QSignalSpy>
#include <QTranslator>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

extern char **environ;

namespace {

constexpr int kRuns = 41;
constexpr const char *kLanguage = "de";

int startOnce(int argc, char **argv)
{
    QApplication application(argc, argv);
    // Nothing is asked at start-up; every question would be a bug of the measurement.
    bench::Prompts prompts(Prompts::Answer::Ok);
    Prompts::install(&prompts);
    int code = 0;
    {
        CQuirewellApp app;
        if (!app.InitInstance({QFile::decodeName(argv[2])}))
            return 2;
        CQuirewellView *view = app.mainFrame()->activeView();
        QSignalSpy finished(view, &CQuirewellView::loadFinished);
        while (view->isLoading())
            finished.wait(10000);
        QApplication::processEvents();
        const QString loaded = Translations::install(application);
        const QString wanted = std::strcmp(argv[3], "en") == 0
                                   ? QString()
                                   : QStringLiteral("quirewell_%1.qm").arg(QLatin1String(argv[3]));
        code = loaded == wanted ? 0 : 3;
    }
    Prompts::install(nullptr);
    return code;
}

// Runs this program in child mode in language; the milliseconds of the whole process.
double runChild(const QByteArray &folder, const char *language)
{
    ::setenv("LANGUAGE", language, 1);
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    self[n > 0 ? n : 0] = '\0';
    std::vector<char *> args{self, const_cast<char *>("--start"), const_cast<char *>(folder.data()),
                             const_cast<char *>(language), nullptr};
    // Qt's notes about the offscreen platform would mix with the table.
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const double start = bench::nowMs();
    pid_t pid = 0;
    int status = 0;
    if (::posix_spawn(&pid, self, &actions, nullptr, args.data(), environ) == 0)
        ::waitpid(pid, &status, 0);
    const double ms = bench::nowMs() - start;
    ::posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_startup: the start in %s failed (status %d)\n", language,
                     status);
        std::exit(1);
    }
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--start") == 0)
        return startOnce(argc, argv);

    QCoreApplication application(argc, argv);
    bench::TempFolder work;
    const QByteArray folder = work.path() + "/photos";
    if (!bench::makePlainFiles(folder, 200))
        return 1;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("XDG_CONFIG_HOME", (work.path() + "/config").constData(), 1);
    ::setenv("XDG_STATE_HOME", (work.path() + "/state").constData(), 1);
    // Settings and journal of the children in the temporary folder, never the user's own.

    runChild(folder, "en"); // warms the caches for both
    const bench::Medians medians = bench::compare(
        kRuns, [&] { runChild(folder, "en"); }, [&] { runChild(folder, kLanguage); });
    // The part of it that the translation adds: loading the two files, in this process.
    std::vector<double> loads;
    for (int i = 0; i < 101; ++i) {
        QTranslator own;
        QTranslator qt;
        const double start = bench::nowMs();
        for (const QString &folder : Translations::searchFolders()) {
            if (own.load(QStringLiteral("quirewell_%1").arg(QLatin1String(kLanguage)), folder))
                break;
        }
        const bool qtLoaded = qt.load(QStringLiteral("qtbase_%1").arg(QLatin1String(kLanguage)),
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        loads.push_back(bench::nowMs() - start);
        if (own.isEmpty() || !qtLoaded) {
            std::fprintf(stderr, "bench_startup: the %s translations are missing\n", kLanguage);
            return 1;
        }
    }
    char loadText[32];
    std::snprintf(loadText, sizeof loadText, "%.3f ms", bench::median(loads));
    bench::printInfo("(14b) loading quirewell_de.qm and qtbase_de.qm (median of 101)", "", loadText,
                     "");
    bench::printRow("(14) desktop start-up with the German translation, 200 files listed "
                    "(English = 1)",
                    medians.baseline, medians.ours, 1.05);
    return 0;
}
