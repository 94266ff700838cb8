#pragma once

#include "desktop/ui/CommandTarget.h"
#include "desktop/view/ListingFrame.h"

#include <QMainWindow>
#include <QSet>

#include <memory>

class CaptionBar;
class CChildFrame;
class CommandActions;
class QAction;
class CQuirewellDoc;
class CQuirewellView;
class QMdiArea;
class StatusPane;

// The main window: the ribbon at the top, the caption bar under it, the document windows in
// the middle and the status bar with its two panes at the bottom. Every command, from the
// ribbon, a key or a post, goes through dispatch(), which offers it to the active view, its
// document, its document window, this frame and the application, in that order.
class CMainFrame : public QMainWindow, public ListingFrame, public CommandTarget
{
    Q_OBJECT
public:
    // application: the last target of the command routing (not owned).
    explicit CMainFrame(CommandTarget *application = nullptr);
    ~CMainFrame() override;

    // Applies the stored look and builds the bars. Call once.
    void OnCreate();
    // Shows the window with the size, place and maximised state it had when it was last
    // closed; a stored placement that lies on no screen is ignored.
    void showWithStoredPlacement();

    // Runs the command through the routing; false when nobody handles it or it is disabled.
    bool dispatch(int id);
    // The state of the command as the routing reports it; nothing when nobody handles it.
    std::optional<CommandUiState> routedState(int id) const;
    // Queues the command: it runs after the current one has finished. A command already
    // waiting in the queue is not queued a second time.
    void post(int id);

    CChildFrame *addDocumentWindow(std::shared_ptr<CQuirewellDoc> document,
                                   const QString &initialFolder = {});
    CChildFrame *activeChildFrame() const;
    CQuirewellView *activeView() const;
    QList<CChildFrame *> childFrames() const;
    QMdiArea *mdiArea() const { return m_mdiArea; }

    CaptionBar *captionBar() const { return m_wndCaptionBar; }
    StatusPane *fileStatsPane() const { return m_pPaneFileStats; }
    StatusPane *folderInfoPane() const { return m_pPaneFolderInfo; }
    int appLook() const { return m_nAppLook; }
    void hideCaptionBar();
    // Titles the document windows after their documents, numbering the windows of a
    // document shown more than once, and the main window after the active one.
    void updateDocumentTitles();

    // ListingFrame
    void setCaptionText(const QString &text) override;
    void setFileStatistics(const QString &text) override;
    void setFolderInformation(const QString &text) override;
    void showProgress(const QString &text) override;

    // The help request (F1): opens the home page.
    bool OnHelpInfo();
    // One action per command of the command table; the ribbon, menus and keys use them.
    CommandActions &commandActions() const { return *m_actions; }
    QAction *helpAction() const { return m_help; }
    QWidget *ribbon() const { return m_ribbon; }
    // Sets every command action's state from the routing now (it also happens after
    // anything that may change a state, once the current event is done).
    void refreshCommandStates();

signals:
    // Files and folders dropped on the window, as local paths.
    void pathsDropped(const QStringList &paths);
    // After anything that may change what commandState() reports.
    void commandStatesChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QList<CommandTarget *> routingTargets() const;
    void registerCommands();
    void OnApplicationLook(int id);
    void OnViewCaptionBar();
    void OnWindowManager();
    void onNewWindow();
    void onArrangeIcons();
    void scheduleStateRefresh();
    void updateTitle();

    CommandTarget *m_application;
    int m_nAppLook;
    StatusPane *m_pPaneFileStats = nullptr;
    StatusPane *m_pPaneFolderInfo = nullptr;
    CaptionBar *m_wndCaptionBar = nullptr;
    QWidget *m_ribbon = nullptr;
    QMdiArea *m_mdiArea = nullptr;
    CommandActions *m_actions = nullptr;
    QAction *m_help = nullptr;
    bool m_refreshPending = false;
    QSet<int> m_postedCommands; // posted and not yet run
};
