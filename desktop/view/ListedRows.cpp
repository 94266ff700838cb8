#include "desktop/view/ListedRows.h"

#include "core/listing/ListingTexts.h"
#include "core/listing/presence/FolderPresence.h"
#include "desktop/view/ListingJob.h"

#include <algorithm>

struct ListedRows::UnlistedRead
{
    std::mutex lock;
    std::condition_variable ready;
    std::optional<UnlistedNames> names;
};

ListedRows::ListedRows()
{
    // New rows, or fewer (the unchecked ones removed, their files now unlisted). The reading
    // starts once the listing's details are taken too (queued), unless a need came first.
    QObject::connect(&m_model, &QAbstractItemModel::modelReset, &m_model, [this] {
        m_unlisted.reset();
        m_unlistedRead.reset();
        QMetaObject::invokeMethod(
            &m_model, [this] { startReadingUnlisted(); }, Qt::QueuedConnection);
    });
}

void ListedRows::startReadingUnlisted()
{
    const FileRows &rows = m_model.rows();
    // Unwatched folders are read afresh at every need anyway.
    if (m_unlisted || m_unlistedRead || rows.rows.empty() || !m_presence)
        return;
    auto read = std::make_shared<UnlistedRead>();
    m_unlistedRead = read;
    // The thread works on copies alone, and is left to end by itself when the rows change
    // again before it is done.
    std::thread([read, paths = UnlistedNames::folderPathsOf(rows),
                 listed = UnlistedNames::listedNamesOf(rows), ignoreCase = !m_subFoldersListed] {
        UnlistedNames names(paths, listed, ignoreCase);
        const std::lock_guard guard(read->lock);
        read->names = std::move(names);
        read->ready.notify_all();
    }).detach();
}

ListedRows::~ListedRows()
{
    finishReleasing();
}

void ListedRows::clear()
{
    release(m_model.setRows({}));
    m_listPartial = false;
    m_presence.reset();
}

void ListedRows::takeListing(ListingJob &job)
{
    const FileListLoader::Result &result = job.result();
    release(m_model.setRows(job.takeRows()));
    m_presence = job.takePresence();
    m_bHiddenSeen = result.hiddenSeen;
    m_bReadOnlySeen = result.readOnlySeen;
    m_subFoldersListed = job.request().recurse;
    m_listPartial = result.cancelled;
}

void ListedRows::finishReleasing()
{
    if (m_release.joinable())
        m_release.join();
}

void ListedRows::forgetPresence()
{
    m_presence.reset();
}

QString ListedRows::statistics(const QString &folder, bool hiddenShown, bool readOnlyShown) const
{
    QString text =
        ListingTexts::fileStatistics(m_model.rowCount(), folder, m_bHiddenSeen && !hiddenShown,
                                     m_bReadOnlySeen && !readOnlyShown);
    if (m_listPartial)
        text += ListingTexts::listingCancelled();
    const RowProblems &problems = m_model.rows().problems;
    return text + ListingTexts::conflictCount(qsizetype(markedRowCount(problems))) +
           ListingTexts::missingValueCount(qsizetype(problems.count(RowProblem::MissingValue)));
}

const UnlistedNames &ListedRows::unlistedNames()
{
    const FileRows &rows = m_model.rows();
    if (!m_unlisted && m_unlistedRead) {
        std::unique_lock guard(m_unlistedRead->lock);
        m_unlistedRead->ready.wait(guard, [this] { return m_unlistedRead->names.has_value(); });
        m_unlisted = std::move(m_unlistedRead->names);
        guard.unlock();
        m_unlistedRead.reset();
        // Read since the rows came: what the watch saw change since is read again below.
    } else if (!m_unlisted) {
        m_unlisted.emplace(rows, !m_subFoldersListed);
        return *m_unlisted;
    }
    std::vector<bool> changed(rows.folders.size(), true);
    if (m_presence) {
        m_presence->refresh();
        for (size_t f = 0; f < rows.folders.size(); ++f)
            changed[f] = m_presence->isDirty(rows.folders[f].rawPath);
    }
    if (std::find(changed.begin(), changed.end(), true) != changed.end())
        m_unlisted->reread(rows, changed);
    return *m_unlisted;
}

void ListedRows::release(FileRows &&rows)
{
    // Below this, freeing takes less than starting a thread.
    constexpr int kReleasedApartFromRows = 20000;
    if (rows.count() < kReleasedApartFromRows)
        return;
    finishReleasing();
    m_release = std::thread([old = std::move(rows)]() mutable { old = FileRows(); });
}
