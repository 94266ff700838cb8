#include "core/engine/settings/SettingsStore.h"

SettingsStore &SettingsStore::instance()
{
    static SettingsStore store;
    return store;
}

int SettingsStore::getInt(Key key) const
{
    return CAppSettings::GetProfileInt(CAppSettings::keyName(key), CAppSettings::defaultInt(key));
}

QString SettingsStore::getString(Key key) const
{
    return CAppSettings::GetProfileString(CAppSettings::keyName(key), QString());
}

void SettingsStore::set(Key key, int value)
{
    CAppSettings::WriteProfileInt(CAppSettings::keyName(key), value);
    emit changed(key);
}

void SettingsStore::set(Key key, const QString &value)
{
    CAppSettings::WriteProfileString(CAppSettings::keyName(key), value);
    emit changed(key);
}
