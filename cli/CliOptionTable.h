#pragma once

#include "core/engine/settings/AppSettings.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Every option of quirewell-cli: the rename parameters' options come from the settings
// table (SettingsTable.h), the others are the run's own.
struct CliOptionSpec
{
    enum class Argument
    {
        None,   // a switch
        Text,   // TEXT
        Number, // N, a 32-bit whole number
        File,   // FILE
        Choice, // one of choices, stored as its index
        Name    // NAME, a preset's name
    };

    QString name; // "--find"
    Argument argument = Argument::None;
    QString help; // the --help line's text; may hold line breaks
    // A rename parameter's option: the value it gives and the flag it switches on.
    std::optional<CAppSettings::Key> parameter;
    std::optional<CAppSettings::Key> switchesOn;
    QStringList choices; // a Choice's words, in the order of their stored values
};

namespace CliOptionTable {

// In --help's order: --config, the rename parameters in the settings table's order, then the
// listing switches and the run's other options.
const QList<CliOptionSpec> &options();
// nullptr for an unknown name.
const CliOptionSpec *find(const QString &name);
// The option of a rename parameter or switch; nullptr when it has none.
const CliOptionSpec *forKey(CAppSettings::Key key);
// "--find TEXT", "--upper", "--apply-to name|title|extension".
QString synopsis(const CliOptionSpec &option);
// The option lines of --help.
QString helpLines();

} // namespace CliOptionTable
