#include "desktop/shell/MainFrame.h"

#include "core/engine/settings/AppSettings.h"
#include "desktop/dialogs/WindowPlacement.h"
#include "desktop/shell/about/WebLinks.h"
#include "desktop/shell/CancelControl.h"
#include "desktop/shell/CaptionBar.h"
#include "desktop/shell/ChildFrame.h"
#include "desktop/shell/FrameRibbon.h"
#include "desktop/shell/Looks.h"
#include "desktop/shell/QuirewellDoc.h"
#include "desktop/shell/ShellViewDialogs.h"
#include "desktop/shell/StatusPanes.h"
#include "desktop/shell/WindowsDialog.h"
#include "desktop/ui/CommandActions.h"
#include "desktop/ui/CommandIds.h"
#include "desktop/ui/Prompts.h"
#include "desktop/view/QuirewellView.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

CMainFrame::CMainFrame(CommandTarget *application)
    : m_application(application), m_nAppLook(CAppSettings::applicationLook())
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QString::fromLatin1(CAppSettings::kApplicationTitle));
    setAcceptDrops(true);
    registerCommands();
}

CMainFrame::~CMainFrame()
{
    // Document windows go first, closed ones waiting for deletion included: their views
    // write their column widths and reach this frame while they go.
    if (m_mdiArea)
        qDeleteAll(m_mdiArea->findChildren<CChildFrame *>());
}

void CMainFrame::OnCreate()
{
    OnApplicationLook(m_nAppLook);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_wndCaptionBar = new CaptionBar(central);
    m_mdiArea = new QMdiArea(central);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    layout->addWidget(m_wndCaptionBar);
    layout->addWidget(m_mdiArea, 1);
    setCentralWidget(central);

    m_actions = FrameRibbon::createActions(*this);
    connect(m_actions, &CommandActions::triggered, this, [this](int id) { dispatch(id); });
    m_actions->addKeys(this, [this] { return activeChildFrame() != nullptr; });
    m_help = new QAction(tr("Help"), this);
    m_help->setObjectName(QStringLiteral("help"));
    m_help->setShortcut(QKeySequence(Qt::Key_F1));
    m_help->setShortcutContext(Qt::WindowShortcut);
    connect(m_help, &QAction::triggered, this, &CMainFrame::OnHelpInfo);
    addAction(m_help);
    m_ribbon = FrameRibbon::create(*this);
    if (m_ribbon)
        setMenuWidget(m_ribbon);

    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    const StatusPanes panes = StatusPanes::addTo(bar);
    m_pPaneFileStats = panes.fileStats;
    m_pPaneFolderInfo = panes.folderInfo;
    if (QAction *unread = m_actions->action(Cmd::UnreadFolders))
        addCommandControl(bar, unread);
    addCancelControl(bar, m_actions->action(Cmd::CancelWork));

    connect(m_wndCaptionBar, &CaptionBar::buttonClicked, this,
            [this] { dispatch(Cmd::CaptionOpenFolder); });
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *window) {
        // The bars follow the current window; without one they keep what they show.
        if (auto *child = qobject_cast<CChildFrame *>(window))
            child->bars().showOnFrame();
        updateDocumentTitles();
        scheduleStateRefresh();
    });
    connect(this, &CMainFrame::commandStatesChanged, this, &CMainFrame::scheduleStateRefresh);
    refreshCommandStates();
}

QList<CommandTarget *> CMainFrame::routingTargets() const
{
    QList<CommandTarget *> targets;
    if (CChildFrame *child = activeChildFrame()) {
        targets << child->view() << child->document() << child;
    }
    targets << const_cast<CMainFrame *>(this);
    if (m_application)
        targets << m_application;
    return targets;
}

bool CMainFrame::dispatch(int id)
{
    for (CommandTarget *target : routingTargets()) {
        const std::optional<CommandUiState> state = target->commandState(id);
        if (!state)
            continue;
        if (!state->enabled)
            return false;
        target->runCommand(id);
        scheduleStateRefresh();
        return true;
    }
    return false;
}

std::optional<CommandUiState> CMainFrame::routedState(int id) const
{
    for (CommandTarget *target : routingTargets()) {
        if (std::optional<CommandUiState> state = target->commandState(id))
            return state;
    }
    return std::nullopt;
}

void CMainFrame::post(int id)
{
    // Posts that come faster than they run are merged: while a command waits in the queue,
    // posting it again adds nothing, since running it twice in a row gives what running it
    // once does (a recompute reads the store when it runs, a reload lists the folder as it
    // is then). So each keystroke in the rename parameters window adds at most one recompute
    // behind the one running, and the typing never waits for a backlog; and the application
    // button's press and double click, arriving together, start the renaming once. The
    // command leaves the set just before it runs, so a post made while it runs queues it
    // again.
    if (m_postedCommands.contains(id))
        return;
    m_postedCommands.insert(id);
    QMetaObject::invokeMethod(
        this,
        [this, id] {
            m_postedCommands.remove(id);
            dispatch(id);
        },
        Qt::QueuedConnection);
}

void CMainFrame::registerCommands()
{
    const auto withDocumentWindow = [this] {
        return CommandUiState::enabledIf(activeChildFrame() != nullptr);
    };
    for (int id = Cmd::LookFirst; id <= Cmd::LookLast; ++id)
        registerCommand(
            id, [this, id] { OnApplicationLook(id); },
            [this, id] { return CommandUiState::checkMark(id == m_nAppLook); });
    registerCommand(Cmd::WindowManager, [this] { OnWindowManager(); });
    registerCommand(Cmd::CaptionOpenFolder, [this] { post(Cmd::SourceFolderInExplorer); });
    registerCommand(
        Cmd::ViewCaptionBar, [this] { OnViewCaptionBar(); },
        [this] {
            return CommandUiState::checkMark(m_wndCaptionBar && m_wndCaptionBar->isVisibleTo(this));
        });
    registerCommand(
        Cmd::ViewStatusBar, [this] { statusBar()->setVisible(!statusBar()->isVisibleTo(this)); },
        [this] { return CommandUiState::checkMark(statusBar()->isVisibleTo(this)); });
    registerCommand(Cmd::Donate, [] { WebLinks::openDonatePage(); });
    registerCommand(
        Cmd::WindowNew, [this] { onNewWindow(); }, withDocumentWindow);
    registerCommand(
        Cmd::WindowArrange, [this] { onArrangeIcons(); }, withDocumentWindow);
    registerCommand(
        Cmd::WindowCascade, [this] { m_mdiArea->cascadeSubWindows(); }, withDocumentWindow);
    registerCommand(
        Cmd::WindowTile, [this] { m_mdiArea->tileSubWindows(); }, withDocumentWindow);
}

void CMainFrame::OnApplicationLook(int id)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_nAppLook = id;
    Looks::apply(id);
    CAppSettings::setApplicationLook(m_nAppLook);
    QApplication::restoreOverrideCursor();
    scheduleStateRefresh();
}

void CMainFrame::OnViewCaptionBar()
{
    m_wndCaptionBar->setVisible(!m_wndCaptionBar->isVisibleTo(this));
}

void CMainFrame::hideCaptionBar()
{
    if (m_wndCaptionBar)
        m_wndCaptionBar->hide();
    scheduleStateRefresh();
}

void CMainFrame::OnWindowManager()
{
    WindowsDialog dialog(*m_mdiArea, this);
    Prompts::instance().runModal(&dialog);
}

bool CMainFrame::OnHelpInfo()
{
    WebLinks::openHomePage();
    return true;
}

void CMainFrame::onArrangeIcons()
{
    // Minimised document windows in a row along the bottom edge, left to right.
    int x = 0;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        window->move(x, m_mdiArea->viewport()->height() - size.height());
        x += size.width();
    }
}

void CMainFrame::onNewWindow()
{
    if (CChildFrame *child = activeChildFrame())
        addDocumentWindow(child->sharedDocument());
}

CChildFrame *CMainFrame::addDocumentWindow(std::shared_ptr<CQuirewellDoc> document,
                                           const QString &initialFolder)
{
    auto *child = new CChildFrame(*this, std::move(document));
    m_mdiArea->addSubWindow(child);
    connect(child->view(), &CQuirewellView::commandStatesChanged, this,
            &CMainFrame::scheduleStateRefresh);
    ShellViewDialogs::connectTo(*child->view(), *this);
    connect(child->document(), &CQuirewellDoc::titleChanged, this,
            &CMainFrame::updateDocumentTitles);
    connect(child, &QObject::destroyed, this, [this] {
        updateDocumentTitles();
        scheduleStateRefresh();
    });
    child->showMaximized();
    m_mdiArea->setActiveSubWindow(child);
    updateDocumentTitles();
    child->view()->OnInitialUpdate(initialFolder);
    return child;
}

CChildFrame *CMainFrame::activeChildFrame() const
{
    return m_mdiArea ? qobject_cast<CChildFrame *>(m_mdiArea->activeSubWindow()) : nullptr;
}

CQuirewellView *CMainFrame::activeView() const
{
    CChildFrame *child = activeChildFrame();
    return child ? child->view() : nullptr;
}

QList<CChildFrame *> CMainFrame::childFrames() const
{
    QList<CChildFrame *> children;
    if (!m_mdiArea)
        return children;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto *child = qobject_cast<CChildFrame *>(window))
            children.append(child);
    }
    return children;
}

void CMainFrame::setCaptionText(const QString &text)
{
    m_wndCaptionBar->SetText(text);
}

void CMainFrame::setFileStatistics(const QString &text)
{
    m_pPaneFileStats->SetText(text);
}

void CMainFrame::setFolderInformation(const QString &text)
{
    m_pPaneFolderInfo->SetText(text);
}

void CMainFrame::showProgress(const QString &text)
{
    if (text.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(text);
}

void CMainFrame::scheduleStateRefresh()
{
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, &CMainFrame::refreshCommandStates);
}

void CMainFrame::refreshCommandStates()
{
    m_refreshPending = false;
    if (m_actions)
        m_actions->refresh([this](int id) { return routedState(id); });
}

void CMainFrame::updateDocumentTitles()
{
    // A document shown in several windows numbers them ("OrvaltRenamer1:1", ":2", ...) in
    // the order they were opened; a document's only window carries its title alone. A
    // closed window waiting for deletion no longer counts.
    QList<CChildFrame *> children = childFrames();
    children.removeIf([](const CChildFrame *child) { return child->isHidden(); });
    for (CChildFrame *child : children) {
        int count = 0;
        int number = 0;
        for (const CChildFrame *other : children) {
            if (other->document() == child->document())
                ++count;
            if (other == child)
                number = count;
        }
        const QString title = child->document()->title();
        child->setWindowTitle(count > 1 ? QStringLiteral("%1:%2").arg(title).arg(number) : title);
    }
    updateTitle();
}

void CMainFrame::updateTitle()
{
    const QString title = QString::fromLatin1(CAppSettings::kApplicationTitle);
    CChildFrame *child = activeChildFrame();
    setWindowTitle(child ? title + QStringLiteral(" - ") + child->windowTitle() : title);
}

void CMainFrame::showWithStoredPlacement()
{
    resize(1280, 800);
    const std::optional<QByteArray> record = CAppSettings::mainFramePlacement();
    const std::optional<WindowPlacement> placement =
        record ? WindowPlacement::fromRecord(*record) : std::nullopt;
    if (placement && placement->applyTo(this) && placement->showState == WindowPlacement::Maximised)
        showMaximized();
    else
        show();
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    CAppSettings::setMainFramePlacement(WindowPlacement::of(this).toRecord());
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    emit pathsDropped(paths);
}
