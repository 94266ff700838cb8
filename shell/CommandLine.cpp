#include "shell/CommandLine.h"

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--version")) {
            line.version = true;
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
                          "       quirewell --version\n");
}
