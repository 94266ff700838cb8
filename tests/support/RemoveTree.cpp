#include "tests/support/RemoveTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

bool removeTree(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    return removeContents(fd) && ::rmdir(folder.constData()) == 0;
}
