#include "cli/CliOptions.h"

#include "cli/CliOptionTable.h"
#include "core/engine/settings/RenameParameters.h"

namespace {

using Argument = CliOptionSpec::Argument;
using Key = CAppSettings::Key;

const QLatin1String kCommands("list, preview, rename, history, undo, keep, presets, apply or "
                              "edit");

// The case steps exclude each other, as in the parameters dialog.
constexpr Key kCaseSteps[] = {Key::CheckUpperCase, Key::CheckLowerCase, Key::CheckTitleCase,
                              Key::CheckSentenceCase};

// The case steps given on the command line, in the order above.
QList<Key> givenCaseSteps(const QMap<Key, QVariant> &parameters)
{
    QList<Key> given;
    for (const Key key : kCaseSteps)
        if (parameters.contains(key))
            given << key;
    return given;
}

// Stores one option; value is the option's argument (empty for a switch). Returns an error text.
QString store(const CliOptionSpec &option, const QString &value, CliOptions &o)
{
    const QString &name = option.name;
    int number = 0;
    if (option.argument == Argument::Number) {
        bool ok = false;
        number = value.trimmed().toInt(&ok); // 32-bit: larger values are refused
        if (!ok || value.trimmed() != value)
            return QStringLiteral(
                       "%1 needs a whole number from -2147483648 to 2147483647, not \"%2\"")
                .arg(name, value);
    } else if (option.argument == Argument::Choice) {
        number = int(option.choices.indexOf(value));
        if (number < 0)
            return QStringLiteral("%1 needs one of %2, not \"%3\"")
                .arg(name, option.choices.join(QStringLiteral(", ")), value);
    }
    if (option.parameter && option.argument == Argument::Number) {
        if (const QString problem = RenameParameters::problemWithNumber(*option.parameter, number);
            !problem.isEmpty())
            return QStringLiteral("%1 needs %2").arg(name, problem);
    }
    if (option.parameter) {
        switch (option.argument) {
        case Argument::Number:
        case Argument::Choice:
            o.parameters.insert(*option.parameter, number);
            break;
        case Argument::None:
            o.parameters.insert(*option.parameter, 1);
            break;
        case Argument::Text:
        case Argument::File:
        case Argument::Name:
            o.parameters.insert(*option.parameter, value);
            break;
        }
    } else if (name == QLatin1String("--config"))
        o.configFile = value;
    else if (name == QLatin1String("--preset"))
        o.presetName = value;
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
    else if (name == QLatin1String("--sort"))
        o.sort = value; // one of the choices
    else if (name == QLatin1String("--reverse"))
        o.reverse = true;
    else if (name == QLatin1String("--status"))
        o.status = true;
    else if (name == QLatin1String("--help"))
        o.help = true;
    else if (name == QLatin1String("--version"))
        o.version = true;
    else if (name == QLatin1String("--help-tokens"))
        o.helpTokens = true;
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
        else if (argument == QLatin1String("presets"))
            o.command = CliOptions::Command::Presets;
        else if (argument == QLatin1String("apply"))
            o.command = CliOptions::Command::Apply;
        else if (argument == QLatin1String("edit"))
            o.command = CliOptions::Command::Edit;
        else
            return QStringLiteral("unknown command \"%1\" (%2)").arg(argument, kCommands);
        return {};
    }
    if (o.command == CliOptions::Command::History || o.command == CliOptions::Command::Presets)
        return QStringLiteral("unexpected argument \"%1\"").arg(argument);
    if (o.command == CliOptions::Command::Undo || o.command == CliOptions::Command::Keep) {
        if (!o.journalId.isNull())
            return QStringLiteral("unexpected argument \"%1\"").arg(argument);
        o.journalId = argument;
        return {};
    }
    if (o.command == CliOptions::Command::Apply && !o.folder.isNull() && o.mapping.isNull()) {
        o.mapping = argument;
        return {};
    }
    if (!o.folder.isNull())
        return QStringLiteral("unexpected argument \"%1\"").arg(argument);
    o.folder = argument;
    return {};
}

// apply renames by its mapping alone: no rule, listing or order option has a meaning there.
QString applyProblem(const CliOptions &o)
{
    if (!o.parameters.isEmpty() || o.recursive || o.displayHidden || o.displayReadOnly ||
        o.noReorder || o.reordersRows())
        return QStringLiteral("apply takes only --yes, --reorder and --config");
    if (o.folder.isEmpty())
        return QStringLiteral("no folder given");
    if (o.mapping.isEmpty())
        return QStringLiteral("no mapping file given");
    return {};
}

} // namespace

void CliOptions::applyTo(RenameParameters &p) const
{
    for (auto given = parameters.cbegin(); given != parameters.cend(); ++given) {
        p.setValue(given.key(), given.value());
        const CliOptionSpec *option = CliOptionTable::forKey(given.key());
        if (option && option->switchesOn)
            p.setValue(*option->switchesOn, 1);
    }
    // A case step given here replaces the stored one.
    const QList<Key> given = givenCaseSteps(parameters);
    for (const Key key : kCaseSteps)
        if (!given.isEmpty() && !given.contains(key))
            p.setValue(key, 0);
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
        const CliOptionSpec *known = CliOptionTable::find(name);
        if (!known)
            return QStringLiteral("unknown option \"%1\"").arg(name);
        QString value;
        if (known->argument == Argument::None) {
            if (equals >= 0)
                return QStringLiteral("%1 takes no value").arg(name);
        } else if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return QStringLiteral("%1 needs a value").arg(name);
        }
        if (const QString error = store(*known, value, o); !error.isEmpty())
            return error;
    }
    if (o.help || o.version || o.helpTokens)
        return {};
    if (const QList<Key> cases = givenCaseSteps(o.parameters); cases.size() > 1)
        return QStringLiteral("%1 and %2 cannot be used together")
            .arg(CliOptionTable::forKey(cases[0])->name, CliOptionTable::forKey(cases[1])->name);
    if (o.reorder && o.noReorder)
        return QStringLiteral("--reorder and --no-reorder cannot be used together");
    if (o.command == CliOptions::Command::None)
        return QStringLiteral("no command given (%1)").arg(kCommands);
    if (o.status && o.command != CliOptions::Command::Preview)
        return QStringLiteral("--status is an option of preview only");
    if (!o.presetName.isNull() && o.command != CliOptions::Command::Preview &&
        o.command != CliOptions::Command::Rename)
        return QStringLiteral("--preset is an option of preview and rename only");
    if (o.command == CliOptions::Command::Apply) {
        if (const QString error = applyProblem(o); !error.isEmpty())
            return error;
    }
    if (o.folder.isEmpty() && o.command != CliOptions::Command::History &&
        o.command != CliOptions::Command::Presets && o.command != CliOptions::Command::Undo &&
        o.command != CliOptions::Command::Keep)
        return QStringLiteral("no folder given");
    return {};
}

QString usageText(const QString &journalFolder, const QString &presetFolder)
{
    return QStringLiteral(
               "Usage: quirewell-cli COMMAND FOLDER [options]\n"
               "       quirewell-cli history | undo [ID] [--yes] | keep [ID] | presets\n"
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
               "                    batch not yet undone that renamed something; newer entries\n"
               "                    passed over are named) back to their old names\n"
               "  keep [ID]         end an interrupted batch and keep its renames\n"
               "  presets           the saved presets of rename parameters, one name per line,\n"
               "                    sorted; preset NAME is the file NAME.conf in\n"
               "                    %3\n"
               "  apply [--yes] [--reorder] FOLDER MAPPING\n"
               "                    check every line of MAPPING, confirm, and rename by it: a "
               "line\n"
               "                    is OLD<TAB>NEW, OLD a path relative to FOLDER (sub-folders\n"
               "                    allowed), NEW a name only, both with the escapes below; a\n"
               "                    file ending in .csv is read as CSV (RFC 4180, no header row)\n"
               "                    with the same two columns; a line of six columns is read as\n"
               "                    preview output (columns 2, 3 and 6). Any bad line refuses the\n"
               "                    whole mapping (each named with its line number); a new name\n"
               "                    that another line frees (a chain or a swap) needs --reorder\n"
               "  edit [--yes] [--reorder] FOLDER\n"
               "                    write the new names (one per line, escaped) to a file in a\n"
               "                    private folder, run $VISUAL, else $EDITOR, else vi on it, "
               "then\n"
               "                    check the saved names as apply does, show the plan, confirm\n"
               "                    and rename; an unchanged or emptied file renames nothing, an\n"
               "                    editor that fails or a changed line count is refused\n"
               "\n"
               "Options (for this run only; nothing is stored):\n"
               "%2"
               "\n"
               "In printed fields and in messages a tab is written \\t, a line feed \\n, a "
               "carriage\n"
               "return \\r, a backslash \\\\, a NUL character \\0 and each byte of a name that is "
               "not\n"
               "UTF-8 \\xHH (two lower-case hex digits), so each row and each message is one "
               "line.\n"
               "Arguments keep their bytes: a FOLDER or TEXT that is not UTF-8 is used exactly.\n"
               "Running numbers count on past 2147483647 (2147483648, ...) and never wrap.\n"
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
               "rename under way; the journal records the files left, so undo works as usual);\n"
               "a second Ctrl+C ends the program at once (the journal then recovers the batch).\n"
               "With --template, a file that has no value for a token keeps its name: rename\n"
               "reports it like a failure (\"no photo.taken\"), counts it as skipped and exits 1;\n"
               "preview --status gives the reason in the seventh column. An invalid template\n"
               "is bad usage (its position is named).\n"
               "Exit status: 0 done, 1 refused or failed, 2 bad usage, an unusable --config "
               "FILE or an\nunknown or unusable --preset NAME, 3 done but some sub-folders could "
               "not be read\n"
               "(each named on standard error), 130 stopped by Ctrl+C. apply and edit: 0 all "
               "renamed,\n1 some failed, 2 the mapping refused (nothing renamed).\n")
        .arg(journalFolder, CliOptionTable::helpLines(), presetFolder);
}
