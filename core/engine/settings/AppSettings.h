#pragma once

#include "core/engine/settings/SettingsTable.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Typed access to the persisted values of group "Settings". Stateless: every getter asks
// the store at the moment of the call, every setter writes at once. Any number of
// instances may exist; they all see the same store.
//
// The store is QSettings in its native format under (vendor key, application title),
// unless a file has been chosen with useStoreFile() (tests, quirewell-cli --config).
class CAppSettings
{
public:
    virtual ~CAppSettings() = default;

    // One key per row of the table in SettingsTable.h, in its order.
    enum class Key
    {
#define QUIREWELL_KEY(NAME, ...) NAME,
        QUIREWELL_SETTINGS(QUIREWELL_KEY, QUIREWELL_KEY)
#undef QUIREWELL_KEY
    };
#define QUIREWELL_COUNT(...) +1
    static constexpr int keyCount = 0 QUIREWELL_SETTINGS(QUIREWELL_COUNT, QUIREWELL_COUNT);
#undef QUIREWELL_COUNT
    static QString keyName(Key key);
    // Whether the value is a text (else a 32-bit number), and a number's default.
    static bool isText(Key key);
    static int defaultInt(Key key);

    // Get and Set followed by the value's name. SettingsStore reads and writes every key, so
    // a value added to the table needs no accessor of its own.
    int GetDisplayHiddenFiles() const;
    void SetDisplayHiddenFiles(int value);
    int GetDisplayReadOnlyFiles() const;
    void SetDisplayReadOnlyFiles(int value);
    int GetViewFilesInSubFolders() const;
    void SetViewFilesInSubFolders(int value);
    int GetCheckFindAndReplace() const;
    void SetCheckFindAndReplace(int value);
    QString GetFindText() const;
    void SetFindText(QString value);
    QString GetReplaceText() const;
    void SetReplaceText(QString value);
    int GetCheckNumberAtStart() const;
    void SetCheckNumberAtStart(int value);
    int GetNumberAtStart() const;
    void SetNumberAtStart(int value);
    int GetCheckNumberAtEnd() const;
    void SetCheckNumberAtEnd(int value);
    int GetNumberAtEnd() const;
    void SetNumberAtEnd(int value);
    int GetCheckNewFileName() const;
    void SetCheckNewFileName(int value);
    QString GetNewFileName() const;
    void SetNewFileName(QString value);
    int GetCheckRemoveInitialCharacters() const;
    void SetCheckRemoveInitialCharacters(int value);
    int GetRemoveInitialCharactersLength() const;
    void SetRemoveInitialCharactersLength(int value);
    int GetCheckUpperCase() const;
    void SetCheckUpperCase(int value);
    int GetCheckLowerCase() const;
    void SetCheckLowerCase(int value);
    int GetResolveChains() const;
    void SetResolveChains(int value);

    // Direct profile access in group "Settings" for the values outside the accessors:
    // "Column0".."Column5" and "DlgRenameParametersLocation".
    static int GetProfileInt(const QString &name, int defaultValue);
    static void WriteProfileInt(const QString &name, int value);
    static QString GetProfileString(const QString &name, const QString &defaultValue);
    static void WriteProfileString(const QString &name, const QString &value);
    static std::optional<QByteArray> GetProfileBinary(const QString &name);
    static void WriteProfileBinary(const QString &name, const QByteArray &value);

    // The workspace value "ApplicationLook" (outside group "Settings"), default 216.
    static int GetApplicationLook();
    static void SetApplicationLook(int value);
    // The workspace value "MainFramePlacement": the main window's placement record, written
    // when the window closes; nothing when absent or not binary.
    static std::optional<QByteArray> GetMainFramePlacement();
    static void SetMainFramePlacement(const QByteArray &record);

    // Points every instance at an INI file instead of the user's store; an empty path goes
    // back to the user's store. Call before any other use, from the main thread.
    static void useStoreFile(const QString &path);
    static QString storeLocation();

    static constexpr const char *vendorKey = "orvalt.example";
    static constexpr const char *applicationTitle = "Quirewell by orvalt.example";

private:
    static int readInt(Key key);
    static void writeInt(Key key, int value);
    static QString readString(Key key);
    static void writeString(Key key, const QString &value);
};
