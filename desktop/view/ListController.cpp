#include "desktop/view/ListController.h"

#include "core/engine/names/NewNameRule.h"
#include "core/listing/ListingTexts.h"
#include "core/listing/presence/FolderPresence.h"
#include "desktop/ui/Prompts.h"
#include "desktop/view/ListingFrame.h"
#include "desktop/view/ListingJob.h"
#include "desktop/view/WaitCursor.h"

#include <QElapsedTimer>

#include <algorithm>

ListController::ListController(ListingFrame *frame, QWidget *promptParent,
                               std::function<void(int id)> post)
    : m_frame(frame), m_promptParent(promptParent), m_post(std::move(post))
{
    m_progressTimer.setInterval(100);
    connect(&m_progressTimer, &QTimer::timeout, this, &ListController::showLoadProgress);
    m_sliceTimer.setSingleShot(true);
    m_sliceTimer.setInterval(0);
    connect(&m_sliceTimer, &QTimer::timeout, this, &ListController::computeNextSlice);
}

ListController::~ListController()
{
    if (m_undoLookUp.joinable())
        m_undoLookUp.join();
    if (m_release.joinable())
        m_release.join();
}

void ListController::releaseRows(FileRows &&rows)
{
    // Below this, freeing takes less than starting a thread.
    constexpr int kReleasedApartFromRows = 20000;
    if (rows.count() < kReleasedApartFromRows)
        return;
    if (m_release.joinable())
        m_release.join();
    m_release = std::thread([old = std::move(rows)]() mutable { old = FileRows(); });
}

void ListController::reset()
{
    stopSlicedCompute();
    m_strFolder.clear();
    releaseRows(m_model.setRows({}));
    m_bListPartial = false;
    m_presence.reset();
    LoadListingSettings();
}

void ListController::OnDisplayNewNames()
{
    // Rows that are being listed get their new names once they are in.
    if (isLoading())
        m_bComputeAfterLoads = true;
    else
        ComputeNewNames();
}

void ListController::LoadListingSettings()
{
    m_bDisplayHidden = m_settings.GetDisplayHiddenFiles() != 0;
    m_bDisplayReadOnly = m_settings.GetDisplayReadOnlyFiles() != 0;
}

void ListController::LoadFileList(AfterLoad then)
{
    requestLoad(std::nullopt, then);
}

void ListController::requestLoad(std::optional<QString> folder, AfterLoad then)
{
    m_pendingLoads.push_back({std::move(folder), then});
    if (!m_job)
        startNextLoad();
}

void ListController::startNextLoad()
{
    while (!m_job && !m_pendingLoads.empty()) {
        LoadRequest request = std::move(m_pendingLoads.front());
        m_pendingLoads.pop_front();
        if (request.folder)
            m_strFolder = *request.folder;
        if (m_strFolder.isEmpty()) {
            runAfterLoad(request.then);
            emit loadFinished();
            continue;
        }
        ListingJob::Request job;
        job.folder = m_strFolder;
        job.recurse = m_settings.GetViewFilesInSubFolders() != 0;
        job.displayHidden = m_bDisplayHidden;
        job.displayReadOnly = m_bDisplayReadOnly;
        m_job = std::make_unique<ListingJob>(std::move(job));
        m_jobThen = request.then;
        connect(m_job.get(), &ListingJob::finished, this, &ListController::onLoadFinished);
        m_job->start();
        showLoadProgress();
        m_progressTimer.start();
        emit busyChanged();
    }
}

void ListController::showLoadProgress()
{
    if (m_frame && m_job)
        m_frame->showProgress(QStringLiteral("Listing Files from [%1]: %2 File(s) Found")
                                  .arg(m_job->request().folder)
                                  .arg(m_job->rowsSoFar()));
}

void ListController::onLoadFinished()
{
    std::unique_ptr<ListingJob> job = std::move(m_job);
    m_progressTimer.stop();
    if (m_frame)
        m_frame->showProgress(m_strAfterBatchReload);
    m_strAfterBatchReload.clear();

    const FileListLoader::Result &result = job->result();
    const QString folder = job->request().folder;
    if (result.status == FileListLoader::Status::CannotList) {
        Prompts::instance().message(m_promptParent, ListingTexts::couldNotList(folder),
                                    Prompts::Icon::Information);
        m_strFolder.clear();
    } else if (result.status == FileListLoader::Status::Listed) {
        stopSlicedCompute(); // its rows are replaced
        releaseRows(m_model.setRows(job->takeRows()));
        m_presence = job->takePresence();
        m_bHiddenSeen = result.hiddenSeen;
        m_bReadOnlySeen = result.readOnlySeen;
        m_bSubFoldersListed = job->request().recurse;
        m_bListPartial = result.cancelled;
        UpdateStatusSummary(result.foldersRecorded);
        if (m_model.rowCount() == 0 && !result.cancelled)
            Prompts::instance().message(m_promptParent, ListingTexts::noFilesFound(folder),
                                        Prompts::Icon::Information);
    }
    runAfterLoad(m_jobThen);
    lookUpUndoAvailable(); // a batch or an undo is followed by a load
    emit busyChanged();
    emit loadFinished();
    startNextLoad();
}

void ListController::cancelWork()
{
    if (m_job) {
        m_pendingLoads.clear();
        m_job->cancel();
    }
    if (m_bRenaming)
        m_stopBatch.store(true);
}

void ListController::runAfterLoad(AfterLoad then)
{
    if (then != AfterLoad::Nothing)
        UpdateFolderCaption();
    // A recompute asked for during the loads runs after the last of them, as it would have
    // if they had been done before it was asked for.
    const bool computeAsked = m_bComputeAfterLoads && m_pendingLoads.empty();
    if (computeAsked)
        m_bComputeAfterLoads = false;
    if (then == AfterLoad::CaptionAndNewNames || computeAsked)
        ComputeNewNames();
}

void ListController::UpdateFolderCaption()
{
    if (m_frame)
        m_frame->setCaptionText(ListingTexts::folderCaption(m_strFolder));
}

void ListController::UpdateStatusSummary(std::optional<int> foldersRecorded)
{
    if (!m_frame)
        return;
    const bool hiddenIgnored = m_bHiddenSeen && m_settings.GetDisplayHiddenFiles() == 0;
    const bool readOnlyIgnored = m_bReadOnlySeen && m_settings.GetDisplayReadOnlyFiles() == 0;
    QString statistics = ListingTexts::fileStatistics(m_model.rowCount(), m_strFolder,
                                                      hiddenIgnored, readOnlyIgnored);
    if (m_bListPartial)
        statistics += ListingTexts::listingCancelled();
    m_frame->setFileStatistics(statistics);
    if (foldersRecorded)
        m_frame->setFolderInformation(ListingTexts::folderInformation(*foldersRecorded));
}

void ListController::ComputeNewNames()
{
    ComputeNewNames(RenameParameters::fromSettings(m_settings));
}

void ListController::setRenameParameters(const RenameParameters &parameters)
{
    m_handedParameters = parameters;
    if (m_bHandedComputePosted)
        return;
    m_bHandedComputePosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_bHandedComputePosted = false;
            // As Cmd::DisplayNewNames: nothing while a batch renames; rows being listed get
            // their new names once they are in.
            if (m_bRenaming)
                return;
            if (isLoading())
                m_bComputeAfterLoads = true;
            else
                ComputeNewNames(m_handedParameters);
        },
        Qt::QueuedConnection);
}

void ListController::ComputeNewNames(const RenameParameters &params)
{
    stopSlicedCompute(); // a recompute under way starts again from these parameters
    const int count = m_model.rowCount();
    std::vector<std::uint8_t> present;
    // Which rows' files exist takes a pass over every row: only when the rule looks at it.
    if (newNamesNeedPresence(params)) {
        if (m_presence) {
            // Only the rows of folders changed since the load are looked up; the names are
            // the same as with a look-up of every row.
            present = m_presence->presence(m_model.rows());
        } else if (count >= kSlicedFromRows) {
            present = lookUpPresence(m_model.rows());
        }
    }
    const std::vector<std::uint8_t> *known = present.empty() ? nullptr : &present;
    if (count < kSlicedFromRows) {
        WaitCursor wait;
        ComputeNewFileNames(m_model.mutableRows(), params, known);
        newNamesDone();
        return;
    }
    // The rows on screen now, then the rest in slices between event-loop turns.
    std::pair<int, int> shown = m_visibleRows ? m_visibleRows() : std::pair{-1, -1};
    const size_t first = shown.first < 0 ? 0 : size_t(shown.first);
    const size_t last = shown.first < 0 ? 0 : std::min(size_t(shown.second) + 1, size_t(count));
    ComputeNewFileNames(m_model.mutableRows(), params, known, first, last);
    if (first < last)
        m_model.newNamesChanged(int(first), int(last) - 1);
    m_sliced = SlicedCompute{params, std::move(present), {}};
    if (last < size_t(count))
        m_sliced->left.emplace_back(last, size_t(count));
    if (first > 0)
        m_sliced->left.emplace_back(0, first);
    m_sliceTimer.start();
}

void ListController::computeNextSlice()
{
    if (!m_sliced)
        return;
    // About 4 ms of work per turn, so the window keeps painting.
    constexpr size_t kStep = 2048;
    QElapsedTimer clock;
    clock.start();
    SlicedCompute &job = *m_sliced;
    const std::vector<std::uint8_t> *known = job.present.empty() ? nullptr : &job.present;
    while (!job.left.empty() && clock.nsecsElapsed() < 4'000'000) {
        auto &[from, to] = job.left.front();
        const size_t end = std::min(to, from + kStep);
        ComputeNewFileNames(m_model.mutableRows(), job.params, known, from, end);
        m_model.newNamesChanged(int(from), int(end) - 1);
        from = end;
        if (from == to)
            job.left.erase(job.left.begin());
    }
    if (job.left.empty()) {
        m_sliced.reset();
        emit newNamesComputed();
    } else {
        m_sliceTimer.start();
    }
}

void ListController::finishNewNames()
{
    if (!m_sliced)
        return;
    m_sliceTimer.stop();
    SlicedCompute &job = *m_sliced;
    const std::vector<std::uint8_t> *known = job.present.empty() ? nullptr : &job.present;
    for (const auto &[from, to] : job.left)
        ComputeNewFileNames(m_model.mutableRows(), job.params, known, from, to);
    m_sliced.reset();
    newNamesDone();
}

void ListController::stopSlicedCompute()
{
    m_sliceTimer.stop();
    m_sliced.reset();
}

void ListController::newNamesDone()
{
    m_model.newNamesChanged();
    emit newNamesComputed();
}
