#include "cli/CliOptions.h"

#include "core/engine/names/NewNameRule.h"

namespace {

enum class Kind
{
    Flag,
    Text,
    Number
};

struct OptionSpec
{
    const char *name;
    Kind kind;
};

constexpr OptionSpec kOptions[] = {
    {"--config", Kind::Text},    {"--find", Kind::Text},           {"--replace", Kind::Text},
    {"--new-name", Kind::Text},  {"--number-start", Kind::Number}, {"--number-end", Kind::Number},
    {"--remove", Kind::Number},  {"--upper", Kind::Flag},          {"--lower", Kind::Flag},
    {"--recursive", Kind::Flag}, {"--hidden", Kind::Flag},         {"--read-only", Kind::Flag},
    {"--yes", Kind::Flag},       {"--help", Kind::Flag},           {"--version", Kind::Flag},
    {"--reorder", Kind::Flag},   {"--no-reorder", Kind::Flag},
};

const QLatin1String kCommands("list, preview, rename, history, undo or keep");

const OptionSpec *findOption(const QString &name)
{
    for (const OptionSpec &option : kOptions)
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

// Stores one option; value is the option's argument (empty for a flag). Returns an error text.
QString store(const QString &name, const QString &value, CliOptions &o)
{
    int number = 0;
    if (findOption(name)->kind == Kind::Number) {
        bool ok = false;
        number = value.trimmed().toInt(&ok); // 32-bit: larger values are refused
        if (!ok || value.trimmed() != value)
            return QStringLiteral(
                       "%1 needs a whole number from -2147483648 to 2147483647, not \"%2\"")
                .arg(name, value);
    }
    if (name == QLatin1String("--config"))
        o.configFile = value;
    else if (name == QLatin1String("--find"))
        o.findText = value;
    else if (name == QLatin1String("--replace"))
        o.replaceText = value;
    else if (name == QLatin1String("--new-name"))
        o.newFileName = value;
    else if (name == QLatin1String("--number-start"))
        o.numberAtStart = number;
    else if (name == QLatin1String("--number-end"))
        o.numberAtEnd = number;
    else if (name == QLatin1String("--remove"))
        o.removeLength = number;
    else if (name == QLatin1String("--upper"))
        o.upperCase = true;
    else if (name == QLatin1String("--lower"))
        o.lowerCase = true;
    else if (name == QLatin1String("--recursive"))
        o.recursive = true;
    else if (name == QLatin1String("--hidden"))
        o.displayHidden = true;
    else if (name == QLatin1String("--read-only"))
        o.displayReadOnly = true;
    else if (name == QLatin1String("--yes"))
        o.yes = true;
    else if (name == QLatin1String("--reorder"))
        o.reorder = true;
    else if (name == QLatin1String("--no-reorder"))
        o.noReorder = true;
    else if (name == QLatin1String("--help"))
        o.help = true;
    else if (name == QLatin1String("--version"))
        o.version = true;
    return {};
}

QString storePositional(const QString &argument, CliOptions &o)
{
    if (o.command == CliOptions::Command::None) {
        if (argument == QLatin1String("list"))
            o.command = CliOptions::Command::List;
        else if (argument == QLatin1String("preview"))
            o.command = CliOptions::Command::Preview;
        else if (argument == QLatin1String("rename"))
            o.command = CliOptions::Command::Rename;
        else if (argument == QLatin1String("history"))
            o.command = CliOptions::Command::History;
        else if (argument == QLatin1String("undo"))
            o.command = CliOptions::Command::Undo;
        else if (argument == QLatin1String("keep"))
            o.command = CliOptions::Command::Keep;
        else
            return QStringLiteral("unknown command \"%1\" (%2)").arg(argument, kCommands);
        return {};
    }
    if (o.command == CliOptions::Command::History)
        return QStringLiteral("unexpected argument \"%1\"").arg(argument);
    if (o.command == CliOptions::Command::Undo || o.command == CliOptions::Command::Keep) {
        if (!o.journalId.isNull())
            return QStringLiteral("unexpected argument \"%1\"").arg(argument);
        o.journalId = argument;
        return {};
    }
    if (!o.folder.isNull())
        return QStringLiteral("unexpected argument \"%1\"").arg(argument);
    o.folder = argument;
    return {};
}

} // namespace

void CliOptions::applyTo(RenameParameters &p) const
{
    if (findText || replaceText) {
        p.checkFindAndReplace = true;
        if (findText)
            p.findText = *findText;
        if (replaceText)
            p.replaceText = *replaceText;
    }
    if (newFileName) {
        p.checkNewFileName = true;
        p.newFileName = *newFileName;
    }
    if (numberAtStart) {
        p.checkNumberAtStart = true;
        p.numberAtStart = *numberAtStart;
    }
    if (numberAtEnd) {
        p.checkNumberAtEnd = true;
        p.numberAtEnd = *numberAtEnd;
    }
    if (removeLength) {
        p.checkRemoveInitialCharacters = true;
        p.removeInitialCharactersLength = *removeLength;
    }
    // The two cases exclude each other, as in the parameters dialog.
    if (upperCase) {
        p.checkUpperCase = true;
        p.checkLowerCase = false;
    }
    if (lowerCase) {
        p.checkLowerCase = true;
        p.checkUpperCase = false;
    }
}

QString parseArguments(const QStringList &arguments, CliOptions &o)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) ||
            argument == QLatin1String("-")) {
            if (const QString error = storePositional(argument, o); !error.isEmpty())
                return error;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        // "--name=value" or "--name value".
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        const OptionSpec *known = findOption(name);
        if (!known)
            return QStringLiteral("unknown option \"%1\"").arg(name);
        QString value;
        if (known->kind == Kind::Flag) {
            if (equals >= 0)
                return QStringLiteral("%1 takes no value").arg(name);
        } else if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return QStringLiteral("%1 needs a value").arg(name);
        }
        if (const QString error = store(name, value, o); !error.isEmpty())
            return error;
    }
    if (o.help || o.version)
        return {};
    if (o.upperCase && o.lowerCase)
        return QStringLiteral("--upper and --lower cannot be used together");
    if (o.reorder && o.noReorder)
        return QStringLiteral("--reorder and --no-reorder cannot be used together");
    if (o.command == CliOptions::Command::None)
        return QStringLiteral("no command given (%1)").arg(kCommands);
    if (o.folder.isEmpty() && o.command != CliOptions::Command::History &&
        o.command != CliOptions::Command::Undo && o.command != CliOptions::Command::Keep)
        return QStringLiteral("no folder given");
    return {};
}

QString usageText(const QString &journalFolder)
{
    return QStringLiteral(
               "Usage: quirewell-cli COMMAND FOLDER [options]\n"
               "       quirewell-cli history | undo [ID] [--yes] | keep [ID]\n"
               "\n"
               "Commands:\n"
               "  list FOLDER       list the files, one row per line, six tab-separated columns:\n"
               "                    Sr, Loaded File Name, New File Name, Last Write Time, Size, "
               "Location\n"
               "  preview FOLDER    the same, with the new names computed from the rename "
               "parameters\n"
               "  rename FOLDER     compute the new names, confirm, and rename every listed file\n"
               "  history           the journaled batches, newest first, one per line: id, time,\n"
               "                    folder, renamed, failed, state\n"
               "  undo [ID]         confirm, then rename the files of batch ID (default: the "
               "newest\n"
               "                    batch not yet undone) back to their old names\n"
               "  keep [ID]         end an interrupted batch and keep its renames\n"
               "\n"
               "Options (for this run only; nothing is stored):\n"
               "  --config FILE        read the settings from FILE instead of the user's settings\n"
               "  --find TEXT          find and replace: the text to find\n"
               "  --replace TEXT       find and replace: the text put in its place\n"
               "  --new-name TEXT      replace the title by TEXT\n"
               "  --number-start N     put a running number, from N, before each name\n"
               "  --number-end N       put a running number, from N, at the end of each title\n"
               "  --remove N           remove the first N characters of each title\n"
               "  --upper, --lower     whole new name in upper or lower case\n"
               "  --recursive          also list the files of every sub-folder\n"
               "  --hidden             also list hidden files\n"
               "  --read-only          also list read-only files\n"
               "  --yes                rename (or undo) without asking\n"
               "  --reorder            rename chains and swaps of names through temporary names\n"
               "                       (a file may take a name another listed file is leaving)\n"
               "  --no-reorder         rename in list order, whatever the settings say\n"
               "  --help, --version\n"
               "\n"
               "In printed fields and in messages a tab is written \\t, a line feed \\n, a "
               "carriage\n"
               "return \\r, a backslash \\\\, a NUL character \\0 and each byte of a name that is "
               "not\n"
               "UTF-8 \\xHH (two lower-case hex digits), so each row and each message is one "
               "line.\n"
               "Arguments keep their bytes: a FOLDER or TEXT that is not UTF-8 is used exactly.\n"
               "Summaries and messages go to standard error.\n"
               "\n"
               "Every batch, single-file rename and undo is written to a journal before its first\n"
               "rename, in %1\n"
               "(the newest 100 are kept). If a batch was cut off (the program killed, a power "
               "cut),\n"
               "each command says so on standard error: the journal tells which files were "
               "renamed\n"
               "(same device and inode at the new name), which were not, and which someone else "
               "has\n"
               "changed since; undo renames back only the first, never over an existing file, and\n"
               "an undo can be undone too. The last line of rename and undo names the journal id.\n"
               "Ctrl+C stops a listing (the rows found so far are printed) or a batch (after the\n"
               "rename under way; the journal records the files left, so undo works as usual).\n"
               "Exit status: 0 done, 1 refused or failed, 2 bad usage, 3 done but some "
               "sub-folders\n"
               "could not be read (each named on standard error), 130 stopped by Ctrl+C.\n")
        .arg(journalFolder);
}
