#pragma once

#include "core/engine/names/FileRows.h"
#include "core/listing/EnumerateFiles.h"
#include "core/listing/RowFilter.h"

#include <QHash>

#include <atomic>
#include <functional>

class CAppSettings;

// LoadFileList without widgets: tests the folder, walks it with the listing filters and
// appends one row per file that passes them. The desktop view may run it on a worker
// thread; it touches nothing but its own members and the rows it is given.
class FileListLoader : public CEnumerateFiles
{
public:
    enum class Status
    {
        NoFolder,
        CannotList,
        Listed
    };

    struct Result
    {
        Status status = Status::NoFolder;
        int foldersRecorded = 0; // size of the folder record after the walk
        bool hiddenSeen = false;
        bool readOnlySeen = false;
        bool cancelled = false; // the walk was stopped (setStopFlag): the rows are a part
        // Sub-folders that could not be read: the rows are those of the others.
        std::vector<UnreadFolder> unreadFolders;
    };

    // Caches "DisplayHiddenFiles" and "DisplayReadOnlyFiles"; the cache is not re-read
    // before each load.
    void LoadListingSettings(const CAppSettings &settings);
    void setFilters(bool displayHidden, bool displayReadOnly);

    // Rows found so far, for progress; may be called from another thread.
    using Progress = std::function<void(int rowsListed)>;
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // Called with each folder's bytes just before the walk reads it, on the loading thread:
    // a change watcher set up there misses no change made after the read.
    using FolderStart = std::function<void(const QByteArray &folder)>;
    void setFolderStart(FolderStart folderStart) { m_folderStart = std::move(folderStart); }

    // Empties rows and lists folder (no trailing '/'; one given is ignored) into it, recursing
    // when asked. On NoFolder (empty folder text) and CannotList, rows are left untouched.
    Result load(const QString &folder, bool recurse, FileRows &rows);

    // Whether the folder can be entered and read.
    static bool canList(const QString &folder);

protected:
    void onFolderStart(const QByteArray &folder) override;
    void onFolderRead(size_t entries) override;
    void OnFileFound(const FoundEntry &entry) override;

private:
    RowFilter m_filter;
    FileRows *m_rows = nullptr;
    QByteArray m_lastFolder; // folder of the last row added, and its index in FileRows::folders
    quint32 m_lastFolderIndex = 0;
    Progress m_progress;
    FolderStart m_folderStart;
};
