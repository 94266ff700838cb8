#include "tests/robustness/FolderSnapshot.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A marker that no test file holds: test contents never start with a NUL byte.
const QByteArray kFolder = QByteArray("\0<folder>", 9);
const QByteArray kLink = QByteArray("\0<link>", 7);

QByteArray readWhole(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
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

} // namespace

FolderSnapshot FolderSnapshot::take(const QByteArray &root)
{
    FolderSnapshot snapshot;
    snapshot.read(root, QByteArray());
    return snapshot;
}

void FolderSnapshot::read(const QByteArray &root, const QByteArray &relative)
{
    const QByteArray folder = relative.isEmpty() ? root : root + '/' + relative;
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent *de = ::readdir(dir)) {
        const QByteArray name(de->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray rel = relative.isEmpty() ? name : relative + '/' + name;
        const QByteArray full = folder + '/' + name;
        struct stat st;
        if (::lstat(full.constData(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            m_entries[rel] = kFolder;
            read(root, rel);
        } else if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n = ::readlink(full.constData(), target, sizeof target);
            m_entries[rel] = kLink + QByteArray(target, n > 0 ? qsizetype(n) : 0);
        } else {
            m_entries[rel] = readWhole(full);
        }
    }
    ::closedir(dir);
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
