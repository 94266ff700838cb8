#pragma once

#include "desktop/ui/FailedRenames.h"

#include <QList>
#include <QString>

#include <functional>

class QWidget;
struct UndoPlan;

// Cmd::UndoRename and the start-up offer for batches cut off half way: both ask through the
// prompts, then run the journal's own undo (JournalUndo.h), the one quirewell-cli's undo runs.
class BatchUndo
{
public:
    // What the list does around an undo.
    struct Steps
    {
        std::function<void(bool renaming)> setRenaming; // while the files go back
        std::function<void()> journalChanged;           // the undo's availability may change
        std::function<void(const QString &text)> reloadThenShow; // after the undo
        std::function<void(int renamed, const QList<FailedRename> &)> renamesFailed;
    };

    BatchUndo(QWidget *promptParent, Steps steps);

    // Names the newest batch not yet undone, asks, renames its files back, then has the
    // folder listed again.
    void OnUndoRename();
    // Offers to undo or keep each batch that was cut off half way.
    void offerInterruptedBatches();

private:
    void undoBatch(const UndoPlan &plan);

    QWidget *m_promptParent;
    Steps m_steps;
};
