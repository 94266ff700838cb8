#include "cli/ListPrinter.h"

#include "core/engine/names/FileNames.h"

ListPrinter::ListPrinter(std::FILE *stream, bool displayHidden, bool displayReadOnly)
    : m_out(stream)
{
    m_filter.displayHidden = displayHidden;
    m_filter.displayReadOnly = displayReadOnly;
}

FileListLoader::Result ListPrinter::print(const QString &folderText, bool recurse)
{
    FileListLoader::Result result;
    const QString folder = withoutTrailingSlashes(folderText);
    if (folder.isEmpty())
        return result;
    if (!FileListLoader::canList(folder)) {
        result.status = FileListLoader::Status::CannotList;
        return result;
    }
    EnumerateFolder(encodeFileName(folder), recurse);
    m_out.flush();
    result.status = FileListLoader::Status::Listed;
    result.foldersRecorded = int(m_walkedFolders.size());
    result.hiddenSeen = m_filter.hiddenSeen;
    result.readOnlySeen = m_filter.readOnlySeen;
    result.cancelled = stopRequested();
    result.unreadFolders = std::exchange(m_unreadFolders, {});
    return result;
}

void ListPrinter::OnFileFound(const FoundEntry &entry)
{
    // The rows FileListLoader would add.
    if (!m_filter.admits(entry))
        return;

    if (m_serial == 0 || entry.folder != m_folder) {
        m_folder = entry.folder;
        escapedBytes(m_folder, m_location);
    }
    escapedBytes(entry.name, m_name);
    appendRow(m_out, RowFields{++m_serial, m_name, m_name, entry.mtime, entry.size, m_location});
}
