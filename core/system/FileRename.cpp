#include "core/system/FileRename.h"

#include "core/system/FileDescriptor.h"
#include "core/system/FileSystem.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace FileRename {
namespace {

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

bool isFolderAt(int folder, const char *name)
{
    FileSystem::FileStatus status;
    return FileSystem::statusAt(folder, name, status) == 0 &&
           status.type == FileSystem::FileType::Folder;
}

// For file systems without RENAME_NOREPLACE: a new link fails when the target exists.
int linkThenUnlink(int folder, const char *from, const char *to, MoveResult &result)
{
    if (::linkat(folder, from, folder, to, 0) != 0)
        return errno;
    const int error = FileSystem::removeAt(folder, from);
    if (error == 0)
        return 0;
    if (FileSystem::removeAt(folder, to) != 0) // leave the file under its old name only
        result.leftUnderBothNames = true;
    return error;
}

// Whether name is still the empty file created as reserved.
bool isOurReservation(int folder, const char *name, const FileSystem::FileStatus &reserved)
{
    FileSystem::FileStatus now;
    return FileSystem::statusAt(folder, name, now) == 0 &&
           now.type == FileSystem::FileType::Regular && now.device == reserved.device &&
           now.inode == reserved.inode && now.size == 0;
}

// For file systems with neither RENAME_NOREPLACE nor hard links: the target name is taken
// with an empty file of our own first, and only that file is ever replaced.
int renameOverReservation(int folder, const char *from, const char *to)
{
    FileDescriptor reservation = FileSystem::createFileAt(folder, to, 0600);
    if (!reservation)
        return reservation.error();
    FileSystem::FileStatus reserved;
    const int statusError = FileSystem::status(reservation.get(), reserved);
    reservation.reset();
    if (statusError != 0)
        return statusError;
    if (!isOurReservation(folder, to, reserved))
        return EEXIST; // someone replaced or filled it: it is theirs now
    if (::renameat(folder, from, folder, to) == 0)
        return 0;
    const int error = errno;
    if (isOurReservation(folder, to, reserved))
        FileSystem::removeAt(folder, to);
    return error;
}

} // namespace

int renameNoReplace(int folder, const char *from, const char *to)
{
    return ::renameat2(folder, from, folder, to, RENAME_NOREPLACE) == 0 ? 0 : errno;
}

int renameReplacing(int folder, const char *from, const char *to)
{
    return ::renameat(folder, from, folder, to) == 0 ? 0 : errno;
}

MoveResult moveNoReplace(int folder, const char *from, const char *to)
{
    MoveResult result;
    const int renameError = renameNoReplace(folder, from, to);
    if (renameError == 0)
        return result;
    // EINVAL is also how a file system refuses a name; the fallbacks then fail too, and
    // the rename's own error is the one to report.
    if (!flagRefused(renameError) || isFolderAt(folder, from)) {
        result.error = renameError;
        return result;
    }
    int error = linkThenUnlink(folder, from, to, result);
    if (error != 0 && linkUnavailable(error))
        error = renameOverReservation(folder, from, to);
    result.error = (error != 0 && unsupported(error)) ? renameError : error;
    return result;
}

} // namespace FileRename
