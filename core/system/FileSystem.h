#pragma once

#include "core/system/FileDescriptor.h"

#include <QtGlobal>

#include <memory>
#include <vector>

// Files and folders: opening, looking up, making and removing entries, locking, reading and
// writing. Calls that take `int folder` borrow an open folder (a FileDescriptor's get(), or
// kCurrentFolder) and resolve names relative to it. Calls returning int give 0 on success or
// the system's error number (an errno value, for systemErrorText).
// A path of any length is taken: one longer than a single system call accepts (PATH_MAX) is
// resolved a stretch at a time, each stretch relative to the folder the one before reached,
// so the result is that of one call on the whole path.
namespace FileSystem {

// Names relative to the working folder.
constexpr int kCurrentFolder = -100;

struct PathAnchor;
// While one lives on a thread, the folders that the thread reaches by deep paths (over 1,024
// bytes) are kept open (a bounded few) and later deep paths below them are resolved from them:
// a batch over the rows of a deep tree then costs a few short opens per folder, where each path
// on its own costs a walk of all of its folders. For the time of one operation only: a
// kept folder moved meanwhile is still found where the path was. Scopes may nest; the outer
// one counts.
class LongPathScope
{
public:
    LongPathScope();
    ~LongPathScope();
    LongPathScope(const LongPathScope &) = delete;
    LongPathScope &operator=(const LongPathScope &) = delete;

private:
    std::unique_ptr<std::vector<PathAnchor>> m_anchors;
};

enum class FileType : quint8
{
    Regular,
    Folder,
    Link,
    Other // a device, FIFO or socket
};

struct FileStatus
{
    FileType type = FileType::Other;
    quint32 permissions = 0; // the mode's permission bits (07777)
    quint32 owner = 0;       // user id
    quint64 device = 0;
    quint64 inode = 0;
    quint64 links = 0;
    qint64 size = 0;
    qint64 modifiedSeconds = 0; // since the epoch
    qint64 modifiedNanoseconds = 0;
};

enum class Links
{
    NotFollowed, // a symbolic link is looked at itself
    Followed
};

// The status of name below folder; a link is looked at itself unless links is Followed.
int statusAt(int folder, const char *name, FileStatus &status, Links links = Links::NotFollowed);
// The status of an open file or folder.
int status(int fd, FileStatus &status);
// Whether name below folder is an entry of any kind (a link is not followed).
bool existsAt(int folder, const char *name);

// A handle of a folder that serves only as the base of calls relative to it (O_PATH): the
// cheapest open, which needs no permission to read the folder.
FileDescriptor openFolderHandle(const char *path);
// The same for a path relative to folder (or an absolute one).
FileDescriptor openFolderHandleAt(int folder, const char *path);
// A folder opened for reading; links in path are followed.
FileDescriptor openFolder(const char *path);
// The folder name below parent as a base-only handle; refused (ELOOP or ENOTDIR) when name
// is a symbolic link.
FileDescriptor openSubFolderHandle(int parent, const char *name);
// The folder name below parent, opened for reading; refused (ELOOP or ENOTDIR) when name is
// a symbolic link.
FileDescriptor openFolderAt(int parent, const char *name);

enum class FileAccess
{
    Read,
    Append // writes go to the end
};
// An existing file name below folder; refused (ELOOP) when name is a symbolic link, and a
// FIFO does not block the open.
FileDescriptor openFileAt(int folder, const char *name, FileAccess access);
// A new, empty file name below folder with the given permissions, open for writing; fails
// with EEXIST when the name is taken by anything, a link included.
FileDescriptor createFileAt(int folder, const char *name, quint32 permissions);
// The file name below folder open for writing, made empty with the given permissions when
// there is none; refused (ELOOP) when name is a symbolic link, and a FIFO does not block the
// open. Nothing in an existing file is changed.
FileDescriptor openOrCreateFileAt(int folder, const char *name, quint32 permissions);
// A regular file below folder open for reading, links followed, with its status. Anything
// else (a FIFO, a device, a socket, a folder) is refused with EINVAL before it is opened, so
// opening has no side effect; one swapped in between the look and the open is closed again.
// With lookedAt set, status already holds what statusAt(..., Links::Followed) gave just
// before, and the file is not looked at again before it is opened.
FileDescriptor openRegularFileAt(int folder, const char *name, FileStatus &status,
                                 bool lookedAt = false);

int makeFolderAt(int parent, const char *name, quint32 permissions);
// Removes the entry name below folder (not a folder).
int removeAt(int folder, const char *name);
int setPermissions(int fd, quint32 permissions);
int truncate(int fd, qint64 size);
// Whether the folder open as fd can be listed and entered by this process.
bool canListAndEnter(int fd);

enum class LockKind
{
    Shared,
    Exclusive
};
enum class LockWait
{
    Wait,
    DontWait
};
// An advisory lock of the whole file (flock), held until every descriptor of this open
// file is closed.
int lock(int fd, LockKind kind, LockWait wait);
// Whether lock()'s error says that another open file holds a lock that conflicts.
bool isHeldElsewhere(int error);

// Reads up to size bytes (a signal does not cut it short): the count read, 0 at the end, or
// -1 with error set.
qint64 read(int fd, char *buffer, qint64 size, int &error);
// The same at offset, without moving the file's position.
qint64 readAt(int fd, char *buffer, qint64 size, qint64 offset, int &error);
// Writes all size bytes, or fails.
int writeAll(int fd, const char *data, qint64 size);
// Writes all size bytes at offset, without moving the file's position.
int writeAllAt(int fd, const char *data, qint64 size, qint64 offset);

} // namespace FileSystem
