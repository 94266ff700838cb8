#pragma once

#include "core/engine/names/NameConflicts.h"
#include "core/listing/FileListModel.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class FolderPresence;
class ListingJob;

// The rows one list shows and what is known of how they were listed: the listing's
// filters as they found them, whether it was cut short, and the watch on their folders.
// Rows that a new listing replaces are freed on a thread of their own.
class ListedRows
{
public:
    ListedRows();
    ~ListedRows();
    ListedRows(const ListedRows &) = delete;
    ListedRows &operator=(const ListedRows &) = delete;

    FileListModel &model() { return m_model; }
    const FileListModel &model() const { return m_model; }

    // Empties the list.
    void clear();
    // The rows of a finished listing, and what it saw.
    void takeListing(ListingJob &job);
    // Waits until replaced rows are freed.
    void finishReleasing();

    // Changes in the folders of the rows shown, or nullptr when they are not watched.
    FolderPresence *presence() const { return m_presence.get(); }
    // Stops watching: a batch renames the files, and the reload after it watches anew.
    void forgetPresence();

    bool subFoldersListed() const { return m_subFoldersListed; }
    // The entries of the rows' folders that are not rows, read at the first need after the
    // rows changed; folders the watch saw change (all, when unwatched) are read again.
    const UnlistedNames &unlistedNames();
    // The left pane's text for these rows; hiddenShown and readOnlyShown are the filters now.
    QString statistics(const QString &folder, bool hiddenShown, bool readOnlyShown) const;

private:
    // Freeing a million names takes longer than the window may go without painting.
    void release(FileRows &&rows);

    FileListModel m_model;
    std::unique_ptr<FolderPresence> m_presence;
    std::thread m_release; // frees the rows a listing replaced
    // Reads the unlisted entries on a thread of their own as soon as the rows change: the
    // folders of a million rows take longer to read than the window may go without painting.
    void startReadingUnlisted();

    std::optional<UnlistedNames> m_unlisted;
    struct UnlistedRead;
    std::shared_ptr<UnlistedRead> m_unlistedRead; // under way or done; taken at the first need
    bool m_bHiddenSeen = false;
    bool m_bReadOnlySeen = false;
    bool m_subFoldersListed = false;
    bool m_listPartial = false; // the rows come from a cancelled load
};
