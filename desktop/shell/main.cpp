#include "desktop/shell/QuirewellApp.h"
#include "desktop/shell/StartUp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const int code = StartUp::beforeApplication(argc, argv); code >= 0)
        return code;
    QApplication application(argc, argv);
    CQuirewellApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1)))
        return app.exitCode();
    return QApplication::exec();
}
