#pragma once

#include "core/engine/rename/BatchRename.h"
#include "core/engine/settings/AppSettings.h"
#include "core/engine/settings/RenameParameters.h"
#include "core/listing/FileListModel.h"
#include "desktop/ui/FailedRenames.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

class FolderPresence;
class ListingFrame;
class ListingJob;
class QWidget;
struct UndoPlan;

// What one document window's list does besides showing itself: the rows, the folder they
// come from, loading it (on a worker thread, further requests waiting their turn), computing
// the new names and running the batch rename. The list view shows its model and turns the
// user's commands into calls here.
class ListController : public QObject
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
    void LoadListingSettings();

    // From the parameters in the store; rows being listed get their new names once they are in.
    void OnDisplayNewNames();
    void ComputeNewNames();
    void ComputeNewNames(const RenameParameters &parameters);
    // The parameters as the rename parameters window has them: the new names are computed
    // from them after the current event (edits that come faster are merged).
    void setRenameParameters(const RenameParameters &parameters);
    // A large list gets its new names in slices between event-loop turns, the rows on screen
    // first. finishNewNames computes what is left at once: call it before reading new names.
    void finishNewNames();
    bool newNamesPending() const { return m_sliced.has_value(); }
    // The first and last row the view shows ({-1, -1} when none), computed first.
    void setVisibleRows(std::function<std::pair<int, int>()> visibleRows)
    {
        m_visibleRows = std::move(visibleRows);
    }
    // Lists of at least this many rows are computed in slices.
    static constexpr int kSlicedFromRows = 20000;

    // The batch rename of every checked row, asked about through the prompts.
    void OnStartRenaming();

    // ListControllerUndo.cpp. Cmd::UndoRename: names the newest batch not yet undone, asks,
    // renames its files back as the journal's undo does, then lists the folder again.
    void OnUndoRename();
    // At start-up: offers to undo or keep each batch that was cut off half way.
    void offerInterruptedBatches();
    // Whether the journal holds a batch that OnUndoRename would undo, as last looked up
    // (after every load, undo and single-file rename, in any window). The look-up runs on a
    // worker; undoLookedUp() follows when its answer is in.
    static bool undoAvailable();
    void lookUpUndoAvailable();

    // Stops the load (the rows found so far are shown, the summary says the list is partial;
    // loads waiting their turn are dropped) or the batch (after its current rename; the
    // journal records the rows left). Nothing when neither runs.
    void cancelWork();
    bool canCancel() const { return isLoading() || m_bRenaming; }

    const QString &folder() const { return m_strFolder; }
    FileListModel &fileModel() { return m_model; }
    const FileListModel &fileModel() const { return m_model; }
    bool isLoading() const { return m_job != nullptr; }
    // A batch is renaming files: the rows stay as they were asked about.
    bool isRenaming() const { return m_bRenaming; }

signals:
    // After every finished load, its messages shown and its follow-up steps done.
    void loadFinished();
    // Loading or renaming started or ended.
    void busyChanged();
    // After every computation of the "New File Name" column.
    void newNamesComputed();
    // Renames of a batch or an undo failed: the shell lists them, with the number renamed.
    void renamesFailed(int renamed, const QList<FailedRename> &failures);
    // undoAvailable() has a new answer.
    void undoLookedUp();

private:
    struct LoadRequest
    {
        std::optional<QString> folder; // a newly chosen folder, taken when the load starts
        AfterLoad then = AfterLoad::Nothing;
    };

    void startNextLoad();
    void onLoadFinished();
    // Frees replaced rows: a large table on a thread of its own, as freeing a million names
    // takes longer than the window may go without painting.
    void releaseRows(FileRows &&rows);
    void runAfterLoad(AfterLoad then);
    void showLoadProgress();
    void undoBatch(const UndoPlan &plan);
    void takeUndoLookUp(quint64 serial, bool available);
    void stopSlicedCompute();
    void computeNextSlice();
    void newNamesDone();
    // The text shown over the file statistics once the posted reload is done.
    void reloadThenShow(const QString &text);

    ListingFrame *m_frame;
    QWidget *m_promptParent;
    std::function<void(int id)> m_post;
    FileListModel m_model;
    std::unique_ptr<FolderPresence> m_presence; // changes in the folders of the rows shown
    CAppSettings m_settings;
    QString m_strFolder;
    bool m_bHiddenSeen = false;
    bool m_bReadOnlySeen = false;
    bool m_bSubFoldersListed = false; // how the rows shown were listed
    bool m_bDisplayHidden = false;
    bool m_bDisplayReadOnly = false;

    std::unique_ptr<ListingJob> m_job;
    AfterLoad m_jobThen = AfterLoad::Nothing;
    std::thread m_release; // frees the rows a load replaced
    std::deque<LoadRequest> m_pendingLoads;
    QTimer m_progressTimer;

    bool m_bRenaming = false;            // a batch rename is running its renames
    BatchStop m_stopBatch{false};        // set to stop the running batch
    bool m_bListPartial = false;         // the rows shown come from a cancelled load
    bool m_bComputeAfterLoads = false;   // new names asked for while a load ran
    QString m_strAfterBatchReload;       // shown in the status bar once the posted reload is done
    RenameParameters m_handedParameters; // the last value the parameters window handed over
    bool m_bHandedComputePosted = false; // a computation from it is waiting in the queue

    // A recompute under way in slices: the parameters, the presence of every row and the row
    // ranges [from, to) still to do.
    struct SlicedCompute
    {
        RenameParameters params;
        std::vector<std::uint8_t> present;
        std::vector<std::pair<std::size_t, std::size_t>> left;
    };
    std::optional<SlicedCompute> m_sliced;
    QTimer m_sliceTimer;
    std::function<std::pair<int, int>()> m_visibleRows;

    std::thread m_undoLookUp;        // reads the journal for undoAvailable()
    bool m_bUndoLookUpAgain = false; // asked for again while it ran
};
