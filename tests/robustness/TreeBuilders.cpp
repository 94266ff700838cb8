#include "tests/robustness/TreeBuilders.h"

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
