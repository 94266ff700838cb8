#include "listing/EnumerateFiles.h"

#include <QFile>

#include <algorithm>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct Item
{
    QByteArray name;
    QString folded; // case-folded name, only for names with non-ASCII bytes
    qint64 size = 0;
    qint64 mtime = 0;
    mode_t mode = 0;
    bool statOk = false;
    bool ascii = true;
};

inline uchar asciiLower(uchar c)
{
    return (c >= 'A' && c <= 'Z') ? uchar(c + ('a' - 'A')) : c;
}

bool isAscii(const char *s, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (uchar(s[i]) >= 0x80)
            return false;
    return true;
}

int compareSizes(qsizetype a, qsizetype b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

// Both names ASCII: lower-case letters compared as bytes, the same order as comparing their
// case-folded UTF-16 forms.
int compareAsciiFolded(const QByteArray &a, const QByteArray &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const uchar *pa = reinterpret_cast<const uchar *>(a.constData());
    const uchar *pb = reinterpret_cast<const uchar *>(b.constData());
    for (qsizetype i = 0; i < n; ++i) {
        const uchar ca = asciiLower(pa[i]);
        const uchar cb = asciiLower(pb[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return compareSizes(a.size(), b.size());
}

// An ASCII name against the folded UTF-16 form of another name.
int compareAsciiWithFolded(const QByteArray &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const uchar *pa = reinterpret_cast<const uchar *>(a.constData());
    const QChar *pb = b.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ca = asciiLower(pa[i]);
        const char16_t cb = pb[i].unicode();
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return compareSizes(a.size(), b.size());
}

int compareFolded(const Item &a, const Item &b)
{
    if (a.ascii && b.ascii)
        return compareAsciiFolded(a.name, b.name);
    if (a.ascii)
        return compareAsciiWithFolded(a.name, b.folded);
    if (b.ascii)
        return -compareAsciiWithFolded(b.name, a.folded);
    return a.folded.compare(b.folded, Qt::CaseSensitive);
}

// Case-insensitive order; names equal but for case keep a fixed byte order.
bool nameLess(const Item &a, const Item &b)
{
    const int c = compareFolded(a, b);
    if (c != 0)
        return c < 0;
    const qsizetype n = std::min(a.name.size(), b.name.size());
    const int bytes = std::memcmp(a.name.constData(), b.name.constData(), size_t(n));
    if (bytes != 0)
        return bytes < 0;
    return a.name.size() < b.name.size();
}

bool isDots(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Reads every entry of folder into items, with one lstat-like look-up each, and sorts their
// indices into order. False when the folder cannot be opened.
bool readFolder(const QByteArray &folder, std::vector<Item> &items, std::vector<quint32> &order)
{
    items.clear();
    order.clear();
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    while (const dirent *de = ::readdir(dir)) {
        if (isDots(de->d_name))
            continue;
        Item &item = items.emplace_back();
        const size_t length = std::strlen(de->d_name);
        item.name = QByteArray(de->d_name, qsizetype(length));
        item.ascii = isAscii(de->d_name, length);
        if (!item.ascii)
            item.folded = QString::fromUtf8(item.name).toCaseFolded();
        struct stat st;
        if (::fstatat(fd, de->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
            item.statOk = true;
            item.mode = st.st_mode;
            item.size = st.st_size;
            item.mtime = st.st_mtim.tv_sec;
        }
    }
    ::closedir(dir);

    order.resize(items.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = quint32(i);
    std::sort(order.begin(), order.end(),
              [&items](quint32 a, quint32 b) { return nameLess(items[a], items[b]); });
    return true;
}

} // namespace

// One folder's entries, read in full before any of them is reported, so that the folder's
// handle is closed before the walk goes deeper (a deep tree never holds many handles open).
struct CEnumerateFiles::WalkLevel
{
    QByteArray folder; // ends in '/'
    std::vector<Item> items;
    std::vector<quint32> order;
};

CEnumerateFiles::CEnumerateFiles() = default;
CEnumerateFiles::~CEnumerateFiles() = default;

void CEnumerateFiles::EnumerateFolder(const QString &folder, bool recurse)
{
    EnumerateFolder(QFile::encodeName(folder), recurse);
}

// Recursive for sub-folders, through the virtual call, with a small frame: the entries of
// each depth live on the heap in m_levels.
void CEnumerateFiles::EnumerateFolder(const QByteArray &folder, bool recurse)
{
    if (m_mapFolders.contains(folder))
        return;

    if (m_levels.size() <= m_depth)
        m_levels.push_back(std::make_unique<WalkLevel>());
    WalkLevel &level = *m_levels[m_depth];
    level.folder = folder;
    if (!level.folder.endsWith('/'))
        level.folder += '/';

    if (readFolder(folder, level.items, level.order)) {
        ++m_depth;
        for (const quint32 index : level.order) {
            const Item &item = level.items[index];
            if (recurse && item.statOk && S_ISDIR(item.mode)) {
                EnumerateFolder(level.folder + item.name, recurse);
            } else {
                OnFileFound(FoundEntry{level.folder, item.name, item.mode, item.size, item.mtime,
                                       item.statOk});
            }
        }
        --m_depth;
    }
    OnFolderDone(folder);
}

void CEnumerateFiles::OnFolderDone(const QByteArray &folder)
{
    m_mapFolders.insert(folder);
}
