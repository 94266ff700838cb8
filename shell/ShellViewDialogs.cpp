#include "shell/ShellViewDialogs.h"

#include "dialogs/DlgRenameParameters.h"
#include "dialogs/DlgSettings.h"
#include "dialogs/DlgSingleFileRename.h"
#include "listing/view/Prompts.h"
#include "listing/view/QuirewellView.h"
#include "shell/MainFrame.h"

ShellViewDialogs::ShellViewDialogs(CMainFrame &frame) : m_frame(frame)
{
    ViewDialogs::install(this);
}

ShellViewDialogs::~ShellViewDialogs()
{
    if (ViewDialogs::instance() == this)
        ViewDialogs::install(nullptr);
}

QWidget *ShellViewDialogs::createRenameParameters(CQuirewellView &)
{
    auto *dialog = new CDlgRenameParameters(&m_frame);
    dialog->setObjectName(QStringLiteral("CDlgRenameParameters"));
    CMainFrame *frame = &m_frame;
    // post() queues the command and merges it with the same one still waiting, so typing
    // never waits for more than one recompute.
    QObject::connect(dialog, &CDlgRenameParameters::commandPosted, frame,
                     [frame](int id) { frame->post(id); });
    return dialog;
}

void ShellViewDialogs::showRenameParameters(QWidget *dialog)
{
    if (auto *parameters = qobject_cast<CDlgRenameParameters *>(dialog))
        parameters->showDialog();
}

bool ShellViewDialogs::runSettings(CQuirewellView &view)
{
    CDlgSettings dialog(&view);
    dialog.setObjectName(QStringLiteral("CDlgSettings"));
    return Prompts::instance().runModal(&dialog) == QDialog::Accepted;
}

std::optional<QString> ShellViewDialogs::runSingleFileRename(CQuirewellView &view,
                                                             const FileToRename &file)
{
    CDlgSingleFileRename dialog(&view);
    dialog.setObjectName(QStringLiteral("CDlgSingleFileRename"));
    dialog.setFile(file.location, file.name, file.locationBytes, file.nameBytes);
    if (Prompts::instance().runModal(&dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.newFileName();
}
