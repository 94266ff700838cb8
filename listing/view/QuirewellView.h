#pragma once

#include "engine/AppSettings.h"
#include "listing/CommandTarget.h"
#include "listing/FileListModel.h"

#include <QPointer>
#include <QTableView>
#include <QTimer>

#include <deque>
#include <memory>
#include <optional>

class ListingFrame;
class ListingJob;

// The list of one document window: the checkable six-column file list, the folder it
// shows, and the commands that act on it. Loads run on a worker thread; the window stays
// usable meanwhile and further load requests wait their turn.
class CQuirewellView : public QTableView, public CommandTarget
{
    Q_OBJECT
public:
    explicit CQuirewellView(ListingFrame *frame, QWidget *parent = nullptr);
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
    // Pane 121 keeps its text when the folder count of the last load no longer applies.
    void UpdateStatusSummary(std::optional<int> foldersRecorded = std::nullopt);
    void LoadListingSettings();
    void ComputeNewNames();

    bool onCommand(int id) override;
    bool commandState(int id, CommandUiState &state) const override;

    const QString &folder() const { return m_strFolder; }
    FileListModel &fileModel() { return m_model; }
    const FileListModel &fileModel() const { return m_model; }
    bool isLoading() const { return m_job != nullptr; }
    // The first selected row from the top, or -1.
    int firstSelectedRow() const;
    QWidget *renameParametersDialog() const { return m_dlgRenameParameters; }

signals:
    // After every finished load, its messages shown and its follow-up steps done.
    void loadFinished();
    // Something that commandState() reports may have changed.
    void commandStatesChanged();

private:
    struct LoadRequest
    {
        std::optional<QString> folder; // a newly chosen folder, taken when the load starts
        AfterLoad then = AfterLoad::Nothing;
    };

    void SetupColumns();
    void OnDestroy();
    void OnFolderLocation();
    void OnReload();
    void OnSettings();
    void OnRenameParameters();
    void OnRenameSelectedFile();
    void postToSelf(int id);

    void requestLoad(LoadRequest request);
    void startNextLoad();
    void onLoadFinished();
    void runAfterLoad(AfterLoad then);
    void showLoadProgress();

    ListingFrame *m_frame;
    FileListModel m_model;
    CAppSettings m_settings;
    QString m_strFolder;
    bool m_bHiddenSeen = false;
    bool m_bReadOnlySeen = false;
    bool m_bDisplayHidden = false;
    bool m_bDisplayReadOnly = false;

    std::unique_ptr<ListingJob> m_job;
    AfterLoad m_jobThen = AfterLoad::Nothing;
    std::deque<LoadRequest> m_pendingLoads;
    QTimer m_progressTimer;

    QPointer<QWidget> m_dlgRenameParameters;
};
