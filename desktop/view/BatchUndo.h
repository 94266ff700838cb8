#pragma once

#include "desktop/ui/FailedRenames.h"

#include "core/engine/rename/BatchRename.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

class ListingFrame;
class QObject;
class QWidget;
struct UndoPlan;

// Cmd::UndoRename and the start-up offer for batches cut off half way: both ask through the
// prompts, then run the journal's own undo (JournalUndo.h), the one quirewell-cli's undo runs.
// The journal is read, the undo planned and the files renamed back on a worker, with the
// window blocked and its progress shown as for a batch; Esc or the cancel control stops it.
class BatchUndo
{
    Q_DECLARE_TR_FUNCTIONS(BatchUndo)

public:
    // What the list does around an undo.
    struct Steps
    {
        std::function<void(bool renaming)> setRenaming; // while the files go back
        std::function<void()> journalChanged;           // the undo's availability may change
        std::function<void(const QString &text)> reloadThenShow; // after the undo
        std::function<void(int renamed, const QList<FailedRename> &)> renamesFailed;
    };

    // context: an object of the interface thread; frame: where the progress goes (may be
    // nullptr).
    BatchUndo(QObject *context, ListingFrame *frame, QWidget *promptParent, Steps steps);

    // Names the newest batch not yet undone, asks, renames its files back, then has the
    // folder listed again.
    void onUndoRename();
    // Offers to undo or keep each batch that was cut off half way.
    void offerInterruptedBatches();
    // Stops the running undo at the next folder, or drops the plan being looked up.
    void stop() { m_stop.store(true); }

private:
    // Runs a journal look-up on a worker, the window blocked and the cancel control in force
    // as for a batch; false when it was cancelled.
    template <typename LookUp> bool lookUpOnWorker(LookUp &&lookUp);
    void undoBatch(const UndoPlan &plan);

    QObject *m_context;
    ListingFrame *m_frame;
    QWidget *m_promptParent;
    Steps m_steps;
    BatchStop m_stop{false};
};
