#pragma once

#include "desktop/ui/CommandTarget.h"

#include <QObject>
#include <QStringList>

#include <memory>

class CChildFrame;
class CMainFrame;
class ListController;

// The application object: creates the main frame, carries out the command line, and
// handles New, Open, About and Exit, and Undo Rename and Cancel while no document window is
// open (the journal's batches do not need one).
class CQuirewellApp : public QObject, public CommandTarget
{
    Q_OBJECT
public:
    CQuirewellApp();
    ~CQuirewellApp() override;

    // Starts the program for these arguments (without the program name); false when the
    // process is to end at once, with exitCode() telling how.
    bool InitInstance(const QStringList &arguments);
    int exitCode() const { return m_exitCode; }

    CMainFrame *mainFrame() const { return m_mainFrame.get(); }

    CChildFrame *onFileNew();
    // A ".kvx" file opens as a document (its content is ignored); an open one is activated.
    // A file that cannot be read is reported and opens nothing (null).
    CChildFrame *openDocumentFile(const QString &path);
    // A new document window that lists the folder instead of asking for one.
    CChildFrame *openFolder(const QString &folder);
    // A path from the command line or a drop: a folder is listed, anything else opened.
    CChildFrame *openPath(const QString &path);

private:
    void registerCommands();
    void onFileOpen();
    void OnAppAbout();
    // Asks, for each batch cut off by a crash, whether to undo or keep its renames.
    void offerInterruptedBatches();

    std::unique_ptr<CMainFrame> m_mainFrame;
    // The undo without a document window, and the start-up offer: a list of no folder over
    // the main frame.
    std::unique_ptr<ListController> m_journalWork;
    int m_exitCode = 0;
};
