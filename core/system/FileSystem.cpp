#include "core/system/FileSystem.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

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

// The longest path one call takes (PATH_MAX counts the closing NUL).
constexpr size_t kLongestPath = PATH_MAX - 1;

// Where a path below folder is, as a call can take it: the path itself when it is short
// enough; otherwise the tail of it below a folder opened a stretch at a time.
struct Place
{
    FileDescriptor held; // the folder opened on the way, if any
    int folder = kCurrentFolder;
    const char *name = nullptr;
    int error = 0; // the way could not be opened: nothing is there to call on

    bool reached() const { return error == 0; }
};

// The folder part of path (relative to folder) opened a stretch at a time, each stretch
// relative to the folder the one before reached; left is path's length.
Place placeInStretches(int folder, const char *path, size_t left)
{
    Place place;
    place.folder = folder;
    const char *rest = path;
    // Each stretch ends before a '/' and is at most kLongestPath bytes. Links on the way are
    // followed, as one open of the whole path would follow them.
    while (left > kLongestPath) {
        size_t cut = kLongestPath;
        while (cut > 0 && rest[cut] != '/')
            --cut;
        if (cut == 0) {
            place.error = ENAMETOOLONG; // one name longer than any the system has
            return place;
        }
        const std::string stretch(rest, cut);
        const int fd = ::openat(place.folder, stretch.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            place.error = lastError();
            return place;
        }
        place.held.reset(fd);
        place.folder = fd;
        while (cut < left && rest[cut] == '/')
            ++cut;
        rest += cut;
        left -= cut;
    }
    place.name = left > 0 ? rest : ".";
    return place;
}

} // namespace

// A folder of a long path opened while a LongPathScope lives.
struct PathAnchor
{
    std::string path; // no trailing '/'
    FileDescriptor handle;
};

namespace {

// The anchors of this thread's scope, each path a prefix of the next; at most kMostAnchors.
constexpr size_t kMostAnchors = 64;
// Paths up to this long are left to the system whole, as everywhere outside a scope.
constexpr size_t kAnchoredFrom = 1024;
// A folder is reached from its nearest anchor this many names at a time, each step kept as an
// anchor: a later path is at most about one step (or, once thinned, a few) from an anchor above
// it, whichever order the folders come in. 16 names of at most 255 bytes fit in one call.
constexpr int kNamesPerStep = 16;
thread_local std::vector<PathAnchor> *g_anchors = nullptr;

bool isFolderOf(const std::string &folder, const std::string &path)
{
    return folder.size() < path.size() && path[folder.size()] == '/' &&
           path.compare(0, folder.size(), folder) == 0;
}

void addAnchor(std::vector<PathAnchor> &anchors, std::string path, int fd)
{
    if (anchors.size() == kMostAnchors) {
        // Every other one goes, the deepest staying: still spread over the whole path.
        std::vector<PathAnchor> kept;
        for (size_t i = 1; i < anchors.size(); i += 2)
            kept.push_back(std::move(anchors[i]));
        anchors = std::move(kept);
    }
    anchors.push_back(PathAnchor{std::move(path), FileDescriptor(fd)});
}

// A long path's folder opened from the deepest anchor above it (or from the working folder),
// kNamesPerStep names at a time, each step kept as an anchor.
Place placeFromAnchors(std::vector<PathAnchor> &anchors, const char *path, size_t length)
{
    Place place;
    const char *slash = static_cast<const char *>(memrchr(path, '/', length));
    if (!slash || slash == path)
        return placeInStretches(kCurrentFolder, path, length);
    const std::string folder(path, size_t(slash - path));
    while (!anchors.empty() && anchors.back().path != folder &&
           !isFolderOf(anchors.back().path, folder))
        anchors.pop_back();
    if (anchors.empty()) {
        // The first anchor: the folder of the longest stretch from the working folder.
        size_t cut = std::min(kLongestPath, folder.size());
        while (cut > 0 && cut < folder.size() && folder[cut] != '/')
            --cut;
        if (cut == 0)
            return placeInStretches(kCurrentFolder, path, length);
        const std::string first = folder.substr(0, cut);
        const int fd = ::openat(kCurrentFolder, first.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            place.error = lastError();
            return place;
        }
        addAnchor(anchors, first, fd);
    }
    while (anchors.back().path != folder) {
        const std::string &from = anchors.back().path;
        size_t end = from.size() + 1;
        for (int names = 0; names < kNamesPerStep && end < folder.size(); ++names) {
            end = folder.find('/', end + 1);
            if (end == std::string::npos)
                end = folder.size();
        }
        end = std::min(end, folder.size());
        const std::string step = folder.substr(from.size() + 1, end - from.size() - 1);
        const int fd =
            ::openat(anchors.back().handle.get(), step.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            place.error = lastError();
            return place;
        }
        addAnchor(anchors, folder.substr(0, end), fd);
    }
    place.folder = anchors.back().handle.get();
    place.name = slash[1] != '\0' ? slash + 1 : ".";
    return place;
}

Place placeOf(int folder, const char *path)
{
    const size_t length = std::strlen(path);
    // Deep paths are resolved from the scope's anchors even below the limit: each one's walk
    // through all of its folders would make a batch over a deep tree quadratic.
    if (g_anchors && length > kAnchoredFrom && (folder == kCurrentFolder || path[0] == '/'))
        return placeFromAnchors(*g_anchors, path, length);
    if (length <= kLongestPath) {
        Place place;
        place.folder = folder;
        place.name = path;
        return place;
    }
    return placeInStretches(folder, path, length);
}

} // namespace

LongPathScope::LongPathScope()
{
    if (!g_anchors) {
        m_anchors = std::make_unique<std::vector<PathAnchor>>();
        g_anchors = m_anchors.get();
    }
}

LongPathScope::~LongPathScope()
{
    if (m_anchors)
        g_anchors = nullptr;
}

int statusAt(int folder, const char *name, FileStatus &status, Links links)
{
    const Place place = placeOf(folder, name);
    if (!place.reached())
        return place.error;
    struct stat st;
    const int flags = links == Links::Followed ? 0 : AT_SYMLINK_NOFOLLOW;
    if (::fstatat(place.folder, place.name, &st, flags) != 0)
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
    const Place place = placeOf(folder, name);
    struct stat st;
    return place.reached() && ::fstatat(place.folder, place.name, &st, AT_SYMLINK_NOFOLLOW) == 0;
}

namespace {

FileDescriptor openPlaced(int folder, const char *path, int flags, mode_t permissions = 0)
{
    const Place place = placeOf(folder, path);
    if (!place.reached())
        return FileDescriptor::failed(place.error);
    return opened(::openat(place.folder, place.name, flags, permissions));
}

} // namespace

FileDescriptor openFolderHandle(const char *path)
{
    return openFolderHandleAt(kCurrentFolder, path);
}

FileDescriptor openFolderHandleAt(int folder, const char *path)
{
    return openPlaced(folder, path, O_PATH | O_DIRECTORY | O_CLOEXEC);
}

FileDescriptor openFolder(const char *path)
{
    return openPlaced(kCurrentFolder, path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

FileDescriptor openSubFolderHandle(int parent, const char *name)
{
    return opened(::openat(parent, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

FileDescriptor openFolderAt(int parent, const char *name)
{
    return opened(::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

FileDescriptor openFileAt(int folder, const char *name, FileAccess access)
{
    const int mode = access == FileAccess::Append ? O_WRONLY | O_APPEND : O_RDONLY;
    return openPlaced(folder, name, mode | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
}

FileDescriptor createFileAt(int folder, const char *name, quint32 permissions)
{
    return openPlaced(folder, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      mode_t(permissions));
}

FileDescriptor openOrCreateFileAt(int folder, const char *name, quint32 permissions)
{
    return openPlaced(folder, name, O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                      mode_t(permissions));
}

FileDescriptor openRegularFileAt(int folder, const char *name, FileStatus &status, bool lookedAt)
{
    const int error = lookedAt ? 0 : statusAt(folder, name, status, Links::Followed);
    if (error != 0)
        return FileDescriptor::failed(error);
    if (status.type != FileType::Regular)
        return FileDescriptor::failed(EINVAL);
    FileDescriptor fd = openPlaced(folder, name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (!fd)
        return fd;
    FileStatus opened;
    const int statusError = FileSystem::status(fd.get(), opened);
    if (statusError != 0)
        return FileDescriptor::failed(statusError);
    if (opened.type != FileType::Regular || opened.device != status.device ||
        opened.inode != status.inode)
        return FileDescriptor::failed(EINVAL);
    status = opened;
    return fd;
}

int makeFolderAt(int parent, const char *name, quint32 permissions)
{
    const Place place = placeOf(parent, name);
    if (!place.reached())
        return place.error;
    return ::mkdirat(place.folder, place.name, mode_t(permissions)) == 0 ? 0 : lastError();
}

int removeAt(int folder, const char *name)
{
    const Place place = placeOf(folder, name);
    if (!place.reached())
        return place.error;
    return ::unlinkat(place.folder, place.name, 0) == 0 ? 0 : lastError();
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
