#include "desktop/view/ListingJob.h"

#include "core/engine/names/FileNames.h"
#include "core/listing/presence/FolderPresence.h"

ListingJob::ListingJob(Request request, QObject *parent)
    : QObject(parent), m_request(std::move(request))
{}

ListingJob::~ListingJob()
{
    cancel();
    if (m_worker.joinable())
        m_worker.join();
}

void ListingJob::start()
{
    m_running = true;
    m_presence = std::make_unique<FolderPresence>();
    m_worker = std::thread([this] {
        FileListLoader loader;
        FolderPresence *presence = m_presence.get();
        loader.setFolderStart([presence](const QByteArray &folder) { presence->watch(folder); });
        presence->start(encodeFileName(m_request.folder));
        loader.setFilters(m_request.displayHidden, m_request.displayReadOnly);
        loader.setStopFlag(&m_stop);
        loader.setProgress([this](int rows) {
            m_rowsSoFar.store(rows, std::memory_order_relaxed);
            if (m_request.checkpoint)
                m_request.checkpoint(rows);
        });
        m_result = loader.load(m_request.folder, m_request.recurse, m_rows);
        // Queued to this object: dropped by Qt if the job is deleted before it arrives.
        QMetaObject::invokeMethod(this, &ListingJob::onWorkerDone, Qt::QueuedConnection);
    });
}

std::unique_ptr<FolderPresence> ListingJob::takePresence()
{
    return std::move(m_presence);
}

void ListingJob::onWorkerDone()
{
    m_worker.join();
    m_running = false;
    emit finished();
}
