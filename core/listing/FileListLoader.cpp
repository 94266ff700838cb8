#include "core/listing/FileListLoader.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/settings/AppSettings.h"
#include "core/system/FileSystem.h"

#include <QFile>

#include <algorithm>

namespace {

// Rows between two progress reports.
constexpr int kProgressStep = 4096;

} // namespace

void FileListLoader::LoadListingSettings(const CAppSettings &settings)
{
    setFilters(settings.GetDisplayHiddenFiles() != 0, settings.GetDisplayReadOnlyFiles() != 0);
}

void FileListLoader::setFilters(bool displayHidden, bool displayReadOnly)
{
    m_filter.displayHidden = displayHidden;
    m_filter.displayReadOnly = displayReadOnly;
}

bool FileListLoader::canList(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const FileDescriptor handle = FileSystem::openFolder(encodeFileName(folder).constData());
    return handle && FileSystem::canListAndEnter(handle.get());
}

FileListLoader::Result FileListLoader::load(const QString &folderText, bool recurse, FileRows &rows)
{
    Result result;
    const QString folder = withoutTrailingSlashes(folderText);
    if (folder.isEmpty())
        return result;
    if (!canList(folder)) {
        result.status = Status::CannotList;
        return result;
    }

    rows.clear();
    forgetWalkedFolders();
    m_filter.hiddenSeen = false;
    m_filter.readOnlySeen = false;
    m_rows = &rows;
    m_lastFolder.clear();
    m_lastFolderIndex = 0;

    EnumerateFolder(encodeFileName(folder), recurse);

    result.status = Status::Listed;
    result.foldersRecorded = int(m_walkedFolders.size());
    result.hiddenSeen = m_filter.hiddenSeen;
    result.readOnlySeen = m_filter.readOnlySeen;
    result.cancelled = stopRequested();
    result.unreadFolders = std::exchange(m_unreadFolders, {});
    forgetWalkedFolders();
    m_rows = nullptr;
    m_lastFolder.clear();
    if (m_progress)
        m_progress(rows.count());
    return result;
}

void FileListLoader::onFolderStart(const QByteArray &folder)
{
    if (m_folderStart)
        m_folderStart(folder);
}

// Room for a folder's rows before they are added: a huge folder gets exactly what it needs
// rather than twice its rows, and many small ones grow the table by half each time.
void FileListLoader::onFolderRead(size_t entries)
{
    if (!m_rows)
        return;
    auto &rows = m_rows->rows;
    const size_t needed = rows.size() + entries;
    if (needed > rows.capacity())
        rows.reserve(std::max(needed, rows.capacity() + rows.capacity() / 2));
}

void FileListLoader::OnFileFound(const FoundEntry &entry)
{
    if (!m_rows || !m_filter.admits(entry))
        return;

    FileRows &rows = *m_rows;
    if (rows.folders.empty() || entry.folder != m_lastFolder) {
        m_lastFolder = entry.folder;
        m_lastFolderIndex = quint32(rows.folders.size());
        rows.folders.push_back(
            FileFolder{decodeFileName(entry.folder), entry.folder, entry.device});
    }

    FileRow &row = rows.rows.emplace_back();
    row.loadedName = decodeFileName(entry.name);
    row.newName = row.loadedName;
    row.size = entry.size;
    row.mtime = entry.mtime;
    row.inode = entry.inode;
    row.serial = qint32(rows.rows.size());
    row.folder = m_lastFolderIndex;
    row.checked = true;

    if (m_progress && rows.rows.size() % kProgressStep == 0)
        m_progress(int(rows.rows.size()));
}
