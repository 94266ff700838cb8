#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "engine/AppSettings.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kBadUsage = 2;

void writeOut(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

} // namespace

int main(int argc, char **argv)
{
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    QCoreApplication app(argc, argv);
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        arguments << QString::fromLocal8Bit(bytes);
        // Bytes that are not UTF-8 decode to another name, which may be another folder that
        // exists: refuse them rather than list or rename the wrong files.
        if (arguments.last().toLocal8Bit() != bytes) {
            printMessage(QStringLiteral("quirewell-cli: argument %1 is not valid UTF-8: %2")
                             .arg(i)
                             .arg(arguments.last()));
            return kBadUsage;
        }
    }

    CliOptions options;
    const QString error = parseArguments(arguments, options);
    if (!error.isEmpty()) {
        printMessage(QStringLiteral("quirewell-cli: ") + error);
        printMessage(QStringLiteral("Try \"quirewell-cli --help\"."));
        return kBadUsage;
    }
    if (options.help) {
        writeOut(usageText());
        return 0;
    }
    if (options.version) {
        writeOut(QStringLiteral("quirewell-cli " QUIREWELL_VERSION "\n"));
        return 0;
    }

    if (!options.configFile.isEmpty())
        CAppSettings::useStoreFile(options.configFile);
    switch (options.command) {
    case CliOptions::Command::List:
        return runList(options);
    case CliOptions::Command::Preview:
        return runPreview(options);
    case CliOptions::Command::Rename:
        return runRename(options);
    case CliOptions::Command::None:
        break;
    }
    return kBadUsage;
}
