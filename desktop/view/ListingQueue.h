#pragma once

#include "desktop/view/ListingJob.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

class CAppSettings;
class ListingFrame;

// The loads of one list: the folder, the listing filters, the load running on its worker
// with its progress in the status bar, and the loads asked for meanwhile, which wait their
// turn.
class ListingQueue : public QObject
{
    Q_OBJECT
public:
    // What follows a load, once its rows are in.
    enum class AfterLoad
    {
        Nothing,
        Caption,
        CaptionAndNewNames
    };
    // Called as each load ends: with the finished job, or with nullptr when there was no
    // folder to list. The next load starts after it returns.
    using Finished = std::function<void(ListingJob *job, AfterLoad then)>;

    // frame: where the progress goes (may be nullptr).
    ListingQueue(ListingFrame *frame, const CAppSettings &settings, Finished finished);

    // Lists the folder (a newly chosen one, or the current one again when folder is empty).
    void request(std::optional<QString> folder, AfterLoad then);
    // Stops the running load (finished follows with the rows found so far) and drops the
    // loads waiting their turn.
    void cancel();
    bool isLoading() const { return m_job != nullptr; }
    bool hasWaiting() const { return !m_waiting.empty(); }

    const QString &folder() const { return m_strFolder; }
    void clearFolder() { m_strFolder.clear(); }

    // Reads "DisplayHiddenFiles" and "DisplayReadOnlyFiles" again for the next loads.
    void LoadListingSettings();
    bool displayHidden() const { return m_bDisplayHidden; }
    bool displayReadOnly() const { return m_bDisplayReadOnly; }

    // For tests: called on the worker at each progress report of every load from now on;
    // blocking in it holds the load at a known point.
    void setProgressCheckpoint(ListingJob::Checkpoint checkpoint)
    {
        m_checkpoint = std::move(checkpoint);
    }

signals:
    // A load started on its worker.
    void started();

private:
    struct Request
    {
        std::optional<QString> folder; // a newly chosen folder, taken when the load starts
        AfterLoad then = AfterLoad::Nothing;
    };

    void startNext();
    void onJobFinished();
    void showProgress();

    ListingFrame *m_frame;
    const CAppSettings &m_settings;
    Finished m_finished;
    QString m_strFolder;
    bool m_bDisplayHidden = false;
    bool m_bDisplayReadOnly = false;
    std::unique_ptr<ListingJob> m_job;
    AfterLoad m_jobThen = AfterLoad::Nothing;
    std::deque<Request> m_waiting;
    QTimer m_progressTimer;
    ListingJob::Checkpoint m_checkpoint;
};
