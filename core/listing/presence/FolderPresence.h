#pragma once

#include "core/system/FileSystem.h"
#include "core/system/FolderWatch.h"

#include <QByteArray>
#include <QHash>

#include <cstdint>
#include <vector>

class FileRows;

// Which rows of a listing still have a file at their full path, without a look-up per row.
//
// Each listed folder is watched (inotify) before it is read, so every change made to it
// after the read is queued by the kernel. A folder with any queued change since its watch
// started is "dirty" and its rows are looked up; the rows of a clean folder are present,
// since the walk saw them after the watch started. A renamed or replaced top folder, a
// lost event queue or a folder that could not be watched makes the affected rows looked up
// too, so the answer is always what a look-up of every row would give.
class FolderPresence
{
public:
    FolderPresence();
    ~FolderPresence();
    FolderPresence(const FolderPresence &) = delete;
    FolderPresence &operator=(const FolderPresence &) = delete;

    // Forgets every watch and starts a new listing of topFolder (with or without the
    // trailing '/'); records the folder's identity to detect a rename of it or of an
    // ancestor.
    void start(const QByteArray &topFolder);
    // Call just before a folder is read. folder: its bytes, with or without the trailing '/'.
    void watch(const QByteArray &folder);
    // Marks a folder as needing look-ups (say, an entry of it could not be examined).
    void markDirty(const QByteArray &folder);

    // Takes in every queued change, then says for each row whether a file is at its full
    // path: present[i] != 0 when row i's entry exists. rows must come from the listing
    // started last.
    std::vector<std::uint8_t> presence(const FileRows &rows);

    // After presence() or refresh(): whether the folder's rows are looked up.
    bool isDirty(const QByteArray &folder) const;
    // Takes in every queued change and checks the top folder's identity.
    void refresh();

private:
    struct Folder
    {
        int watch = -1; // -1: could not be watched, always dirty
        bool dirty = false;
    };

    static QByteArray key(const QByteArray &folder);
    void drainEvents();
    void markAllDirty();
    void checkTopFolder();
    bool topStatus(FileSystem::FileStatus &status) const;

    FolderWatch m_changes;
    QByteArray m_top;
    bool m_topKnown = false;
    quint64 m_topDevice = 0;
    quint64 m_topInode = 0;
    bool m_allDirty = false;
    QHash<QByteArray, Folder> m_folders;        // by folder bytes ending in '/'
    QMultiHash<int, QByteArray> m_watchFolders; // watch descriptor -> folders
};
