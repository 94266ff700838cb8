#pragma once

#include "core/engine/names/FileRows.h"
#include "core/engine/rename/BatchRename.h"

#include <functional>

class ListingFrame;
class QObject;
class QWidget;

// Runs the batch rename of the checked rows: the checks, the question and the renames on a
// worker, while the interface thread turns its event loop, so that the window keeps painting
// and Esc is seen.
class BatchRun
{
public:
    // context: an object of the interface thread; frame: where the progress goes (may be
    // nullptr); promptParent: the widget the questions are shown over.
    BatchRun(QObject *context, ListingFrame *frame, QWidget *promptParent);

    // Returns once the worker is done. cancel: what Esc and the cancel control do;
    // confirmed: runs when the user has said Yes, before the first rename.
    BatchOutcome run(const FileRows &rows, bool subFoldersListed, std::function<void()> cancel,
                     std::function<void()> confirmed, BatchResult &result);
    // Stops the running batch after its current rename; the journal records the rows left.
    void stop() { m_stop.store(true); }

    // For tests: called on the worker at each progress report (renames done so far) of every
    // batch from now on; blocking in it holds the batch at a known point.
    using Checkpoint = std::function<void(int done)>;
    void setProgressCheckpoint(Checkpoint checkpoint) { m_checkpoint = std::move(checkpoint); }

    // What the status bar says once the list is loaded again. A stopped batch says so even
    // when renames failed, though the failures have a window of their own.
    static QString summary(const BatchResult &result);
    // Said, with the warning icon, in place of the question when no checked row would get a
    // new name.
    static QString nothingToRename();

private:
    QObject *m_context;
    ListingFrame *m_frame;
    QWidget *m_promptParent;
    BatchStop m_stop{false};
    Checkpoint m_checkpoint;
};
