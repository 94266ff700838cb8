#include "shell/CommandLine.h"

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--version")) {
            line.version = true;
        } else if (argument == QLatin1String("--screenshot") && hasValue) {
            line.screenshotFile = arguments[++i];
        } else if (argument == QLatin1String("--scene") && hasValue) {
            line.scene = arguments[++i];
        } else if (argument == QLatin1String("--folder") && hasValue) {
            line.openPath = arguments[++i];
        } else if (argument == QLatin1String("--look") && hasValue) {
            bool ok = false;
            line.look = arguments[++i].toInt(&ok);
            if (!ok)
                line.error = QStringLiteral("--look needs a number");
        } else if (argument.startsWith(QLatin1String("--")) || !line.openPath.isEmpty()) {
            line.error = QStringLiteral("unexpected argument: ") + argument;
        } else {
            line.openPath = argument;
        }
    }
    return line;
}

QString CommandLine::usage()
{
    return QStringLiteral("Usage: quirewell [FILE.kvx | FOLDER]\n"
                          "       quirewell --screenshot FILE.png [--look N] [--folder FOLDER]\n"
                          "                 [--scene context-menu|single-rename|about|parameters]\n"
                          "       quirewell --version\n");
}
