// Any bytes as the settings file: every reader returns a value, the rule runs on what was
// read, and nothing crashes.
#include "core/engine/names/NewNameRule.h"
#include "core/engine/settings/AppSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

QString storePath(quint64 run)
{
    // QSettings keeps each file's values in a process-wide cache: a new name per input makes
    // every run read its own bytes.
    static const QTemporaryDir folder;
    return folder.filePath(QStringLiteral("store%1.ini").arg(run % 64));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static quint64 run = 0;
    static const QtMessageHandler previous = qInstallMessageHandler(quiet);
    (void)previous;

    const QString path = storePath(++run);
    QFile::remove(path);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    CAppSettings::useStoreFile(path);
    const CAppSettings settings;
    const RenameParameters params = RenameParameters::fromSettings(settings);
    (void)settings.GetDisplayHiddenFiles();
    (void)settings.GetDisplayReadOnlyFiles();
    (void)settings.GetViewFilesInSubFolders();
    (void)CAppSettings::applicationLook();
    (void)CAppSettings::GetProfileBinary(QStringLiteral("DlgRenameParametersLocation"));
    (void)CAppSettings::GetProfileString(QStringLiteral("Column0"), QString());
    RenameCounters counters = RenameCounters::from(params);
    (void)computeNewName(params, QStringLiteral("IMG_0001.jpg"), true, counters);
    CAppSettings::useStoreFile(QString());
    QFile::remove(path);
    return 0;
}
