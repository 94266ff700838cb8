#pragma once

#include "listing/view/QuirewellView.h"
#include "RecordingOpener.h"
#include "RecordingPrompts.h"
#include "shell/ChildFrame.h"
#include "shell/MainFrame.h"
#include "shell/QuirewellApp.h"
#include "tests/support/TestTree.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

// The real program in this process, on a temporary tree and a temporary settings file, with
// prompts and openings recorded.
struct ShellFixture
{
    TestTree tree;
    RecordingPrompts prompts;
    RecordingOpener opener;
    std::unique_ptr<CQuirewellApp> app;

    ShellFixture() { tree.useTemporarySettings(); }

    CMainFrame *frame() const { return app->mainFrame(); }
    CQuirewellView *view() const { return frame()->activeView(); }

    // Starts the program as the command line would; false when it ended at once.
    bool start(const QStringList &arguments = {})
    {
        app = std::make_unique<CQuirewellApp>();
        return app->InitInstance(arguments);
    }
    // Ends the program: the windows close and write what they keep.
    void stop() { app.reset(); }
};

// Waits for the view's load to finish, messages and follow-up steps included.
inline bool waitListed(CQuirewellView *view, int timeoutMs = 20000)
{
    if (!view)
        return false;
    QSignalSpy finished(view, &CQuirewellView::loadFinished);
    return !view->isLoading() || finished.wait(timeoutMs);
}
