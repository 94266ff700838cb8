#include "cli/CliCommands.h"
#include "cli/CliJournal.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "core/engine/journal/JournalStore.h"
#include "core/engine/names/FileNames.h"
#include "core/engine/rename/RenameOperation.h"
#include "core/engine/settings/AppSettings.h"
#include "core/engine/settings/PresetStore.h"
#include "core/engine/settings/SettingsFileCheck.h"

#include <QCoreApplication>
#include <QStringList>

#include <cerrno>
#include <cstdio>

namespace {

constexpr int kBadUsage = 2;

void writeOut(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int run(const CliOptions &options)
{
    switch (options.command) {
    case CliOptions::Command::List:
        return runList(options);
    case CliOptions::Command::Preview:
        return runPreview(options);
    case CliOptions::Command::Rename:
        return runRename(options);
    case CliOptions::Command::History:
        return runHistory(options);
    case CliOptions::Command::Undo:
        return runUndo(options);
    case CliOptions::Command::Keep:
        return runKeep(options);
    case CliOptions::Command::Presets:
        return runPresets(options);
    case CliOptions::Command::Apply:
        return runApply(options);
    case CliOptions::Command::Edit:
        return runEdit(options);
    case CliOptions::Command::None:
        break;
    }
    return kBadUsage;
}

// A command whose output could not all be written fails, whatever it did besides.
int checkedOutput(int status)
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        noteOutputError(errno ? errno : EIO);
    if (outputError() == 0)
        return status;
    printMessage(QStringLiteral("quirewell-cli: could not write the output: ") +
                 systemErrorText(outputError()));
    return status == 0 ? 1 : status;
}

} // namespace

int main(int argc, char **argv)
{
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    QCoreApplication app(argc, argv);
    QStringList arguments;
    // Decoded as file names are, so that a folder or a text to find keeps its exact bytes.
    for (int i = 1; i < argc; ++i)
        arguments << decodeFileName(argv[i]);

    CliOptions options;
    const QString error = parseArguments(arguments, options);
    if (!error.isEmpty()) {
        printMessage(QStringLiteral("quirewell-cli: ") + error);
        printMessage(QStringLiteral("Try \"quirewell-cli --help\"."));
        return kBadUsage;
    }
    if (options.help) {
        writeOut(usageText(JournalStore::folderPath(), PresetStore::defaultFolder()));
        return checkedOutput(0);
    }
    if (options.version) {
        writeOut(QStringLiteral("quirewell-cli " QUIREWELL_VERSION "\n"));
        return checkedOutput(0);
    }

    if (!options.configFile.isEmpty()) {
        // Checked before the signals are caught, so nothing here can outlive SIGINT or SIGTERM.
        const QString problem = SettingsFileCheck::problemWith(options.configFile);
        if (!problem.isEmpty()) {
            printMessage(QStringLiteral("quirewell-cli: cannot use the settings file %1: %2")
                             .arg(options.configFile, problem));
            return kBadUsage;
        }
        CAppSettings::useStoreFile(options.configFile);
    }
    if (!options.presetName.isNull()) {
        // Read before anything is listed, so an unusable preset renames nothing.
        const PresetStore::Result<RenameParameters> preset = PresetStore().load(options.presetName);
        if (!preset) {
            printMessage(QStringLiteral("quirewell-cli: ") + preset.error);
            return kBadUsage;
        }
        options.preset = preset.value;
    }
    // Checked before anything is listed, so an unusable expression renames nothing.
    if (options.command == CliOptions::Command::Preview ||
        options.command == CliOptions::Command::Rename ||
        options.command == CliOptions::Command::Edit) {
        const QString problem = parametersProblem(options);
        if (!problem.isEmpty()) {
            printMessage(QStringLiteral("quirewell-cli: ") + problem);
            return kBadUsage;
        }
    }
    if (options.command != CliOptions::Command::Undo &&
        options.command != CliOptions::Command::Keep)
        printInterruptedNotice();
    return checkedOutput(run(options));
}
