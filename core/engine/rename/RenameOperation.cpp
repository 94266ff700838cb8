#include "core/engine/rename/RenameOperation.h"

#include "core/engine/names/FileNames.h"

#include <algorithm>
#include <atomic>
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

// Errors that say the file system lacks an operation rather than why a name was refused.
bool unsupported(int error)
{
    return error == EINVAL || error == EPERM || error == ENOSYS || error == EOPNOTSUPP ||
           error == ENOTSUP;
}

bool flagRefused(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == ENOTSUP;
}

// link() errors after which an O_EXCL reservation may still work.
bool linkUnavailable(int error)
{
    return error == EPERM || error == ENOSYS || error == EOPNOTSUPP || error == ENOTSUP ||
           error == EMLINK;
}

// The outcome of one move: 0 or an errno value, and where the file was left besides its
// old name when that is not obvious.
struct Outcome
{
    int error = 0;
    QString leftAt;
};

QString quoted(const QByteArray &name)
{
    return QLatin1Char('"') + decodeFileName(name) + QLatin1Char('"');
}

bool statAt(int dir, const QByteArray &name, struct stat &st)
{
    return ::fstatat(dir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

bool isFolderAt(int dir, const QByteArray &name)
{
    struct stat st;
    return statAt(dir, name, st) && S_ISDIR(st.st_mode);
}

// For file systems without RENAME_NOREPLACE: a new link fails when the target exists.
int linkThenUnlink(int dir, const QByteArray &from, const QByteArray &to, Outcome &outcome)
{
    if (::linkat(dir, from.constData(), dir, to.constData(), 0) != 0)
        return errno;
    if (::unlinkat(dir, from.constData(), 0) == 0)
        return 0;
    const int error = errno;
    if (::unlinkat(dir, to.constData(), 0) != 0) // leave the file under its old name only
        outcome.leftAt = QStringLiteral("the file is left under both names, %1 and %2")
                             .arg(quoted(from), quoted(to));
    return error;
}

// Whether name is still the empty file created as reserved.
bool isOurReservation(int dir, const QByteArray &name, const struct stat &reserved)
{
    struct stat now;
    return statAt(dir, name, now) && S_ISREG(now.st_mode) && now.st_dev == reserved.st_dev &&
           now.st_ino == reserved.st_ino && now.st_size == 0;
}

// For file systems with neither RENAME_NOREPLACE nor hard links: the target name is taken
// with an empty file of our own first, and only that file is ever replaced.
int renameOverReservation(int dir, const QByteArray &from, const QByteArray &to)
{
    const int fd =
        ::openat(dir, to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    struct stat reserved;
    const int statError = ::fstat(fd, &reserved) == 0 ? 0 : errno;
    ::close(fd);
    if (statError != 0)
        return statError;
    if (!isOurReservation(dir, to, reserved))
        return EEXIST; // someone replaced or filled it: it is theirs now
    if (::renameat(dir, from.constData(), dir, to.constData()) == 0)
        return 0;
    const int error = errno;
    if (isOurReservation(dir, to, reserved))
        ::unlinkat(dir, to.constData(), 0);
    return error;
}

Outcome moveNoReplace(int dir, const QByteArray &from, const QByteArray &to)
{
    Outcome outcome;
    if (::renameat2(dir, from.constData(), dir, to.constData(), RENAME_NOREPLACE) == 0)
        return outcome;
    const int renameError = errno;
    // EINVAL is also how a file system refuses a name; the fallbacks then fail too, and
    // the rename's own error is the one to report.
    if (!flagRefused(renameError) || isFolderAt(dir, from)) {
        outcome.error = renameError;
        return outcome;
    }
    int error = linkThenUnlink(dir, from, to, outcome);
    if (error != 0 && linkUnavailable(error))
        error = renameOverReservation(dir, from, to);
    outcome.error = (error != 0 && unsupported(error)) ? renameError : error;
    return outcome;
}

// Whether to may name the file from itself under another spelling: the same file, or a
// spelling that a case-insensitive file system takes for it (FUSE file systems may give each
// spelling its own inode number).
bool maybeSameFile(int dir, const QByteArray &from, const QByteArray &to)
{
    if (from == to)
        return false;
    struct stat a, b;
    if (statAt(dir, from, a) && statAt(dir, to, b) && a.st_dev == b.st_dev && a.st_ino == b.st_ino)
        return true;
    return decodeFileName(from).compare(decodeFileName(to), Qt::CaseInsensitive) == 0;
}

QByteArray temporaryName()
{
    static std::atomic<unsigned> counter{0};
    return QByteArrayLiteral(".quirewell-") + QByteArray::number(::getpid()) + '-' +
           QByteArray::number(counter++) + QByteArrayLiteral(".tmp");
}

// A case-only change on a case-insensitive file system, in two moves that never replace:
// to the temporary name, then to the new name. If the new name is still taken, the file
// goes back to its old name.
Outcome moveThroughTemporaryName(int dir, const QByteArray &from, const QByteArray &to)
{
    QByteArray temporary;
    Outcome outcome;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryName();
        outcome = moveNoReplace(dir, from, temporary);
        if (outcome.error != EEXIST)
            break;
    }
    if (outcome.error != 0)
        return outcome;
    Outcome final = moveNoReplace(dir, temporary, to);
    if (final.error == 0)
        return final;
    const Outcome back = moveNoReplace(dir, temporary, from);
    if (back.error != 0 && final.leftAt.isEmpty())
        final.leftAt =
            QStringLiteral("the file is left under the temporary name %1").arg(quoted(temporary));
    return final;
}

QString failureText(const Outcome &outcome)
{
    QString text = systemErrorText(outcome.error);
    if (!outcome.leftAt.isEmpty())
        text += QStringLiteral("; ") + outcome.leftAt;
    return text;
}

// An open handle of folder for one call, unless the caller has one.
class FolderHandle
{
public:
    FolderHandle(const QByteArray &folder, int given)
    {
        if (given >= 0 || folder.isEmpty()) {
            m_fd = given >= 0 ? given : AT_FDCWD;
            return;
        }
        m_fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        m_owned = m_fd >= 0;
    }
    ~FolderHandle()
    {
        if (m_owned)
            ::close(m_fd);
    }
    FolderHandle(const FolderHandle &) = delete;
    FolderHandle &operator=(const FolderHandle &) = delete;

    int fd() const { return m_fd; }

private:
    int m_fd = -1;
    bool m_owned = false;
};

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

namespace {

// refusedNameReason, with the name's bytes in bytes when it is accepted.
QString refusedNameReason(const QString &newName, QByteArray &bytes)
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
    if (!encodeFileName(newName, bytes))
        return QStringLiteral("The new file name contains half of a character.");
    return {};
}

} // namespace

QString refusedNameReason(const QString &newName)
{
    QByteArray bytes;
    return refusedNameReason(newName, bytes);
}

bool isAcceptedName(QStringView newName)
{
    const bool plain = std::all_of(newName.begin(), newName.end(), [](QChar c) {
        return c.unicode() > 0 && c.unicode() < 0x80 && c != QLatin1Char('/');
    });
    if (plain)
        return !newName.isEmpty() && newName != u"." && newName != u"..";
    return refusedNameReason(newName.toString()).isEmpty();
}

bool renameInFolder(const QByteArray &folder, const QByteArray &oldName, const QString &newName,
                    QString &error, int folderFd)
{
    // Kept from call to call: a batch renames many files one after the other.
    thread_local QByteArray target;
    error = refusedNameReason(newName, target);
    if (!error.isEmpty())
        return false;
    // A NUL byte would cut the name short and '/' would reach into another folder.
    if (oldName.isEmpty() || oldName.contains('\0') || oldName.contains('/')) {
        error = QStringLiteral("The file name is empty or contains \"/\" or a NUL character.");
        return false;
    }
    const FolderHandle dir(folder, folderFd);
    if (dir.fd() == -1) {
        error = systemErrorText(errno);
        return false;
    }
    Outcome outcome = moveNoReplace(dir.fd(), oldName, target);
    if (outcome.error == EEXIST && maybeSameFile(dir.fd(), oldName, target))
        outcome = moveThroughTemporaryName(dir.fd(), oldName, target);
    if (outcome.error == 0)
        return true;
    error = failureText(outcome);
    return false;
}
