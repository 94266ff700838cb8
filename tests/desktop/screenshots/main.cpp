// The desktop program with a scene set up and the screen saved, for scripts/screenshots.sh.
#include "desktop/shell/MainFrame.h"
#include "desktop/shell/QuirewellApp.h"
#include "desktop/shell/StartUp.h"
#include "Screenshot.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (const int code = StartUp::beforeApplication(argc, argv); code >= 0)
        return code;
    QApplication application(argc, argv);
    const ScreenshotOptions options = ScreenshotOptions::parse(QApplication::arguments().mid(1));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "quirewell-screenshots: %s\n%s", qPrintable(options.error),
                     qPrintable(ScreenshotOptions::usage()));
        return 2;
    }
    CQuirewellApp app;
    if (!app.InitInstance(options.folder.isEmpty() ? QStringList() : QStringList{options.folder}))
        return app.exitCode();
    CMainFrame &frame = *app.mainFrame();
    if (options.look != 0)
        frame.dispatch(options.look);
    Screenshot::takeWhenListed(frame, frame.activeChildFrame(), options);
    return QApplication::exec();
}
