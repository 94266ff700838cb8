#include "core/listing/ExportFile.h"

#include "core/engine/names/FileRows.h"
#include "core/engine/rename/RenameOperation.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kFileName = QStringLiteral("quirewell-file-list.txt");

// A folder that is the user's own and closed to everyone else; links are not followed.
bool isPrivateFolder(const QByteArray &folder)
{
    struct stat st;
    return ::lstat(folder.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

bool writeAll(int fd, const QByteArray &data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

namespace ExportFile {

QByteArray text(const FileRows &rows)
{
    if (rows.count() == 0)
        return {};
    QString all;
    for (int i = 0; i < rows.count(); ++i) {
        if (i > 0)
            all += QStringLiteral("\r\n");
        all += rows.fullPath(i);
    }
    // UTF-16LE opened by its byte-order mark, without which editors and file(1) take the
    // text for something else.
    QByteArray bytes("\xff\xfe", 2);
    bytes.reserve(2 + all.size() * 2);
    for (const QChar c : std::as_const(all)) {
        bytes.append(char(c.unicode() & 0xff));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

QString privateFolder(QString &error)
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && runtime.startsWith('/') && isPrivateFolder(runtime))
        return QFile::decodeName(runtime);

    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty()) {
        error = QStringLiteral("No folder for the user's cache.");
        return {};
    }
    const QString folder = cache + QStringLiteral("/quirewell");
    const QByteArray bytes = QFile::encodeName(folder);
    QDir().mkpath(cache);
    if (::mkdir(bytes.constData(), 0700) != 0 && errno != EEXIST) {
        error = systemErrorText(errno);
        return {};
    }
    if (!isPrivateFolder(bytes)) {
        error = QStringLiteral("%1 is not a folder of the user's own that only the user may "
                               "enter.")
                    .arg(folder);
        return {};
    }
    return folder;
}

QString path(QString &error)
{
    const QString folder = privateFolder(error);
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + kFileName;
}

bool write(const QString &file, const QByteArray &data, QString &error)
{
    error.clear();
    // No O_TRUNC yet: nothing is changed before the file has been checked. O_NONBLOCK keeps a
    // planted FIFO from blocking the open.
    const int fd = ::open(QFile::encodeName(file).constData(),
                          O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = errno == ELOOP ? QStringLiteral("%1 is a symbolic link.").arg(file)
                               : systemErrorText(errno);
        return false;
    }
    struct stat st;
    bool ok = ::fstat(fd, &st) == 0;
    if (ok && (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || st.st_nlink != 1)) {
        error = QStringLiteral("%1 is not a regular file of the user's own.").arg(file);
        ok = false;
    } else if (ok && ((st.st_mode & 07777) != 0600 && ::fchmod(fd, 0600) != 0)) {
        ok = false;
    }
    if (ok && !(::ftruncate(fd, 0) == 0 && writeAll(fd, data)))
        ok = false;
    if (!ok && error.isEmpty())
        error = systemErrorText(errno);
    if (::close(fd) != 0 && ok) {
        error = systemErrorText(errno);
        ok = false;
    }
    return ok;
}

bool exportRows(const FileRows &rows, QString &file, QString &error)
{
    file = path(error);
    return !file.isEmpty() && write(file, text(rows), error);
}

} // namespace ExportFile
