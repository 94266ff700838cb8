#include "core/system/FileSystem.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileSystem {

static_assert(kCurrentFolder == AT_FDCWD);

namespace {

int lastError()
{
    return errno;
}

FileDescriptor opened(int fd)
{
    return fd >= 0 ? FileDescriptor(fd) : FileDescriptor::failed(lastError());
}

FileType typeOf(mode_t mode)
{
    if (S_ISREG(mode))
        return FileType::Regular;
    if (S_ISDIR(mode))
        return FileType::Folder;
    if (S_ISLNK(mode))
        return FileType::Link;
    return FileType::Other;
}

void fill(const struct stat &st, FileStatus &status)
{
    status.type = typeOf(st.st_mode);
    status.permissions = quint32(st.st_mode & 07777);
    status.owner = quint32(st.st_uid);
    status.device = quint64(st.st_dev);
    status.inode = quint64(st.st_ino);
    status.links = quint64(st.st_nlink);
    status.size = qint64(st.st_size);
    status.modifiedSeconds = qint64(st.st_mtim.tv_sec);
    status.modifiedNanoseconds = qint64(st.st_mtim.tv_nsec);
}

} // namespace

int statusAt(int folder, const char *name, FileStatus &status, Links links)
{
    struct stat st;
    const int flags = links == Links::Followed ? 0 : AT_SYMLINK_NOFOLLOW;
    if (::fstatat(folder, name, &st, flags) != 0)
        return lastError();
    fill(st, status);
    return 0;
}

int status(int fd, FileStatus &status)
{
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return lastError();
    fill(st, status);
    return 0;
}

bool existsAt(int folder, const char *name)
{
    struct stat st;
    return ::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) == 0;
}

FileDescriptor openFolderHandle(const char *path)
{
    return opened(::open(path, O_PATH | O_DIRECTORY | O_CLOEXEC));
}

FileDescriptor openFolder(const char *path)
{
    return opened(::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

FileDescriptor openFolderAt(int parent, const char *name)
{
    return opened(::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

FileDescriptor openFileAt(int folder, const char *name, FileAccess access)
{
    const int mode = access == FileAccess::Append ? O_WRONLY | O_APPEND : O_RDONLY;
    return opened(::openat(folder, name, mode | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
}

FileDescriptor createFileAt(int folder, const char *name, quint32 permissions)
{
    return opened(::openat(folder, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                           mode_t(permissions)));
}

FileDescriptor openOrCreateFileAt(int folder, const char *name, quint32 permissions)
{
    return opened(::openat(folder, name, O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                           mode_t(permissions)));
}

int makeFolderAt(int parent, const char *name, quint32 permissions)
{
    return ::mkdirat(parent, name, mode_t(permissions)) == 0 ? 0 : lastError();
}

int removeAt(int folder, const char *name)
{
    return ::unlinkat(folder, name, 0) == 0 ? 0 : lastError();
}

int setPermissions(int fd, quint32 permissions)
{
    return ::fchmod(fd, mode_t(permissions)) == 0 ? 0 : lastError();
}

int truncate(int fd, qint64 size)
{
    return ::ftruncate(fd, off_t(size)) == 0 ? 0 : lastError();
}

bool canListAndEnter(int fd)
{
    return ::faccessat(fd, ".", X_OK | R_OK, 0) == 0;
}

int lock(int fd, LockKind kind, LockWait wait)
{
    const int operation =
        (kind == LockKind::Shared ? LOCK_SH : LOCK_EX) | (wait == LockWait::DontWait ? LOCK_NB : 0);
    return ::flock(fd, operation) == 0 ? 0 : lastError();
}

bool isHeldElsewhere(int error)
{
    return error == EWOULDBLOCK;
}

qint64 read(int fd, char *buffer, qint64 size, int &error)
{
    for (;;) {
        const ssize_t n = ::read(fd, buffer, size_t(size));
        if (n >= 0)
            return qint64(n);
        if (errno != EINTR) {
            error = lastError();
            return -1;
        }
    }
}

qint64 readAt(int fd, char *buffer, qint64 size, qint64 offset, int &error)
{
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, size_t(size), off_t(offset));
        if (n >= 0)
            return qint64(n);
        if (errno != EINTR) {
            error = lastError();
            return -1;
        }
    }
}

int writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return lastError();
        if (n == 0)
            return EIO; // no progress and no reason: give up rather than loop
        data += n;
        size -= n;
    }
    return 0;
}

int writeAllAt(int fd, const char *data, qint64 size, qint64 offset)
{
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size_t(size), off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return lastError();
        if (n == 0)
            return EIO;
        data += n;
        size -= n;
        offset += n;
    }
    return 0;
}

} // namespace FileSystem
