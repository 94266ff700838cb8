#include "core/engine/settings/SettingsFileCheck.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/settings/AppSettings.h"
#include "core/engine/settings/RenameParameters.h"
#include "core/system/FileSystem.h"
#include "core/system/SystemError.h"

#include <QFile>
#include <QSettings>
#include <QStringDecoder>

#include <limits>

namespace {

// Why the entry at path is not a file that may be read, or an empty text. A status look-up
// never opens the entry, so a FIFO cannot block here.
QString problemWithEntry(const QString &path, FileSystem::Links links)
{
    FileSystem::FileStatus status;
    const int error = FileSystem::statusAt(FileSystem::kCurrentFolder,
                                           encodeFileName(path).constData(), status, links);
    if (error != 0)
        return systemErrorText(error);
    if (status.type == FileSystem::FileType::Link)
        return QStringLiteral("it is a symbolic link");
    if (status.type == FileSystem::FileType::Folder)
        return QStringLiteral("it is a folder");
    if (status.type != FileSystem::FileType::Regular)
        return QStringLiteral("it is not a regular file");
    if (status.size > SettingsFileCheck::kMaximumSize)
        return QStringLiteral("it is larger than %1 bytes").arg(SettingsFileCheck::kMaximumSize);
    return {};
}

// Why content is not the text of an INI file, or an empty text. QSettings skips what it cannot
// read, so this looks for what it would skip: bytes that are not UTF-8 text, and lines that
// are neither a group, a comment nor a key with a value (or the continuation of a value).
QString problemWithText(const QByteArray &content)
{
    if (content.contains('\0'))
        return QStringLiteral("it is not a text file (it holds NUL bytes)");
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)QString(utf8(content));
    if (utf8.hasError())
        return QStringLiteral("it is not a text file (it is not UTF-8)");
    bool continued = false;
    int number = 0;
    for (const QByteArray &line : content.split('\n')) {
        ++number;
        const QByteArray text = line.trimmed();
        const bool continues = text.endsWith('\\');
        if (!continued && !text.isEmpty() && !text.startsWith('[') && !text.startsWith(';') &&
            !text.startsWith('#') && !text.contains('='))
            return QStringLiteral("line %1 is not a group, a comment or KEY=VALUE").arg(number);
        continued = continues;
    }
    return {};
}

bool isWhole32BitNumber(const QVariant &value)
{
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    return ok && n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max();
}

// The first value of the table that the forgiving reading would replace by its default.
QString problemWithValues(const QSettings &store)
{
    for (int k = 0; k < CAppSettings::kKeyCount; ++k) {
        const auto key = CAppSettings::Key(k);
        const QString name = CAppSettings::keyName(key);
        const QString stored = QStringLiteral("Settings/") + name;
        const QVariant value = store.value(stored);
        if (!value.isValid()) {
            // Present but unreadable (a stored type Qt does not know) is damage, not absence.
            if (store.contains(stored))
                return QStringLiteral("the value of %1 cannot be read").arg(name);
            continue; // absent: its default, as in any store
        }
        if (CAppSettings::isText(key) ? !value.canConvert<QString>() : !isWhole32BitNumber(value))
            return QStringLiteral("the value of %1 is not %2")
                .arg(name, CAppSettings::isText(key) ? QStringLiteral("a text")
                                                     : QStringLiteral("a whole 32-bit number"));
        if (CAppSettings::isText(key))
            continue;
        if (const QString problem = RenameParameters::problemWithNumber(key, value.toLongLong());
            !problem.isEmpty())
            return QStringLiteral("the value of %1 must be %2").arg(name, problem);
    }
    return {};
}

} // namespace

QString SettingsFileCheck::problemWith(const QString &path, FileSystem::Links links)
{
    if (const QString problem = problemWithEntry(path, links); !problem.isEmpty())
        return problem;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    // Read up to one byte beyond the limit, in case the file grew since it was looked at.
    const QByteArray content = file.read(SettingsFileCheck::kMaximumSize + 1);
    if (content.size() > SettingsFileCheck::kMaximumSize)
        return QStringLiteral("it is larger than %1 bytes").arg(SettingsFileCheck::kMaximumSize);
    if (const QString problem = problemWithText(content); !problem.isEmpty())
        return problem;
    const QSettings store(path, QSettings::IniFormat);
    if (store.status() == QSettings::AccessError)
        return QStringLiteral("it cannot be read");
    if (store.status() == QSettings::FormatError)
        return QStringLiteral("it is not an INI file");
    return problemWithValues(store);
}
