#pragma once

#include "core/engine/settings/AppSettings.h"

#include <QString>
#include <QVariant>

#include <optional>

// The rename parameters as one value. The parameters dialog edits one and hands it to its list
// view; the settings keep each field under its key. Each field has its row in SettingsTable.h.
struct RenameParameters
{
    bool checkRemoveInitialCharacters = false;
    int removeInitialCharactersLength = 1;
    bool checkNumberAtEnd = false;
    int numberAtEnd = 1;
    bool checkNewFileName = false;
    QString newFileName;
    bool checkFindAndReplace = false;
    QString findText;
    QString replaceText;
    bool checkNumberAtStart = false;
    int numberAtStart = 1;
    bool checkUpperCase = false;
    bool checkLowerCase = false;
    bool checkTitleCase = false;
    bool checkSentenceCase = false;
    bool checkTrimSpaces = false;
    bool checkAscii = false;
    bool checkLowerExtension = false;
    int applyTo = 0; // a NamePart: what find and replace and the case steps change

    // Every field as the settings hold it.
    static RenameParameters fromSettings(const CAppSettings &settings);

    // Whether the stored value is one of the parameters.
    static bool isParameter(CAppSettings::Key key);
    // The flag without which a change of the parameter changes no name in the preview, so the
    // list is recomputed after it only while that flag is set; none: after every change.
    static std::optional<CAppSettings::Key> previewedOnlyWhile(CAppSettings::Key key);
    // The field stored under key as the store keeps it: a flag or number as int, a text as
    // QString; invalid for a key that is no parameter.
    QVariant value(CAppSettings::Key key) const;
    void setValue(CAppSettings::Key key, const QVariant &value);
    // Writes the field stored under key into the settings.
    void store(CAppSettings::Key key, CAppSettings &settings) const;

    bool operator==(const RenameParameters &) const = default;
};
