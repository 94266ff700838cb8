#pragma once

#include "engine/AppSettings.h"
#include "engine/RenameParameters.h"
#include "listing/FileListModel.h"
#include "ui/CommandTarget.h"

#include <QPointer>
#include <QTableView>
#include <QTimer>
#include <QUrl>

#include <deque>
#include <memory>
#include <optional>

class CommandActions;
class FolderPresence;
class ListingFrame;
class ListingJob;
class QMenu;

// The list of one document window: the checkable six-column file list, the folder it
// shows, and the commands that act on it. Loads run on a worker thread; the window stays
// usable meanwhile and further load requests wait their turn.
class CQuirewellView : public QTableView, public CommandTarget
{
    Q_OBJECT
public:
    // commands: the actions of the row context menu.
    CQuirewellView(ListingFrame *frame, const CommandActions &commands, QWidget *parent = nullptr);
    ~CQuirewellView() override;

    // Columns, listing filters, then the folder: a given folder is listed at once, otherwise
    // the folder picker is asked for one as soon as the window is shown.
    void OnInitialUpdate(const QString &initialFolder = {});

    // What follows a load, once its rows are in.
    enum class AfterLoad
    {
        Nothing,
        Caption,
        CaptionAndNewNames
    };
    // Lists m_strFolder again (nothing when it is empty), then the steps of `then`.
    void LoadFileList(AfterLoad then = AfterLoad::Nothing);
    void UpdateFolderCaption();
    // The folder information pane keeps its text when the folder count of the last load no longer
    // applies.
    void UpdateStatusSummary(std::optional<int> foldersRecorded = std::nullopt);
    void LoadListingSettings();
    // From the parameters in the store.
    void ComputeNewNames();
    void ComputeNewNames(const RenameParameters &parameters);

    const QString &folder() const { return m_strFolder; }
    FileListModel &fileModel() { return m_model; }
    const FileListModel &fileModel() const { return m_model; }
    bool isLoading() const { return m_job != nullptr; }
    // The first selected row from the top, or -1.
    int firstSelectedRow() const;
    // The rename parameters window the shell made for this view; the view deletes it when
    // it goes, which stores its placement.
    QWidget *renameParametersDialog() const { return m_dlgRenameParameters; }
    void setRenameParametersDialog(QWidget *dialog) { m_dlgRenameParameters = dialog; }

    // The file a single-file rename acts on: the row, its texts and its exact bytes on disk.
    struct FileToRename
    {
        int row = -1;
        QString path;     // the row's full path when it was asked for
        QString location; // ends in '/'
        QString name;
        QByteArray locationBytes;
        QByteArray nameBytes;
    };

    // The answers to the requests below.
    // The parameters as the rename parameters window has them: the new names are computed
    // from them after the current event (edits that come faster are merged).
    void setRenameParameters(const RenameParameters &parameters);
    // The settings dialog was confirmed: the filters are read again and the folder listed.
    void OnSettingsChanged();
    // The file was renamed (or its name confirmed) to newName.
    void OnSingleFileRenamed(const FileToRename &file, const QString &newName);
    // The row context menu; it pops up on a right-click anywhere in the list.
    QMenu *contextMenu() const { return m_menuPopup; }
    // The selected row's Location followed by its loaded name; empty when no row is selected.
    QString GetSelectedFilePath() const;

    // The page that command 32800 opens; the shell gives it at start-up. While it is empty
    // the command has no handler.
    static void setShareAddress(const QUrl &address);
    static QUrl shareAddress();

signals:
    // After every finished load, its messages shown and its follow-up steps done.
    void loadFinished();
    // Something that commandState() reports may have changed.
    void commandStatesChanged();
    // After every computation of the "New File Name" column.
    void newNamesComputed();
    // Requests for the dialogs, which the shell shows; while nobody answers them, their
    // commands are not handled.
    void renameParametersRequested();
    void settingsRequested();
    void singleFileRenameRequested(const CQuirewellView::FileToRename &file);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    struct LoadRequest
    {
        std::optional<QString> folder; // a newly chosen folder, taken when the load starts
        AfterLoad then = AfterLoad::Nothing;
    };

    void registerCommands();
    void SetupColumns();
    void OnDestroy();
    void OnFolderLocation();
    void OnReload();
    void OnDisplayNewNames();
    void OnSettings();
    void OnRenameParameters();
    void OnRenameSelectedFile();
    void postToSelf(int id);

    // ViewListCommands.cpp: the row commands of the list.
    void OnCheckAll();
    void OnUnCheckAll();
    void OnToggle();
    void OnRemoveUnchecked();
    void OnOpen();
    void OnLocateInExplorer();
    void OnSourceFolderInExplorer();
    void OnCopyCurrentFileName();
    void OnExportFileList();
    void OnFilesInSubFolders();
    void OnShareOnFacebook();

    // ViewBatchRename.cpp: Cmd::StartRenaming.
    void OnStartRenaming();

    void requestLoad(LoadRequest request);
    void startNextLoad();
    void onLoadFinished();
    void runAfterLoad(AfterLoad then);
    void showLoadProgress();

    ListingFrame *m_frame;
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
    std::deque<LoadRequest> m_pendingLoads;
    QTimer m_progressTimer;

    QPointer<QWidget> m_dlgRenameParameters;
    RenameParameters m_handedParameters; // the last value the parameters window handed over
    bool m_bHandedComputePosted = false; // a computation from it is waiting in the queue
    QMenu *m_menuPopup = nullptr;
    bool m_bRenaming = false; // a batch rename is running its renames
    bool m_bComputeAfterLoads =
        false; // Cmd::DisplayNewNames came while a load ran: compute once it is in
    QString m_strAfterBatchReload; // shown in the status bar once the posted reload is done
};
