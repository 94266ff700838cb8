#include "desktop/view/ListingQueue.h"

#include "core/engine/settings/AppSettings.h"
#include "desktop/view/ListingFrame.h"

ListingQueue::ListingQueue(ListingFrame *frame, const CAppSettings &settings, Finished finished)
    : m_frame(frame), m_settings(settings), m_finished(std::move(finished))
{
    m_progressTimer.setInterval(100);
    connect(&m_progressTimer, &QTimer::timeout, this, &ListingQueue::showProgress);
}

void ListingQueue::LoadListingSettings()
{
    m_bDisplayHidden = m_settings.GetDisplayHiddenFiles() != 0;
    m_bDisplayReadOnly = m_settings.GetDisplayReadOnlyFiles() != 0;
}

void ListingQueue::request(std::optional<QString> folder, AfterLoad then)
{
    m_waiting.push_back({std::move(folder), then});
    if (!m_job)
        startNext();
}

void ListingQueue::cancel()
{
    if (!m_job)
        return;
    m_waiting.clear();
    m_job->cancel();
}

void ListingQueue::startNext()
{
    while (!m_job && !m_waiting.empty()) {
        Request request = std::move(m_waiting.front());
        m_waiting.pop_front();
        if (request.folder)
            m_strFolder = *request.folder;
        if (m_strFolder.isEmpty()) {
            m_finished(nullptr, request.then);
            continue;
        }
        ListingJob::Request job;
        job.folder = m_strFolder;
        job.recurse = m_settings.GetViewFilesInSubFolders() != 0;
        job.displayHidden = m_bDisplayHidden;
        job.displayReadOnly = m_bDisplayReadOnly;
        job.checkpoint = m_checkpoint;
        m_job = std::make_unique<ListingJob>(std::move(job));
        m_jobThen = request.then;
        connect(m_job.get(), &ListingJob::finished, this, &ListingQueue::onJobFinished);
        m_job->start();
        showProgress();
        m_progressTimer.start();
        emit started();
    }
}

void ListingQueue::showProgress()
{
    if (m_frame && m_job)
        m_frame->showProgress(
            tr("Listing Files from [%1]: %n File(s) Found", nullptr, int(m_job->rowsSoFar()))
                .arg(m_job->request().folder));
}

void ListingQueue::onJobFinished()
{
    std::unique_ptr<ListingJob> job = std::move(m_job);
    m_progressTimer.stop();
    m_finished(job.get(), m_jobThen);
    startNext();
}
