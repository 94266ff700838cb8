#include "cli/CliOptionTable.h"

namespace CliOptionTable {

namespace {

using Argument = CliOptionSpec::Argument;
using Key = CAppSettings::Key;

constexpr Argument argumentFor(SettingKind kind)
{
    switch (kind) {
    case SettingKind::Text:
        return Argument::Text;
    case SettingKind::Number:
        return Argument::Number;
    case SettingKind::Flag:
        break;
    }
    return Argument::None;
}

CliOptionSpec runOption(const char *name, Argument argument, const char *help)
{
    return {QString::fromLatin1(name), argument, QString::fromUtf8(help), {}, {}, {}};
}

CliOptionSpec choiceOption(const char *name, const char *choices, const char *help)
{
    CliOptionSpec option = runOption(name, Argument::Choice, help);
    option.choices = QString::fromLatin1(choices).split(u'|');
    return option;
}

// A parameter row's option, when it has one (a null name: none); choices, when given, are the
// words of a choice ("a|b|c").
void addParameterOption(QList<CliOptionSpec> &options, Key key, SettingKind kind, const char *name,
                        const char *help, std::optional<Key> switchesOn, const char *choices)
{
    if (!name)
        return;
    CliOptionSpec option{
        QString::fromLatin1(name), argumentFor(kind), QString::fromUtf8(help), key, switchesOn, {}};
    if (choices) {
        option.argument = Argument::Choice;
        option.choices = QString::fromLatin1(choices).split(u'|');
    }
    options.append(option);
}

QList<CliOptionSpec> buildOptions()
{
    QList<CliOptionSpec> options{
        runOption("--config", Argument::File,
                  "read the settings from FILE instead of the user's settings; a FILE\n"
                  "that is missing, not a regular file, over 1 MiB or damaged is refused"),
    };
#define QUIREWELL_NO_OPTION(...)
#define QUIREWELL_CLI_NoCliOption nullptr, nullptr, std::nullopt, nullptr
#define QUIREWELL_CLI_CliOption(NAME, HELP, SWITCHES_ON) NAME, HELP, Key::SWITCHES_ON, nullptr
#define QUIREWELL_CLI_CliValueOption(NAME, HELP) NAME, HELP, std::nullopt, nullptr
#define QUIREWELL_CLI_CliChoice(NAME, HELP, CHOICES) NAME, HELP, std::nullopt, CHOICES
#define QUIREWELL_PARAMETER_OPTION(NAME, KIND, DEFAULT, FIELD, ONLY_WHILE, CLI)                    \
    addParameterOption(options, Key::NAME, SettingKind::KIND, QUIREWELL_CLI_##CLI);
    QUIREWELL_SETTINGS(QUIREWELL_NO_OPTION, QUIREWELL_PARAMETER_OPTION)
#undef QUIREWELL_PARAMETER_OPTION
#undef QUIREWELL_CLI_CliChoice
#undef QUIREWELL_CLI_CliOption
#undef QUIREWELL_CLI_CliValueOption
#undef QUIREWELL_CLI_NoCliOption
#undef QUIREWELL_NO_OPTION
    options << runOption("--recursive", Argument::None, "also list the files of every sub-folder")
            << runOption("--hidden", Argument::None, "also list hidden files")
            << runOption("--read-only", Argument::None, "also list read-only files")
            << runOption("--yes", Argument::None, "rename (or undo) without asking")
            << runOption("--reorder", Argument::None,
                         "rename chains and swaps of names through temporary names\n"
                         "(a file may take a name another listed file is leaving)")
            << runOption("--no-reorder", Argument::None,
                         "rename in list order, whatever the settings say")
            << choiceOption("--sort", "name|natural|modified|size",
                            "order the whole list by name, natural (numbers by value), modified\n"
                            "or size before numbering; equal rows keep the listing's order")
            << runOption("--reverse", Argument::None, "the list in the opposite order")
            << runOption("--status", Argument::None,
                         "preview: add a seventh column, empty for a row that is fine,\n"
                         "else why its new name cannot be used (duplicate, exists,\n"
                         "invalid: ..., or why the rule failed)")
            // Presets.
            << runOption("--preset", Argument::Name,
                         "preview, rename: start from the rename parameters of preset NAME\n"
                         "instead of the stored ones; the options given here still win")
            << runOption("--help", Argument::None, "")
            << runOption("--version", Argument::None, "");
    return options;
}

} // namespace

const QList<CliOptionSpec> &options()
{
    static const QList<CliOptionSpec> table = buildOptions();
    return table;
}

const CliOptionSpec *find(const QString &name)
{
    for (const CliOptionSpec &option : options())
        if (option.name == name)
            return &option;
    return nullptr;
}

const CliOptionSpec *forKey(Key key)
{
    for (const CliOptionSpec &option : options())
        if (option.parameter == key)
            return &option;
    return nullptr;
}

QString synopsis(const CliOptionSpec &option)
{
    switch (option.argument) {
    case Argument::None:
        break;
    case Argument::Text:
        return option.name + QStringLiteral(" TEXT");
    case Argument::Number:
        return option.name + QStringLiteral(" N");
    case Argument::File:
        return option.name + QStringLiteral(" FILE");
    case Argument::Choice:
        return option.name + u' ' + option.choices.join(u'|');
    case Argument::Name:
        return option.name + QStringLiteral(" NAME");
    }
    return option.name;
}

QString helpLines()
{
    // Options without a text of their own share one line ("--help, --version").
    constexpr int kColumn = 21;
    QString lines;
    QStringList plain;
    for (const CliOptionSpec &option : options()) {
        if (option.help.isEmpty()) {
            plain << option.name;
            continue;
        }
        QString help = option.help;
        const QString indent(kColumn + 2, u' ');
        help.replace(u'\n', u'\n' + indent);
        const QString name = synopsis(option);
        if (name.size() >= kColumn) // too long for its column: the text starts on the next line
            lines += QStringLiteral("  %1\n%2%3\n").arg(name, indent, help);
        else
            lines += QStringLiteral("  %1 %2\n").arg(name.leftJustified(kColumn - 1), help);
    }
    if (!plain.isEmpty())
        lines += QStringLiteral("  ") + plain.join(QStringLiteral(", ")) + u'\n';
    return lines;
}

} // namespace CliOptionTable
