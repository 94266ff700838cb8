#pragma once

#include "core/engine/settings/RenameParameters.h"

#include <QString>
#include <QStringList>

#include <optional>

// Named sets of rename parameters, one file per preset: FOLDER/NAME.conf, an INI file with the
// settings store's group "Settings" and its keys and value forms, so that a preset can be
// copied between machines or handed to the settings store. Only the rename parameters are
// written and read; other keys of a file are left alone.
//
// A preset file is read strictly, as a settings file named on a command line is
// (SettingsFileCheck), and a symbolic link is refused as well: a damaged or hostile file
// yields a reason naming it, never a partly applied preset. A file that lacks some
// parameters (written by an older version) gives the defaults for them.
class PresetStore
{
public:
    // $XDG_CONFIG_HOME/quirewell/presets (~/.config/quirewell/presets when that is unset or
    // not absolute), unless useFolder() chose another.
    static QString defaultFolder();
    // Points every store built with the default folder at folder (tests); empty: back to
    // the user's.
    static void useFolder(const QString &folder);

    explicit PresetStore(QString folder = defaultFolder());
    const QString &folder() const { return m_folder; }

    // The longest name taken, in UTF-8 bytes; NAME.conf and its temporary stay below 255.
    static constexpr int kMaximumNameBytes = 200;
    // Why name cannot name a preset (empty, ".", "..", a leading ".", "/", a control
    // character, longer than kMaximumNameBytes), or an empty text when it can.
    static QString problemWithName(const QString &name);
    QString fileOf(const QString &name) const;

    // A result, or the reason there is none.
    template <typename Value> struct Result
    {
        std::optional<Value> value;
        QString error;
        explicit operator bool() const { return value.has_value(); }
    };

    // The presets present, sorted; no folder: none. Names of files that are not regular
    // files or symbolic links, or that no preset may have, are left out.
    Result<QStringList> names() const;
    bool contains(const QString &name) const;

    Result<RenameParameters> load(const QString &name) const;
    // Writes params as name, replacing a preset of that name; the folder is made if needed.
    // Returns the reason of a failure, or an empty text.
    QString save(const QString &name, const RenameParameters &params) const;
    // Refused when to is taken.
    QString rename(const QString &from, const QString &to) const;
    QString remove(const QString &name) const;
    // A preset file from elsewhere (checked as strictly) saved as name; refused when name is
    // taken, unless replace is set.
    QString importFile(const QString &path, const QString &name, bool replace) const;
    // The preset name written to path (replacing a file there).
    QString exportTo(const QString &name, const QString &path) const;

    // The parameters of the preset file at path, checked.
    static Result<RenameParameters> readFile(const QString &path);
    // Writes params to path through a temporary file beside it, put in place at once; path
    // must not be a symbolic link or anything but a regular file.
    static QString writeFile(const QString &path, const RenameParameters &params);
    // The name an imported file suggests: its file name without ".conf".
    static QString suggestedName(const QString &path);

private:
    QString m_folder;
};
