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
    // Find and replace: the find text is a regular expression; case is ignored; only the
    // first match is replaced. Each off gives the plain, case-sensitive, replace-all find.
    bool findRegularExpression = false;
    bool findIgnoreCase = false;
    bool findFirstOnly = false;
    bool checkTitleCase = false;
    bool checkSentenceCase = false;
    bool checkTrimSpaces = false;
    bool checkAscii = false;
    bool checkLowerExtension = false;
    int applyTo = 0; // a NamePart: what find and replace and the case steps change
    // Running numbers: minimum digits (0 or 1: as many as the number has) and the step.
    int padNumberAtStart = 0;
    int stepNumberAtStart = 1;
    int padNumberAtEnd = 0;
    int stepNumberAtEnd = 1;
    bool restartNumbersEachFolder = false;
    // Pads each run of ASCII digits in the new title to padNumbersDigits digits.
    bool checkPadNumbers = false;
    int padNumbersDigits = 3;
    // The name template (NameTemplate.h): the whole starting name, before the other steps.
    bool checkNameTemplate = false;
    QString nameTemplate;

    // The most digits a padding asks for; larger values are refused where they are entered.
    static constexpr int kMaximumPadding = 255;
    // Why value cannot be stored under key (a padding outside 0..kMaximumPadding), or an
    // empty text when it can.
    static QString problemWithNumber(CAppSettings::Key key, qint64 value);

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
