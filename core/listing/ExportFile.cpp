#include "core/listing/ExportFile.h"

#include "core/engine/names/FileRows.h"
#include "core/system/FileSystem.h"
#include "core/system/Process.h"
#include "core/system/SystemError.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>

namespace {

const QString kFileName = QStringLiteral("quirewell-file-list.txt");

// A folder that is the user's own and closed to everyone else; links are not followed.
bool isPrivateFolder(const QByteArray &folder)
{
    FileSystem::FileStatus status;
    return FileSystem::statusAt(FileSystem::kCurrentFolder, folder.constData(), status) == 0 &&
           status.type == FileSystem::FileType::Folder &&
           status.owner == Process::effectiveUserId() && (status.permissions & 077) == 0;
}

// Empties the file open as fd, which must be a regular file of the user's own with a single
// link, and writes data into it: 0, or the system's error number (-1: not such a file).
int replaceContents(int fd, const QByteArray &data)
{
    FileSystem::FileStatus status;
    if (const int error = FileSystem::status(fd, status))
        return error;
    if (status.type != FileSystem::FileType::Regular ||
        status.owner != Process::effectiveUserId() || status.links != 1)
        return -1;
    if (status.permissions != 0600) {
        if (const int error = FileSystem::setPermissions(fd, 0600))
            return error;
    }
    if (const int error = FileSystem::truncate(fd, 0))
        return error;
    return FileSystem::writeAll(fd, data.constData(), data.size());
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
    const int made = FileSystem::makeFolderAt(FileSystem::kCurrentFolder, bytes.constData(), 0700);
    if (made != 0 && made != EEXIST) {
        error = systemErrorText(made);
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
    // Not emptied yet: nothing is changed before the file has been checked.
    FileDescriptor fd = FileSystem::openOrCreateFileAt(FileSystem::kCurrentFolder,
                                                       QFile::encodeName(file).constData(), 0600);
    if (!fd) {
        error = fd.error() == ELOOP ? QStringLiteral("%1 is a symbolic link.").arg(file)
                                    : systemErrorText(fd.error());
        return false;
    }
    const int written = replaceContents(fd.get(), data);
    const int closed = fd.close();
    if (written == -1) {
        error = QStringLiteral("%1 is not a regular file of the user's own.").arg(file);
        return false;
    }
    if (written != 0 || closed != 0) {
        error = systemErrorText(written != 0 ? written : closed);
        return false;
    }
    return true;
}

bool exportRows(const FileRows &rows, QString &file, QString &error)
{
    file = path(error);
    return !file.isEmpty() && write(file, text(rows), error);
}

} // namespace ExportFile
