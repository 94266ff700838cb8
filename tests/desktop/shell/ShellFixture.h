#pragma once

#include "desktop/shell/ChildFrame.h"
#include "desktop/shell/MainFrame.h"
#include "desktop/shell/QuirewellApp.h"
#include "desktop/ui/CommandActions.h"
#include "desktop/view/QuirewellView.h"
#include "RecordingOpener.h"
#include "RecordingPrompts.h"
#include "tests/support/TestTree.h"

#include <QAction>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The real program in this process, on a temporary tree, a temporary settings file and an
// empty journal of its own, with prompts and openings recorded.
struct ShellFixture
{
    TestTree tree;
    QTemporaryDir state; // $XDG_STATE_HOME: the journal
    RecordingPrompts prompts;
    RecordingOpener opener;
    std::unique_ptr<CQuirewellApp> app;

    ShellFixture()
    {
        tree.useTemporarySettings();
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    }

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

    // The action of a command, by its name in the command table ("Reload").
    QAction *command(const QString &name) const { return frame()->commandActions().action(name); }
    // Runs the command as its action would from a menu; false when the action is missing
    // or disabled (the states brought up to date first).
    bool run(const QString &name) const
    {
        frame()->refreshCommandStates();
        QAction *action = command(name);
        if (!action || !action->isEnabled())
            return false;
        action->trigger();
        return true;
    }
};

// Waits for the view's load to finish, messages and follow-up steps included.
inline bool waitListed(CQuirewellView *view, int timeoutMs = 20000)
{
    if (!view)
        return false;
    QSignalSpy finished(view, &CQuirewellView::loadFinished);
    return !view->isLoading() || finished.wait(timeoutMs);
}
