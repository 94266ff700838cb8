#pragma once

#include "desktop/ui/CommandTarget.h"

#include <QMdiSubWindow>

#include <memory>

class CMainFrame;
class CQuirewellDoc;
class CQuirewellView;

// A document window: one list view on a document, opened maximised, without minimise and
// maximise buttons. Closing it hides the main frame's caption bar.
class CChildFrame : public QMdiSubWindow, public CommandTarget
{
    Q_OBJECT
public:
    CChildFrame(CMainFrame &mainFrame, std::shared_ptr<CQuirewellDoc> document);
    ~CChildFrame() override;

    CQuirewellView *view() const { return m_view; }
    CQuirewellDoc *document() const { return m_document.get(); }
    const std::shared_ptr<CQuirewellDoc> &sharedDocument() const { return m_document; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    CMainFrame &m_mainFrame;
    std::shared_ptr<CQuirewellDoc> m_document;
    CQuirewellView *m_view;
};
