#include "desktop/shell/ChildFrame.h"

#include "desktop/shell/AppIcons.h"
#include "desktop/shell/MainFrame.h"
#include "desktop/shell/QuirewellDoc.h"
#include "desktop/ui/CommandActions.h"
#include "desktop/view/QuirewellView.h"

#include <QCloseEvent>
#include <QMdiArea>

CChildFrame::CChildFrame(CMainFrame &mainFrame, std::shared_ptr<CQuirewellDoc> document)
    : QMdiSubWindow(nullptr, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                 Qt::WindowCloseButtonHint),
      m_mainFrame(mainFrame), m_document(std::move(document)),
      m_bars(mainFrame, [this] { return m_mainFrame.mdiArea()->currentSubWindow() == this; }),
      m_view(new CQuirewellView(&m_bars, mainFrame.commandActions()))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(AppIcons::documentIcon());
    setWidget(m_view);
    setWindowTitle(m_document->title());
    connect(m_document.get(), &CQuirewellDoc::closeRequested, this, &QWidget::close);
}

CChildFrame::~CChildFrame()
{
    // The view writes its last texts to the bars as it goes: it goes first.
    delete m_view;
}

void CChildFrame::closeEvent(QCloseEvent *event)
{
    m_mainFrame.hideCaptionBar();
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted())
        m_mainFrame.updateDocumentTitles();
}
