#pragma once

#include "core/engine/settings/SettingsTable.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Typed access to the persisted values of group "Settings", by key over the table in
// SettingsTable.h. Stateless: every read asks the store at the moment of the call, every
// write goes out at once. Any number of instances may exist; they all see the same store.
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
    static constexpr int kKeyCount = 0 QUIREWELL_SETTINGS(QUIREWELL_COUNT, QUIREWELL_COUNT);
#undef QUIREWELL_COUNT
    static QString keyName(Key key);
    static SettingKind kind(Key key);
    // Whether the value is a text (else a 32-bit number), and a number's default.
    static bool isText(Key key);
    static int defaultInt(Key key);

    // A flag or number: its default when absent or unreadable. A text: empty when absent.
    int intValue(Key key) const;
    QString textValue(Key key) const;
    void setValue(Key key, int value);
    void setValue(Key key, const QString &value);

    // The listing switches and the batch's order, read where the list and the batch need them.
    int GetDisplayHiddenFiles() const
    {
        return intValue(Key::DisplayHiddenFiles);
    }
    void SetDisplayHiddenFiles(int value)
    {
        setValue(Key::DisplayHiddenFiles, value);
    }
    int GetDisplayReadOnlyFiles() const
    {
        return intValue(Key::DisplayReadOnlyFiles);
    }
    void SetDisplayReadOnlyFiles(int value)
    {
        setValue(Key::DisplayReadOnlyFiles, value);
    }
    int GetViewFilesInSubFolders() const
    {
        return intValue(Key::ViewFilesInSubFolders);
    }
    void SetViewFilesInSubFolders(int value)
    {
        setValue(Key::ViewFilesInSubFolders, value);
    }
    int GetResolveChains() const
    {
        return intValue(Key::ResolveChains);
    }
    void SetResolveChains(int value)
    {
        setValue(Key::ResolveChains, value);
    }

    // Direct profile access in group "Settings" for the values outside the table:
    // "Column0".."Column5" and "DlgRenameParametersLocation".
    static int GetProfileInt(const QString &name, int defaultValue);
    static void WriteProfileInt(const QString &name, int value);
    static QString GetProfileString(const QString &name, const QString &defaultValue);
    static void WriteProfileString(const QString &name, const QString &value);
    static std::optional<QByteArray> GetProfileBinary(const QString &name);
    static void WriteProfileBinary(const QString &name, const QByteArray &value);

    // The workspace value "ApplicationLook" (outside group "Settings"), default 216.
    static int applicationLook();
    static void setApplicationLook(int value);
    // The workspace value "MainFramePlacement": the main window's placement record, written
    // when the window closes; nothing when absent or not binary.
    static std::optional<QByteArray> mainFramePlacement();
    static void setMainFramePlacement(const QByteArray &record);

    // Points every instance at an INI file instead of the user's store; an empty path goes
    // back to the user's store. Call before any other use, from the main thread.
    static void useStoreFile(const QString &path);
    static QString storeLocation();

    static constexpr const char *kVendorKey = "orvalt.example";
    static constexpr const char *kApplicationTitle = "Quirewell by orvalt.example";
};
