#include "core/engine/settings/AppSettings.h"

#include <QSettings>

#include <memory>

namespace {

struct ValueSpec
{
    const char *name;
    SettingKind kind;
    int intDefault; // unused for texts, whose default is empty
};

// Names, kinds and defaults, indexed by key.
#define QUIREWELL_VALUE_SPEC(NAME, KIND, DEFAULT, ...) {#NAME, SettingKind::KIND, DEFAULT},
constexpr ValueSpec kValues[] = {QUIREWELL_SETTINGS(QUIREWELL_VALUE_SPEC, QUIREWELL_VALUE_SPEC)};
#undef QUIREWELL_VALUE_SPEC

const ValueSpec &valueFor(CAppSettings::Key key)
{
    return kValues[size_t(key)];
}

const QString kGroup = QStringLiteral("Settings");
const QString kLookKey = QStringLiteral("Workspace/ApplicationLook");
const QString kMainFramePlacementKey = QStringLiteral("Workspace/MainFramePlacement");

QString &storeFile()
{
    static QString path;
    return path;
}

std::unique_ptr<QSettings> openStore()
{
    if (!storeFile().isEmpty())
        return std::make_unique<QSettings>(storeFile(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QString::fromLatin1(CAppSettings::kVendorKey),
                                       QString::fromLatin1(CAppSettings::kApplicationTitle));
}

QString settingsKey(const QString &name)
{
    return kGroup + QLatin1Char('/') + name;
}

// A value of the wrong kind or out of the 32-bit range reads as the default.
int toInt32(const QVariant &value, int defaultValue)
{
    if (!value.isValid())
        return defaultValue;
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (!ok || n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<qint32>::max())
        return defaultValue;
    return int(n);
}

} // namespace

QString CAppSettings::keyName(Key key)
{
    return QString::fromLatin1(valueFor(key).name);
}

SettingKind CAppSettings::kind(Key key)
{
    return valueFor(key).kind;
}

bool CAppSettings::isText(Key key)
{
    return kind(key) == SettingKind::Text;
}

int CAppSettings::defaultInt(Key key)
{
    return valueFor(key).intDefault;
}

int CAppSettings::intValue(Key key) const
{
    return GetProfileInt(keyName(key), valueFor(key).intDefault);
}

QString CAppSettings::textValue(Key key) const
{
    return GetProfileString(keyName(key), QString());
}

void CAppSettings::setValue(Key key, int value)
{
    WriteProfileInt(keyName(key), value);
}

void CAppSettings::setValue(Key key, const QString &value)
{
    WriteProfileString(keyName(key), value);
}

int CAppSettings::GetProfileInt(const QString &name, int defaultValue)
{
    return toInt32(openStore()->value(settingsKey(name)), defaultValue);
}

void CAppSettings::WriteProfileInt(const QString &name, int value)
{
    openStore()->setValue(settingsKey(name), value);
}

QString CAppSettings::GetProfileString(const QString &name, const QString &defaultValue)
{
    const QVariant value = openStore()->value(settingsKey(name));
    if (!value.isValid() || !value.canConvert<QString>())
        return defaultValue;
    return value.toString();
}

void CAppSettings::WriteProfileString(const QString &name, const QString &value)
{
    // An empty text is stored as present and empty, never as absent.
    openStore()->setValue(settingsKey(name), value.isNull() ? QString(u""_qs) : value);
}

namespace {

std::optional<QByteArray> binaryAt(const QString &key)
{
    const QVariant value = openStore()->value(key);
    if (!value.isValid() || value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    return value.toByteArray();
}

} // namespace

std::optional<QByteArray> CAppSettings::GetProfileBinary(const QString &name)
{
    return binaryAt(settingsKey(name));
}

void CAppSettings::WriteProfileBinary(const QString &name, const QByteArray &value)
{
    openStore()->setValue(settingsKey(name), value);
}

int CAppSettings::applicationLook()
{
    return toInt32(openStore()->value(kLookKey), 216);
}

void CAppSettings::setApplicationLook(int value)
{
    openStore()->setValue(kLookKey, value);
}

std::optional<QByteArray> CAppSettings::mainFramePlacement()
{
    return binaryAt(kMainFramePlacementKey);
}

void CAppSettings::setMainFramePlacement(const QByteArray &record)
{
    openStore()->setValue(kMainFramePlacementKey, record);
}

void CAppSettings::useStoreFile(const QString &path)
{
    storeFile() = path;
}

QString CAppSettings::storeLocation()
{
    return openStore()->fileName();
}
