#include "engine/RenameOperation.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// strerror_r is the GNU variant (returns the text) or the XSI one (fills the buffer and
// returns 0); overloads pick whichever the C library declares.
[[maybe_unused]] const char *errorTextOf(const char *text, const char *)
{
    return text;
}
[[maybe_unused]] const char *errorTextOf(int result, const char *buffer)
{
    return result == 0 ? buffer : nullptr;
}

bool flagNotSupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == ENOTSUP;
}

bool isDirectory(const char *path)
{
    struct stat st;
    return ::lstat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

// For file systems without RENAME_NOREPLACE: a new link fails when the target exists, so
// nothing is ever replaced. Folders cannot be linked; they keep the first error.
int linkThenUnlink(const char *source, const char *target, int renameError)
{
    if (isDirectory(source))
        return renameError;
    if (::linkat(AT_FDCWD, source, AT_FDCWD, target, 0) != 0)
        return errno;
    if (::unlink(source) != 0) {
        const int error = errno;
        ::unlink(target); // leave the file under its old name only
        return error;
    }
    return 0;
}

int moveNoReplace(const char *source, const char *target)
{
    if (::renameat2(AT_FDCWD, source, AT_FDCWD, target, RENAME_NOREPLACE) == 0)
        return 0;
    const int error = errno;
    if (!flagNotSupported(error))
        return error;
    return linkThenUnlink(source, target, error);
}

} // namespace

QString systemErrorText(int errnoValue)
{
    char buffer[256] = {};
    const char *text = errorTextOf(::strerror_r(errnoValue, buffer, sizeof buffer), buffer);
    QString message =
        text ? QString::fromLocal8Bit(text) : QStringLiteral("Unknown error %1").arg(errnoValue);
    while (message.endsWith(QLatin1Char('\n')) || message.endsWith(QLatin1Char('\r')))
        message.chop(1);
    return message;
}

bool renameNoReplace(const QByteArray &source, const QByteArray &target, QString &error)
{
    error.clear();
    // A path with a NUL byte would be cut short by the system and name another file.
    if (source.contains('\0') || target.contains('\0')) {
        error = QStringLiteral("The file name contains a NUL character.");
        return false;
    }
    const int result = moveNoReplace(source.constData(), target.constData());
    if (result != 0)
        error = systemErrorText(result);
    return result == 0;
}

QString refusedNameReason(const QString &newName)
{
    if (newName.isEmpty())
        return QStringLiteral("The new file name is empty.");
    if (newName == u"." || newName == u"..")
        return QStringLiteral("The new file name cannot be \".\" or \"..\".");
    if (newName.contains(QLatin1Char('/')))
        return QStringLiteral("The new file name cannot contain \"/\": a file is renamed "
                              "inside its own folder.");
    if (newName.contains(QChar(u'\0')))
        return QStringLiteral("The new file name cannot contain a NUL character.");
    return {};
}

bool renameInFolder(const QByteArray &folder, const QByteArray &oldName, const QString &newName,
                    QString &error)
{
    error = refusedNameReason(newName);
    if (!error.isEmpty())
        return false;
    return renameNoReplace(folder + oldName, folder + newName.toUtf8(), error);
}
