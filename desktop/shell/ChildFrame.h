#pragma once

#include "desktop/shell/WindowBars.h"
#include "desktop/ui/CommandTarget.h"

#include <QMdiSubWindow>

#include <memory>

class CMainFrame;
class CQuirewellDoc;
class CQuirewellView;

// A document window: one list view on a document, opened maximised, without minimise and
// maximise buttons. Closing it hides the main frame's caption bar. Its view's caption and
// status texts reach the main frame's bars while it is the current window.
class CChildFrame : public QMdiSubWindow, public CommandTarget
{
    Q_OBJECT
public:
    CChildFrame(CMainFrame &mainFrame, std::shared_ptr<CQuirewellDoc> document);
    ~CChildFrame() override;

    CQuirewellView *view() const { return m_view; }
    CQuirewellDoc *document() const { return m_document.get(); }
    const std::shared_ptr<CQuirewellDoc> &sharedDocument() const { return m_document; }
    WindowBars &bars() { return m_bars; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    CMainFrame &m_mainFrame;
    std::shared_ptr<CQuirewellDoc> m_document;
    WindowBars m_bars; // before the view, which writes to it
    CQuirewellView *m_view;
};
