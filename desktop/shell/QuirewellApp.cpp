#include "desktop/shell/QuirewellApp.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/settings/AppSettings.h"
#include "desktop/shell/AppIcons.h"
#include "desktop/shell/ChildFrame.h"
#include "desktop/shell/CommandLine.h"
#include "desktop/shell/MainFrame.h"
#include "desktop/shell/QuirewellDoc.h"
#include "desktop/shell/ShellViewDialogs.h"
#include "desktop/shell/Translations.h"
#include "desktop/ui/CommandIds.h"
#include "desktop/ui/Prompts.h"
#include "desktop/view/QuirewellView.h"

#include "desktop/shell/about/AboutDlg.h"
#include "desktop/shell/about/WebLinks.h"

#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>

#include <cstdio>

CQuirewellApp::CQuirewellApp()
{
    registerCommands();
}

CQuirewellApp::~CQuirewellApp()
{
    m_journalWork.reset();
    // The windows go first: their views delete their dialogs, which store their placement.
    m_mainFrame.reset();
}

bool CQuirewellApp::InitInstance(const QStringList &arguments)
{
    const CommandLine line = CommandLine::parse(arguments);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "quirewell: %s\n%s", qPrintable(line.error),
                     qPrintable(CommandLine::usage()));
        m_exitCode = 2;
        return false;
    }
    if (line.version) {
        std::printf("%s\n", QUIREWELL_VERSION);
        return false;
    }
    if (line.help) {
        std::fputs(qPrintable(CommandLine::usage()), stdout);
        return false;
    }

    QCoreApplication::setOrganizationName(QString::fromLatin1(CAppSettings::kVendorKey));
    QCoreApplication::setApplicationName(QString::fromLatin1(CAppSettings::kApplicationTitle));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUIREWELL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("quirewell"));
    QApplication::setWindowIcon(AppIcons::applicationIcon());
    Translations::install(*QCoreApplication::instance());

    m_mainFrame = std::make_unique<CMainFrame>(this);
    m_mainFrame->OnCreate();
    CQuirewellView::setShareAddress(WebLinks::sharePage());
    // Its failures are listed over the main frame; its look-ups change Undo Rename's state
    // whether or not a document window is open.
    m_journalWork =
        std::make_unique<ListController>(m_mainFrame.get(), m_mainFrame.get(), [](int) {});
    ShellViewDialogs::showFailuresOf(*m_journalWork, m_mainFrame.get());
    connect(m_journalWork.get(), &ListController::undoLookedUp, m_mainFrame.get(),
            &CMainFrame::refreshCommandStates);
    connect(m_journalWork.get(), &ListController::busyChanged, m_mainFrame.get(),
            &CMainFrame::refreshCommandStates);
    connect(m_mainFrame.get(), &CMainFrame::pathsDropped, this, [this](const QStringList &paths) {
        for (const QString &path : paths)
            openPath(path);
    });

    // A batch cut off by a crash is offered for undo before anything else is asked: before
    // the document windows, whose folder picker would otherwise open over the question.
    offerInterruptedBatches();
    if (line.openPaths.isEmpty())
        onFileNew();
    for (const QString &path : line.openPaths) {
        // A file that cannot be opened ends the start-up, after its message.
        if (!openPath(path)) {
            m_exitCode = 1;
            return false;
        }
    }
    m_mainFrame->showWithStoredPlacement();
    // The offer may have changed the journal; the answer enables Undo Rename in any window,
    // or with none.
    m_journalWork->lookUpUndoAvailable();
    m_mainFrame->refreshCommandStates();
    return true;
}

void CQuirewellApp::offerInterruptedBatches()
{
    m_journalWork->offerInterruptedBatches();
}

CChildFrame *CQuirewellApp::onFileNew()
{
    return m_mainFrame->addDocumentWindow(std::make_shared<CQuirewellDoc>());
}

CChildFrame *CQuirewellApp::openDocumentFile(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (const QString failure = CQuirewellDoc::openFailure(absolute); !failure.isEmpty()) {
        Prompts::instance().message(m_mainFrame.get(), failure, Prompts::Icon::Warning);
        return nullptr;
    }
    for (CChildFrame *child : m_mainFrame->childFrames()) {
        if (child->document()->path() == absolute) {
            m_mainFrame->mdiArea()->setActiveSubWindow(child);
            return child;
        }
    }
    return m_mainFrame->addDocumentWindow(std::make_shared<CQuirewellDoc>(absolute));
}

CChildFrame *CQuirewellApp::openFolder(const QString &folder)
{
    return m_mainFrame->addDocumentWindow(
        std::make_shared<CQuirewellDoc>(),
        withoutTrailingSlashes(CommandLine::absolutePath(folder)));
}

CChildFrame *CQuirewellApp::openPath(const QString &path)
{
    return CommandLine::isFolder(path) ? openFolder(path) : openDocumentFile(path);
}

void CQuirewellApp::onFileOpen()
{
    const QString path =
        Prompts::instance().pickOpenFile(m_mainFrame.get(), CQuirewellDoc::fileFilter());
    if (!path.isEmpty())
        openDocumentFile(path);
}

void CQuirewellApp::OnAppAbout()
{
    showAboutBox(m_mainFrame.get());
}

void CQuirewellApp::registerCommands()
{
    registerCommand(Cmd::FileNew, [this] { onFileNew(); });
    registerCommand(Cmd::FileOpen, [this] { onFileOpen(); });
    registerCommand(Cmd::AppAbout, [this] { OnAppAbout(); });
    registerCommand(Cmd::AppExit, [this] { m_mainFrame->close(); });
    // A document window's view handles these first; here they serve when none is open.
    registerCommand(
        Cmd::UndoRename, [this] { m_journalWork->onUndoRename(); },
        [this] {
            return CommandUiState::enabledIf(m_journalWork && !m_journalWork->isRenaming() &&
                                             ListController::undoAvailable());
        });
    registerCommand(
        Cmd::CancelWork, [this] { m_journalWork->cancelWork(); },
        [this] { return CommandUiState::enabledIf(m_journalWork && m_journalWork->canCancel()); });
}
