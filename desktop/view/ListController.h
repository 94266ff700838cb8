#pragma once

#include "core/engine/rename/NameMapping.h"
#include "core/engine/settings/AppSettings.h"
#include "core/engine/settings/RenameParameters.h"
#include "core/listing/FileListModel.h"
#include "desktop/ui/FailedRenames.h"
#include "desktop/view/BatchRun.h"
#include "desktop/view/BatchUndo.h"
#include "desktop/view/ListedRows.h"
#include "desktop/view/ListingQueue.h"
#include "desktop/view/NewNamesCompute.h"
#include "desktop/view/UndoAvailability.h"

#include <QObject>

#include <functional>
#include <optional>
#include <utility>

class ListingFrame;
class QWidget;

// What one document window's list does besides showing itself. It ties together the owners
// of each job: the rows (ListedRows), their loads (ListingQueue), the new names
// (NewNamesCompute), the batch (BatchRun) and the undo (BatchUndo, UndoAvailability), and
// keeps the caption and status texts. The list view shows the model and turns the user's
// commands into calls here.
class ListController : public QObject
{
    Q_OBJECT
public:
    using AfterLoad = ListingQueue::AfterLoad;

    // frame: where captions, panes and progress go (may be nullptr); promptParent: the widget
    // messages are shown over; post: queues a command for the view.
    ListController(ListingFrame *frame, QWidget *promptParent, std::function<void(int id)> post);
    ~ListController() override;

    // Empties the list; the listing filters are read again.
    void reset();
    // Lists the folder (a newly chosen one, or the current one again when folder is empty).
    void requestLoad(std::optional<QString> folder, AfterLoad then);
    // Lists the current folder again (nothing when there is none), then the steps of `then`.
    void LoadFileList(AfterLoad then = AfterLoad::Nothing);
    void UpdateFolderCaption();
    // The folder information pane keeps its text when the folder count of the last load no
    // longer applies.
    void UpdateStatusSummary(std::optional<int> foldersRecorded = std::nullopt);
    void LoadListingSettings() { m_loads.LoadListingSettings(); }

    // From the parameters in the store; rows being listed get their new names once they are in.
    void onDisplayNewNames();
    void computeNewNames();
    void computeNewNames(const RenameParameters &parameters);
    // The parameters as the rename parameters window has them: the new names are computed
    // from them after the current event (edits that come faster are merged).
    void setRenameParameters(const RenameParameters &parameters);
    // A large list gets its new names in slices between event-loop turns, the rows on screen
    // first. finishNewNames computes what is left at once: call it before reading new names.
    void finishNewNames() { m_newNames.finish(); }
    bool newNamesPending() const { return m_newNames.pending(); }
    // The first and last row the view shows ({-1, -1} when none), computed first.
    void setVisibleRows(std::function<std::pair<int, int>()> visibleRows)
    {
        m_newNames.setVisibleRows(std::move(visibleRows));
    }
    // Lists of at least this many rows are computed in slices.
    static constexpr int kSlicedFromRows = NewNamesCompute::kSlicedFromRows;

    // A click on a column's header: the rows in that column's order (the names in natural
    // order when the settings say so), and their new names computed again, since the running
    // numbers follow the list's order. Later loads keep the order. Refused (false) while a
    // load or a batch runs.
    bool sortByColumn(int column, bool descending);

    // The batch rename of every checked row, asked about through the prompts.
    void OnStartRenaming();

    // Cmd::UndoRename: names the newest batch not yet undone, asks, renames its files back as
    // the journal's undo does, then lists the folder again.
    void onUndoRename() { m_undo.onUndoRename(); }
    // At start-up: offers to undo or keep each batch that was cut off half way.
    void offerInterruptedBatches() { m_undo.offerInterruptedBatches(); }
    // Whether the journal holds a batch that onUndoRename would undo, as last looked up
    // (after every load, undo and single-file rename, in any window). The look-up runs on a
    // worker; undoLookedUp() follows when its answer is in.
    static bool undoAvailable() { return UndoAvailability::available(); }
    void lookUpUndoAvailable() { m_undoAvailability.lookUp(); }

    // Stops the load (the rows found so far are shown, the summary says the list is partial;
    // loads waiting their turn are dropped) or the batch (after its current rename; the
    // journal records the rows left). Nothing when neither runs.
    void cancelWork();
    bool canCancel() const { return isLoading() || m_renaming; }

    const QString &folder() const { return m_loads.folder(); }
    // The sub-folders the last load met but could not read: its rows are the other folders'.
    const std::vector<UnreadFolder> &unreadFolders() const { return m_unreadFolders; }
    FileListModel &fileModel() { return m_rows.model(); }
    const FileListModel &fileModel() const { return m_rows.model(); }
    bool isLoading() const { return m_loads.isLoading(); }
    // A batch is renaming files: the rows stay as they were asked about.
    bool isRenaming() const { return m_renaming; }

    // For tests: hold a load's or a batch's worker at its progress reports (see ListingQueue
    // and BatchRun).
    void setLoadCheckpoint(ListingJob::Checkpoint checkpoint)
    {
        m_loads.setProgressCheckpoint(std::move(checkpoint));
    }
    void setBatchCheckpoint(BatchRun::Checkpoint checkpoint)
    {
        m_batch.setProgressCheckpoint(std::move(checkpoint));
    }

    // Names edited by hand or loaded from a list (NewNamesCompute): they win over the rule
    // until the parameters change or the folder is listed again.
    void setEditedName(int row, const QString &name) { m_newNames.setEditedName(row, name); }
    void setEditedNames(const std::vector<std::pair<int, QString>> &names)
    {
        m_newNames.setEditedNames(names);
    }
    bool isNameEdited(int row) const { return m_newNames.isEdited(row); }
    // Rename from List: reads the mapping file (NameMapping) and gives each row it names its
    // new name; the rows it does not name are unchecked, so the batch renames what it says.
    // Returns the problems, by line, that kept the file from loading (then nothing changed).
    std::vector<MappingProblem> loadNamesFromList(const QString &path);

signals:
    // After every finished load, its messages shown and its follow-up steps done.
    void loadFinished();
    // Loading or renaming started or ended.
    void busyChanged();
    // After every computation of the "New File Name" column.
    void newNamesComputed();
    // After names were edited by hand or loaded from a list, or their edits cleared.
    void newNamesEdited();
    // Renames of a batch or an undo failed: the shell lists them, with the number renamed.
    void renamesFailed(int renamed, const QList<FailedRename> &failures);
    // undoAvailable() has a new answer.
    void undoLookedUp();

private:
    void onLoadFinished(ListingJob *job, AfterLoad then);
    // listed: the load replaced the rows.
    void runAfterLoad(AfterLoad then, bool listed);
    void setRenaming(bool renaming);
    // Puts the rows in the order the last header click chose, if any.
    void applySort();
    // The text shown over the file statistics once the posted reload is done.
    void reloadThenShow(const QString &text);

    ListingFrame *m_frame;
    QWidget *m_promptParent;
    std::function<void(int id)> m_post;
    CAppSettings m_settings;
    ListedRows m_rows;
    NewNamesCompute m_newNames{m_rows};
    ListingQueue m_loads;
    BatchRun m_batch;
    UndoAvailability m_undoAvailability;
    BatchUndo m_undo;

    struct ListSort
    {
        int column;
        bool descending;
    };
    std::optional<ListSort> m_sort;            // the order chosen by a header click
    std::vector<UnreadFolder> m_unreadFolders; // of the last load
    bool m_renaming = false;                   // a batch or an undo is renaming files
    bool m_computeAfterLoads = false;          // new names asked for while a load ran
    QString m_statusAfterBatchReload;      // shown in the status bar once the posted reload is done
    RenameParameters m_handedParameters;   // the last value the parameters window handed over
    RenameParameters m_computedParameters; // those of the last computation
    std::size_t m_shownMarks = 0;          // marked rows the left pane counts
    bool m_handedComputePosted = false;    // a computation from it is waiting in the queue
};
