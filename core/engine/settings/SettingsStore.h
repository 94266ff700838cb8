#pragma once

#include "core/engine/settings/AppSettings.h"

#include <QObject>
#include <QString>

// The one object over the stored "Settings" values: typed reads and writes by key, and a
// changed(key) signal after every write, whoever made it (CAppSettings's setters write
// through here too). It is for persistence: a value just written is never read back to
// learn what the writer had.
class SettingsStore : public QObject
{
    Q_OBJECT
public:
    using Key = CAppSettings::Key;

    static SettingsStore &instance();

    int getInt(Key key) const;        // a number or flag; its default when absent or unreadable
    QString getString(Key key) const; // a text; empty when absent
    void set(Key key, int value);
    void set(Key key, const QString &value);

signals:
    void changed(CAppSettings::Key key);

private:
    SettingsStore() = default;
};
