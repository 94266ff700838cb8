#include "core/listing/EnumerateFiles.h"

#include "core/engine/names/FileNames.h"
#include "core/listing/LookupPartner.h"
#include "core/system/FileSystem.h"
#include "core/system/FolderReader.h"
#include "core/system/LargeBuffer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace {

// A huge folder's buffers grow to tens of megabytes.
template <class T> using Buffer = std::vector<T, LargeBufferAllocator<T>>;
using ByteBuffer = std::basic_string<char, std::char_traits<char>, LargeBufferAllocator<char>>;

// Sort buffers up to this many entries are kept for the next folder.
constexpr size_t kKeptSortEntries = 1 << 16;

// One entry of a folder. Its name is kept in the folder's name pool (one allocation for all
// the names of the folder, not one each), at nameOffset; a name with non-ASCII bytes also has
// its case-folded form in the folder's list of folded names, at foldedIndex.
// Packed into 48 bytes: a huge folder's items are still held while its rows are made.
struct Item
{
    quint32 nameOffset = 0;
    quint16 nameLength = 0; // a name has at most 255 bytes (NAME_MAX)
    bool statOk : 1 = false;
    bool ascii : 1 = true;
    bool linkToFolder : 1 = false; // dropped once the folder is looked up
    FileSystem::FileType type = FileSystem::FileType::Other;
    quint32 foldedIndex = 0;
    quint32 permissions = 0;
    qint64 size = 0;
    qint64 mtime = 0;
    quint64 device = 0;
    quint64 inode = 0;
};
static_assert(sizeof(Item) == 48);

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

// Where the names of one folder's items are.
struct Names
{
    const char *bytes;
    const QString *folded;
};

QByteArrayView nameOf(const Item &item, const Names &names)
{
    return QByteArrayView(names.bytes + item.nameOffset, item.nameLength);
}

// An ASCII name against the folded UTF-16 form of another name.
int compareAsciiWithFolded(QByteArrayView a, const QString &b)
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

// At least one of the names is not ASCII: compared by case-folded UTF-16, which orders ASCII
// letters exactly as their lower-cased bytes do.
int compareFolded(const Item &a, const Item &b, const Names &names)
{
    if (a.ascii)
        return compareAsciiWithFolded(nameOf(a, names), names.folded[b.foldedIndex]);
    if (b.ascii)
        return -compareAsciiWithFolded(nameOf(b, names), names.folded[a.foldedIndex]);
    return names.folded[a.foldedIndex].compare(names.folded[b.foldedIndex], Qt::CaseSensitive);
}

// Names equal but for case keep a fixed byte order.
bool rawLess(const Item &a, const Item &b, const Names &names)
{
    const quint32 n = std::min(a.nameLength, b.nameLength);
    const int bytes = std::memcmp(names.bytes + a.nameOffset, names.bytes + b.nameOffset, n);
    if (bytes != 0)
        return bytes < 0;
    return a.nameLength < b.nameLength;
}

// What the sort moves: small, and for ASCII names holding the first eight lower-cased bytes,
// so that most comparisons need neither the pool nor the items.
struct SortKey
{
    quint64 prefix; // the first eight folded bytes, big-endian, zero-padded; 0 when not ASCII
    quint32 offset; // into the folded pool
    quint32 length;
    quint32 index; // into the items
    bool ascii;
};

// Names hold no NUL byte, so zero padding orders a shorter name first, as memcmp and then
// the length do.
quint64 prefixOf(const char *folded, quint32 length)
{
    quint64 prefix = 0;
    for (quint32 k = 0; k < 8; ++k)
        prefix = (prefix << 8) | (k < length ? uchar(folded[k]) : 0u);
    return prefix;
}

void sortByName(const Buffer<Item> &items, const Names &names, ByteBuffer &pool,
                Buffer<SortKey> &keys, Buffer<quint32> &order)
{
    pool.clear();
    keys.clear();
    for (quint32 i = 0; i < quint32(items.size()); ++i) {
        const Item &item = items[i];
        SortKey key{0, quint32(pool.size()), 0, i, item.ascii};
        if (item.ascii) {
            for (const char c : nameOf(item, names))
                pool.push_back(char(asciiLower(uchar(c))));
            key.length = item.nameLength;
        }
        keys.push_back(key);
    }
    const char *folded = pool.data();
    for (SortKey &key : keys)
        if (key.ascii)
            key.prefix = prefixOf(folded + key.offset, key.length);
    std::sort(keys.begin(), keys.end(), [&](const SortKey &a, const SortKey &b) {
        int c;
        if (a.ascii && b.ascii) {
            if (a.prefix != b.prefix)
                return a.prefix < b.prefix;
            c = std::memcmp(folded + a.offset, folded + b.offset, std::min(a.length, b.length));
            if (c == 0)
                c = compareSizes(a.length, b.length);
        } else {
            c = compareFolded(items[a.index], items[b.index], names);
        }
        if (c != 0)
            return c < 0;
        return rawLess(items[a.index], items[b.index], names);
    });
    order.resize(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        order[i] = keys[i].index;
}

// A link whose target is a folder counts as a folder that is never entered, so the walk
// skips it: neither a row nor a way into a cycle.
bool isLinkToFolder(int folder, const char *name)
{
    FileSystem::FileStatus target;
    return FileSystem::statusAt(folder, name, target, FileSystem::Links::Followed) == 0 &&
           target.type == FileSystem::FileType::Folder;
}

// Folders with at least this many entries are looked up on two threads; below it, waking the
// partner costs more than it saves.
constexpr size_t kLookedUpInPairsFrom = 256;
// Entries taken at a time by either thread.
constexpr size_t kLookUpChunk = 128;

// The lstat-like look-up of items[begin, end) in the folder open as folder. Each name in the
// pool ends in a NUL byte.
void lookUp(int folder, Item *items, const char *names, size_t begin, size_t end)
{
    for (size_t i = begin; i < end; ++i) {
        Item &item = items[i];
        const char *name = names + item.nameOffset;
        FileSystem::FileStatus status;
        if (FileSystem::statusAt(folder, name, status) != 0)
            continue; // vanished since it was read: reported without what a look-up gives
        if (status.type == FileSystem::FileType::Link && isLinkToFolder(folder, name)) {
            item.linkToFolder = true;
            continue;
        }
        item.statOk = true;
        item.type = status.type;
        item.permissions = status.permissions;
        item.size = status.size;
        item.mtime = status.modifiedSeconds;
        item.device = status.device;
        item.inode = status.inode;
    }
}

bool stopped(const std::atomic<bool> *stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}

// Reads every entry of the folder open as folder into items and their names into names, then
// looks each one up (a large folder on two threads, the partner being made when first needed).
// False when the folder cannot be read (error then says why), or when stop was set meanwhile.
bool readFolder(int folder, Buffer<Item> &items, ByteBuffer &names, std::vector<QString> &folded,
                const std::atomic<bool> *stop, std::unique_ptr<LookupPartner> &partner, int &error)
{
    items.clear();
    names.clear();
    folded.clear();
    FolderReader reader(folder);
    if (!reader.isOpen()) {
        error = reader.error();
        return false;
    }
    while (const char *entry = reader.next()) {
        if (items.size() % 1024 == 0 && stopped(stop)) {
            items.clear();
            return false;
        }
        Item &item = items.emplace_back();
        const size_t length = std::strlen(entry);
        item.nameOffset = quint32(names.size());
        item.nameLength = quint16(length);
        names.append(entry, length + 1);
        item.ascii = isAscii(entry, length);
        if (!item.ascii) {
            item.foldedIndex = quint32(folded.size());
            folded.push_back(foldedFileName(decodeFileName(QByteArray(entry, qsizetype(length)))));
        }
    }
    const int fd = reader.folder();

    if (items.size() < kLookedUpInPairsFrom) {
        lookUp(fd, items.data(), names.data(), 0, items.size());
    } else {
        if (!partner)
            partner = std::make_unique<LookupPartner>();
        partner->forEachChunk(items.size(), kLookUpChunk, [&](size_t begin, size_t end) {
            if (!stopped(stop))
                lookUp(fd, items.data(), names.data(), begin, end);
        });
    }
    if (stopped(stop)) {
        items.clear();
        return false;
    }
    std::erase_if(items, [](const Item &item) { return item.linkToFolder; });
    return true;
}

// Folders at most this deep keep their handles while the walk is below them; deeper, only every
// kHeldEvery-th one does, and a folder whose handle was let go is opened again from the nearest
// held one when another of its sub-folders is entered. The walk of a tree however deep so holds
// a bounded share of descriptors (depth / kHeldEvery), and no path is ever given to the system.
constexpr size_t kAlwaysHeld = 64;
constexpr size_t kHeldEvery = 64;

bool keepsHandle(size_t depth)
{
    return depth < kAlwaysHeld || depth % kHeldEvery == 0;
}

} // namespace

// One folder's entries, read in full before any of them is reported, so that the folder's
// reading handle is closed before the walk goes deeper.
struct CEnumerateFiles::WalkLevel
{
    QByteArray folder;     // ends in '/'
    FileDescriptor handle; // base-only; may be let go while the walk is deeper
    quint64 device = 0;    // which folder it is, to check a handle opened again
    quint64 inode = 0;
    Buffer<Item> items;
    ByteBuffer names;            // every item's name, one after the other
    std::vector<QString> folded; // the case-folded names of the non-ASCII ones
    QByteArray name;             // the name being reported (or entered), reused
    Buffer<quint32> order;
    ByteBuffer foldedPool;
    Buffer<SortKey> keys;
};

CEnumerateFiles::CEnumerateFiles() = default;
CEnumerateFiles::~CEnumerateFiles() = default;

void CEnumerateFiles::EnumerateFolder(const QString &folder, bool recurse)
{
    EnumerateFolder(encodeFileName(folder), recurse);
}

CEnumerateFiles::WalkLevel &CEnumerateFiles::levelAt(size_t depth)
{
    while (m_levels.size() <= depth)
        m_levels.push_back(std::make_unique<WalkLevel>());
    return *m_levels[depth];
}

// The handle of the folder at depth, opened again when it was let go: name by name from the
// nearest folder above whose handle is held, each name being the sub-folder the walk entered.
// Fails when a folder on the way is gone or is another one now.
int CEnumerateFiles::heldHandle(size_t depth)
{
    WalkLevel &level = *m_levels[depth];
    if (level.handle)
        return 0;
    size_t from = depth;
    while (from > 0 && !m_levels[from]->handle)
        --from;
    FileDescriptor handle;
    int base = m_levels[from]->handle.get();
    for (size_t d = from; d < depth; ++d) {
        handle = FileSystem::openSubFolderHandle(base, m_levels[d]->name.constData());
        if (!handle)
            return handle.error();
        base = handle.get();
    }
    FileSystem::FileStatus status;
    if (const int error = FileSystem::status(handle.get(), status))
        return error;
    if (status.device != level.device || status.inode != level.inode)
        return ENOENT; // replaced while the walk was below it
    level.handle = std::move(handle);
    return 0;
}

// Recursive for sub-folders, through the virtual call, with a small frame: the entries of
// each depth live on the heap in m_levels. The top folder is opened by its path; every folder
// below it is opened by its name relative to its parent's handle, which the parent's loop puts
// into the level before the call.
void CEnumerateFiles::EnumerateFolder(const QByteArray &folder, bool recurse)
{
    if (m_walkedFolders.contains(folder) || stopRequested())
        return;
    WalkLevel &level = levelAt(m_depth);
    if (m_depth == 0) {
        level.handle = FileSystem::openFolderHandle(folder.constData());
        // A sub-folder's identity is known from its look-up before it is entered; the top
        // folder's is looked up here.
        FileSystem::FileStatus status;
        if (level.handle && FileSystem::status(level.handle.get(), status) == 0) {
            if (!firstVisit(status.device, status.inode)) {
                level.handle.reset();
                return;
            }
            level.device = status.device;
            level.inode = status.inode;
        }
    }
    level.folder = folder;
    if (!level.folder.endsWith('/'))
        level.folder += '/';

    onFolderStart(folder);
    int error = level.handle ? 0 : level.handle.error();
    const bool read = error == 0 && readFolder(level.handle.get(), level.items, level.names,
                                               level.folded, m_stop, m_partner, error);
    if (error != 0)
        m_unreadFolders.push_back(UnreadFolder{folder, error});
    if (read) {
        const Names names{level.names.data(), level.folded.data()};
        sortByName(level.items, names, level.foldedPool, level.keys, level.order);
        // The sort's own buffers of a huge folder are given back before its entries are
        // reported, which is when the rows they become are made.
        if (level.keys.size() > kKeptSortEntries) {
            level.keys = Buffer<SortKey>();
            level.foldedPool = ByteBuffer();
        }
        onFolderRead(level.order.size());
        const size_t count = level.order.size();
        for (size_t k = 0; k < count && !stopRequested(); ++k) {
            // The items are visited in name order, not in the order they were read: fetch
            // the ones a few steps ahead so that the memory waits overlap.
            if (k + 16 < count)
                __builtin_prefetch(&level.items[level.order[k + 16]]);
            const Item &item = level.items[level.order[k]];
            // Copied into a buffer kept from entry to entry: no allocation unless a caller kept
            // the last name.
            const QByteArrayView name = nameOf(item, names);
            level.name.resize(name.size());
            std::memcpy(level.name.data(), name.data(), size_t(name.size()));
            if (recurse && item.statOk && item.type == FileSystem::FileType::Folder) {
                if (firstVisit(item.device, item.inode))
                    enterSubFolder(item.device, item.inode, recurse);
            } else {
                OnFileFound(FoundEntry{level.folder, level.name, item.type, item.permissions,
                                       item.size, item.mtime, item.device, item.inode,
                                       item.statOk});
            }
        }
    }
    level.handle.reset();
    OnFolderDone(folder);
}

// Enters the sub-folder named by the current level's name, with that device and inode.
void CEnumerateFiles::enterSubFolder(quint64 device, quint64 inode, bool recurse)
{
    const size_t depth = m_depth;
    WalkLevel &child = levelAt(depth + 1);
    WalkLevel &level = *m_levels[depth];
    const int error = heldHandle(depth);
    child.handle =
        error != 0 ? FileDescriptor::failed(error)
                   : FileSystem::openSubFolderHandle(level.handle.get(), level.name.constData());
    child.device = device;
    child.inode = inode;
    if (!keepsHandle(depth))
        level.handle.reset();
    ++m_depth;
    EnumerateFolder(level.folder + level.name, recurse);
    --m_depth;
    child.handle.reset(); // not entered after all (a stop, or met before by its path)
}

bool CEnumerateFiles::firstVisit(quint64 device, quint64 inode)
{
    const qsizetype before = m_walkedIdentities.size();
    m_walkedIdentities.insert({device, inode});
    return m_walkedIdentities.size() != before;
}

void CEnumerateFiles::forgetWalkedFolders()
{
    m_walkedFolders.clear();
    m_unreadFolders.clear();
    m_walkedIdentities.clear();
}

void CEnumerateFiles::onFolderStart(const QByteArray &) {}

void CEnumerateFiles::onFolderRead(size_t) {}

void CEnumerateFiles::OnFolderDone(const QByteArray &folder)
{
    m_walkedFolders.insert(folder);
}
