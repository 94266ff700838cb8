#pragma once

#include "core/engine/names/FileRows.h"
#include "core/listing/FileListLoader.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class FolderPresence;

// One folder listing on a worker thread. The rows are built in the job's own table and
// handed to the UI thread when finished() arrives there; nothing is shared meanwhile but
// the row counter used for progress. Each listed folder is watched for changes just before
// it is read, so that later recomputes know which rows' files may be gone.
class ListingJob : public QObject
{
    Q_OBJECT
public:
    // For tests: called on the worker with the rows found so far at each progress report.
    using Checkpoint = std::function<void(int rowsSoFar)>;

    struct Request
    {
        QString folder;
        bool recurse = false;
        bool displayHidden = false;
        bool displayReadOnly = false;
        Checkpoint checkpoint; // none in the program
    };

    explicit ListingJob(Request request, QObject *parent = nullptr);
    // Stops the walk and waits for the worker, which writes into this object.
    ~ListingJob() override;

    void start();
    // Asks the walk to stop; finished() follows with the rows found so far.
    void cancel() { m_stop.store(true, std::memory_order_relaxed); }
    const Request &request() const { return m_request; }
    bool isRunning() const { return m_running; }
    int rowsSoFar() const { return m_rowsSoFar.load(std::memory_order_relaxed); }

    // Valid after finished().
    const FileListLoader::Result &result() const { return m_result; }
    FileRows takeRows() { return std::move(m_rows); }
    // What changed in the listed folders since they were read; for the rows of this job.
    std::unique_ptr<FolderPresence> takePresence();

signals:
    void finished();

private:
    void onWorkerDone();

    Request m_request;
    std::thread m_worker;
    std::atomic<int> m_rowsSoFar{0};
    std::atomic<bool> m_stop{false};
    bool m_running = false;
    FileRows m_rows;
    FileListLoader::Result m_result;
    std::unique_ptr<FolderPresence> m_presence;
};
