#include "desktop/shell/QuirewellApp.h"
#include "desktop/shell/StartUp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const int code = StartUp::beforeApplication(argc, argv); code >= 0)
        return code;
    QApplication application(argc, argv);
    CQuirewellApp app;
    // QApplication has taken its own options (-platform, -display, ...) out of argv.
    if (!app.InitInstance(StartUp::arguments(argc, argv)))
        return app.exitCode();
    return QApplication::exec();
}
