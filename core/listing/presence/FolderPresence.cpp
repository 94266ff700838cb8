#include "core/listing/presence/FolderPresence.h"

#include "core/engine/names/FileRows.h"
#include "core/engine/names/NewNameRule.h"
#include "core/system/FileSystem.h"

FolderPresence::FolderPresence() = default;

FolderPresence::~FolderPresence() = default;

QByteArray FolderPresence::key(const QByteArray &folder)
{
    return folder.endsWith('/') ? folder : folder + '/';
}

void FolderPresence::start(const QByteArray &topFolder)
{
    // A fresh queue drops the old watches and whatever they had queued.
    m_changes.reopen();
    m_folders.clear();
    m_watchFolders.clear();
    m_allDirty = !m_changes.isOpen();
    m_top = topFolder;
    FileSystem::FileStatus status;
    m_topKnown = !m_top.isEmpty() && topStatus(status);
    m_topDevice = m_topKnown ? status.device : 0;
    m_topInode = m_topKnown ? status.inode : 0;
}

void FolderPresence::watch(const QByteArray &folder)
{
    Folder entry;
    entry.watch = m_changes.watch(folder.constData());
    entry.dirty = entry.watch < 0;
    if (entry.watch >= 0)
        m_watchFolders.insert(entry.watch, key(folder));
    m_folders.insert(key(folder), entry);
}

void FolderPresence::markDirty(const QByteArray &folder)
{
    m_folders[key(folder)].dirty = true;
}

void FolderPresence::markAllDirty()
{
    m_allDirty = true;
}

void FolderPresence::drainEvents()
{
    // Any change of a watched folder, the end of its watch and an unmount included.
    const bool complete = m_changes.drain([this](int watch) {
        for (auto it = m_watchFolders.constFind(watch);
             it != m_watchFolders.cend() && it.key() == watch; ++it)
            m_folders[it.value()].dirty = true;
    });
    if (!complete)
        markAllDirty();
}

// The top folder's status, its link followed if it is one.
bool FolderPresence::topStatus(FileSystem::FileStatus &status) const
{
    return FileSystem::statusAt(FileSystem::kCurrentFolder, m_top.constData(), status,
                                FileSystem::Links::Followed) == 0;
}

void FolderPresence::checkTopFolder()
{
    FileSystem::FileStatus status;
    if (!m_topKnown || !topStatus(status) || status.device != m_topDevice ||
        status.inode != m_topInode)
        markAllDirty();
}

void FolderPresence::refresh()
{
    drainEvents();
    checkTopFolder();
}

bool FolderPresence::isDirty(const QByteArray &folder) const
{
    if (m_allDirty)
        return true;
    const auto it = m_folders.constFind(key(folder));
    return it == m_folders.cend() || it->dirty;
}

std::vector<std::uint8_t> FolderPresence::presence(const FileRows &rows)
{
    refresh();
    if (m_allDirty)
        return lookUpPresence(rows);

    std::vector<std::uint8_t> folderDirty(rows.folders.size());
    for (size_t f = 0; f < rows.folders.size(); ++f)
        folderDirty[f] = isDirty(rows.folders[f].rawPath);

    // Rows of clean folders are present; the others are looked up together.
    std::vector<std::uint8_t> present(rows.rows.size(), 1);
    std::vector<size_t> lookedUp;
    FileRows subset;
    for (size_t i = 0; i < rows.rows.size(); ++i) {
        const FileRow &row = rows.rows[i];
        // An empty name's full path is the folder itself, which no watch covers.
        if (folderDirty[row.folder] || row.loadedName.isEmpty()) {
            lookedUp.push_back(i);
            subset.rows.push_back(row);
        }
    }
    if (lookedUp.empty())
        return present;
    if (lookedUp.size() == rows.rows.size())
        return lookUpPresence(rows);
    subset.folders = rows.folders;
    const std::vector<std::uint8_t> found = lookUpPresence(subset);
    for (size_t k = 0; k < lookedUp.size(); ++k)
        present[lookedUp[k]] = found[k];
    return present;
}
