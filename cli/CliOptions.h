#pragma once

#include "core/engine/settings/AppSettings.h"
#include "core/engine/settings/RenameParameters.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// What one run of quirewell-cli was asked to do.
struct CliOptions
{
    enum class Command
    {
        None,
        List,
        Preview,
        Rename,
        History,
        Undo,
        Keep,
        Presets,
        // Renames from a list.
        Apply,
        Edit
    };

    Command command = Command::None;
    QString folder;
    QString journalId; // undo and keep: the entry named, or empty for the default
    QString configFile;
    QString mapping; // apply: the mapping file
    bool help = false;
    bool version = false;
    bool yes = false;

    // Rename parameters for this run only, laid over what the store holds; never written back.
    QMap<CAppSettings::Key, QVariant> parameters;
    bool recursive = false;
    bool displayHidden = false;
    bool displayReadOnly = false;
    bool reorder = false;   // chains through temporary names, whatever is stored
    bool noReorder = false; // list order, whatever is stored
    bool status = false;    // preview: a seventh column with each row's problem
    QString presetName;     // --preset: the preset the parameters start from
    // The parameters of presetName, once read; none: the stored parameters.
    std::optional<RenameParameters> preset;
    QString sort;         // --sort: name, natural, modified or size; empty: the listing's order
    bool reverse = false; // --reverse: the order backwards

    // Whether the rows are put in another order than the listing's.
    bool reordersRows() const { return !sort.isEmpty() || reverse; }

    // Switches on every operation that was given a value on the command line.
    void applyTo(RenameParameters &params) const;
};

// Parses the arguments after the program name. Returns an empty text on success, otherwise
// what is wrong with the usage.
QString parseArguments(const QStringList &arguments, CliOptions &options);

// The --help text; journalFolder is where the journal lives, presetFolder the presets.
QString usageText(const QString &journalFolder, const QString &presetFolder);
