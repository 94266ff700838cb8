#include "tests/robustness/FolderSnapshot.h"

#include <QList>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A marker that no test file holds: test contents never start with a NUL byte.
const QByteArray kFolder = QByteArray("\0<folder>", 9);
const QByteArray kLink = QByteArray("\0<link>", 7);

QByteArray readWhole(int folder, const char *name)
{
    const int fd = ::openat(folder, name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return QByteArray("\0<unreadable>", 13);
    QByteArray data;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        data.append(buffer, qsizetype(n));
    }
    ::close(fd);
    return data;
}

// The names in the folder open as folder; fd stays open.
QList<QByteArray> namesIn(int folder)
{
    QList<QByteArray> names;
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!dir) {
        if (fd >= 0)
            ::close(fd);
        return names;
    }
    while (const dirent *de = ::readdir(dir)) {
        const QByteArray name(de->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    ::closedir(dir);
    return names;
}

} // namespace

FolderSnapshot FolderSnapshot::take(const QByteArray &root)
{
    FolderSnapshot snapshot;
    const int fd = ::open(root.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        snapshot.read(fd, QByteArray());
        ::close(fd);
    }
    return snapshot;
}

// Names relative to open folders, one descriptor per depth: no path is longer than a name,
// so trees of any depth are read.
void FolderSnapshot::read(int folder, const QByteArray &relative)
{
    for (const QByteArray &name : namesIn(folder)) {
        const QByteArray rel = relative.isEmpty() ? name : relative + '/' + name;
        struct stat st;
        if (::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            m_entries[rel] = kFolder;
            const int child =
                ::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0) {
                read(child, rel);
                ::close(child);
            }
        } else if (S_ISLNK(st.st_mode)) {
            // On the heap: the frame of a call made once per depth stays small.
            QByteArray target(4096, '\0');
            const ssize_t n = ::readlinkat(folder, name.constData(), target.data(), 4096);
            target.resize(n > 0 ? qsizetype(n) : 0);
            m_entries[rel] = kLink + target;
        } else {
            m_entries[rel] = readWhole(folder, name.constData());
        }
    }
}

bool FolderSnapshot::isFolderMarker(const QByteArray &value)
{
    return value == kFolder;
}

QByteArray FolderSnapshot::folderMarker()
{
    return kFolder;
}

QString FolderSnapshot::differenceTo(const FolderSnapshot &other) const
{
    for (const auto &[path, content] : m_entries) {
        const auto it = other.m_entries.find(path);
        if (it == other.m_entries.end())
            return QStringLiteral("only before: %1").arg(printablePath(path));
        if (it->second != content)
            return QStringLiteral("content differs: %1").arg(printablePath(path));
    }
    for (const auto &entry : other.m_entries) {
        if (!m_entries.count(entry.first))
            return QStringLiteral("only after: %1").arg(printablePath(entry.first));
    }
    return {};
}

QString printablePath(const QByteArray &bytes)
{
    QString out;
    for (const char c : bytes) {
        const uchar u = uchar(c);
        if (u >= 0x20 && u < 0x7f && u != '\\')
            out += QLatin1Char(c);
        else
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
    }
    return out;
}
