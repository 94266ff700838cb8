#include "desktop/shell/StartUp.h"

#include "desktop/shell/CommandLine.h"

#include "core/engine/names/FileNames.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

} // namespace

namespace StartUp {

int beforeApplication(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n", QUIREWELL_VERSION);
            return 0;
        }
        if (CommandLine::isHelpOption(QString::fromLocal8Bit(argv[i]))) {
            std::fputs(qPrintable(CommandLine::usage()), stdout);
            return 0;
        }
    }
    // A chosen platform (offscreen, xcb with a display given by -display) is left to Qt.
    bool platformChosen = isSet("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "-display") == 0)
            platformChosen = true;
    }
    if (!platformChosen && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
        std::fprintf(stderr,
                     "quirewell: no display found (neither DISPLAY nor WAYLAND_DISPLAY is "
                     "set).\nThe desktop program needs one: run it inside a desktop session or "
                     "under xvfb-run,\nor use quirewell-cli, the command-line front end "
                     "(quirewell-cli --help).\n");
        return 1;
    }
    return -1;
}

QStringList arguments(int argc, char *argv[])
{
    // Qt's own list replaces what is not UTF-8, and the replaced path could name a look-alike
    // folder; decoded as file names, every byte is kept.
    QStringList decoded;
    for (int i = 1; i < argc; ++i)
        decoded << decodeFileName(QByteArrayView(argv[i]));
    return decoded;
}

} // namespace StartUp
