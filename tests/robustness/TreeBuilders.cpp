#include "tests/robustness/TreeBuilders.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace {

bool createEmptyFileAt(int dirFd, const char *name)
{
    const int fd = ::openat(dirFd, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    return fd >= 0 && ::close(fd) == 0;
}

// Empties the folder open as fd; closes fd.
bool removeContents(int fd)
{
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    bool ok = true;
    while (const dirent *de = ::readdir(dir)) {
        const char *name = de->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        struct stat st;
        if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            const int child = ::openat(fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            ok = child >= 0 && removeContents(child) && ok;
            ok = ::unlinkat(fd, name, AT_REMOVEDIR) == 0 && ok;
        } else {
            ok = ::unlinkat(fd, name, 0) == 0 && ok;
        }
    }
    ::closedir(dir);
    return ok;
}

} // namespace

QList<QByteArray> createFolderChain(const QByteArray &root, int depth, const QByteArray &folderName,
                                    int fileEvery)
{
    QList<QByteArray> files;
    int fd = ::open(root.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QByteArray relative;
    for (int level = 1; fd >= 0 && level <= depth; ++level) {
        if (::mkdirat(fd, folderName.constData(), 0755) != 0)
            break;
        const int next = ::openat(fd, folderName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = next;
        relative += folderName + '/';
        if (fd >= 0 && (level % fileEvery == 0 || level == depth)) {
            if (!createEmptyFileAt(fd, "f"))
                break;
            files << relative + 'f';
        }
    }
    const bool complete = fd >= 0 && !files.isEmpty() && files.last().count('/') == depth;
    if (fd >= 0)
        ::close(fd);
    return complete ? files : QList<QByteArray>();
}

bool createManyFiles(const QByteArray &folder, int count, const QByteArray &prefix)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = true;
    char name[64];
    for (int i = 0; ok && i < count; ++i) {
        std::snprintf(name, sizeof name, "%s%07d", prefix.constData(), i);
        ok = createEmptyFileAt(fd, name);
    }
    ::close(fd);
    return ok;
}

bool removeTree(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    return removeContents(fd) && ::rmdir(folder.constData()) == 0;
}
