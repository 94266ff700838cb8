#pragma once

#include "core/system/FileSystem.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <atomic>
#include <memory>
#include <vector>

class LookupPartner;

// One entry met by the walk, with what one lstat-like look-up gives.
// The references are valid during the OnFileFound call only; copies of them are ordinary,
// owning byte arrays.
struct FoundEntry
{
    const QByteArray &folder;  // the entry's folder, exact bytes, ending in '/'
    const QByteArray &name;    // the entry's name, exact bytes
    FileSystem::FileType type; // a link is a link, never its target
    quint32 permissions;       // the mode's permission bits
    qint64 size;
    qint64 mtime;   // seconds since the epoch
    quint64 device; // device and inode: which file this is
    quint64 inode;
    bool statOk; // false when the entry vanished before it could be looked up

    static constexpr quint32 kOwnerWrite = 0200;

    bool isDirectory() const { return statOk && type == FileSystem::FileType::Folder; }
    bool isHidden() const { return name.startsWith('.'); }
    // Read-only means the owner write bit is clear, whoever runs the program.
    bool isReadOnly() const { return statOk && !(permissions & kOwnerWrite); }
    QByteArray path() const { return folder + name; }
};

// A folder the walk met but could not read.
struct UnreadFolder
{
    QByteArray folder; // as passed to EnumerateFolder
    int error;         // why (an errno value, for systemErrorText)
};

// Walks one folder, and optionally all of its sub-folders, depth-first. Each folder's
// entries are sorted by name, case-insensitively (ties: case-sensitively), before they are
// reported. A symbolic link is never descended into, and one that leads to a folder is not
// reported either; a folder already walked (the same device and inode) is not entered again. A
// folder that cannot be read yields no entries, is still recorded and is listed with the reason in
// m_unreadFolders. The walk always ends. Only the top folder is opened by its path; the walk
// goes down by names relative to open folders, so neither depth nor path length limits it.
class CEnumerateFiles
{
public:
    CEnumerateFiles();
    virtual ~CEnumerateFiles();
    CEnumerateFiles(const CEnumerateFiles &) = delete;
    CEnumerateFiles &operator=(const CEnumerateFiles &) = delete;

    // folder: the path without a trailing '/' (the root "/" keeps its one).
    virtual void EnumerateFolder(const QByteArray &folder, bool recurse);
    void EnumerateFolder(const QString &folder, bool recurse);

    // Once *stop is set (from any thread), the walk reports nothing more and ends; the entries
    // reported so far stay reported. A folder being read when it is set is not reported.
    void setStopFlag(const std::atomic<bool> *stop) { m_stop = stop; }
    bool stopRequested() const { return m_stop && m_stop->load(std::memory_order_relaxed); }

protected:
    // Once per walked folder, just before its entries are read (folder as passed to
    // EnumerateFolder). Does nothing here.
    virtual void onFolderStart(const QByteArray &folder);
    // Once per walked folder, after its entries were read and sorted and before they are
    // reported: how many there are (sub-folders included). Does nothing here.
    virtual void onFolderRead(size_t entries);
    // Once per walked folder, after its entries; records the folder.
    virtual void OnFolderDone(const QByteArray &folder);
    // Every entry that the walk does not itself descend into.
    virtual void OnFileFound(const FoundEntry &entry) = 0;

    // Empties the record of walked and unread folders, for a new walk.
    void forgetWalkedFolders();

    // Folders walked, exactly as passed to EnumerateFolder.
    QSet<QByteArray> m_walkedFolders;
    // The walked folders that could not be read, in the order they were met.
    std::vector<UnreadFolder> m_unreadFolders;

private:
    struct WalkLevel;
    // Entry buffers, one per depth of the walk, reused from folder to folder.
    std::vector<std::unique_ptr<WalkLevel>> m_levels;
    size_t m_depth = 0;
    WalkLevel &levelAt(size_t depth);
    // 0 once the folder at depth has its handle again, or why it could not be had.
    int heldHandle(size_t depth);
    void enterSubFolder(quint64 device, quint64 inode, bool recurse);
    // Whether the folder with this device and inode is met for the first time; records it.
    bool firstVisit(quint64 device, quint64 inode);

    std::unique_ptr<LookupPartner> m_partner; // made for the first large folder
    // Device and inode of every folder walked: a folder met again by another way (a bind
    // mount inside itself, say) is not entered twice.
    QSet<std::pair<quint64, quint64>> m_walkedIdentities;
    const std::atomic<bool> *m_stop = nullptr;
};
