#include "desktop/shell/ShellViewDialogs.h"

#include "core/engine/names/FileNames.h"
#include "core/system/SystemError.h"

#include "desktop/dialogs/DlgRenameFailures.h"
#include "desktop/dialogs/DlgRenameParameters.h"
#include "desktop/dialogs/DlgSettings.h"
#include "desktop/dialogs/DlgSingleFileRename.h"
#include "desktop/dialogs/DlgUnreadFolders.h"
#include "desktop/shell/MainFrame.h"
#include "desktop/ui/CommandIds.h"
#include "desktop/ui/Prompts.h"
#include "desktop/view/QuirewellView.h"

namespace ShellViewDialogs {

namespace {

CDlgRenameParameters *createRenameParameters(CQuirewellView &view, CMainFrame &frame)
{
    auto *dialog = new CDlgRenameParameters(&frame);
    dialog->setObjectName(QStringLiteral("CDlgRenameParameters"));
    QObject::connect(dialog, &CDlgRenameParameters::parametersEdited, &view,
                     &CQuirewellView::setRenameParameters);
    // post() queues the command and merges it with the same one still waiting.
    QObject::connect(dialog, &CDlgRenameParameters::renameAllClicked, &frame,
                     [&frame] { frame.post(Cmd::StartRenaming); });
    return dialog;
}

// The view's rename parameters window, made on first use.
CDlgRenameParameters *parametersDialog(CQuirewellView &view, CMainFrame &frame)
{
    auto *dialog = qobject_cast<CDlgRenameParameters *>(view.renameParametersDialog());
    if (!dialog) {
        dialog = createRenameParameters(view, frame);
        // The view destroys it when it goes, which stores its placement.
        view.setRenameParametersDialog(dialog);
    }
    return dialog;
}

} // namespace

void applyPreset(CQuirewellView &view, CMainFrame &frame, const QString &name)
{
    parametersDialog(view, frame)->applyPreset(name);
}

void savePreset(CQuirewellView &view, CMainFrame &frame)
{
    parametersDialog(view, frame)->savePreset();
}

void connectTo(CQuirewellView &view, CMainFrame &frame)
{
    QObject::connect(&view, &CQuirewellView::renameParametersRequested, &frame,
                     [&view, &frame] { parametersDialog(view, frame)->showDialog(); });
    QObject::connect(&view, &CQuirewellView::settingsRequested, &frame, [&view] {
        CDlgSettings dialog(&view);
        dialog.setObjectName(QStringLiteral("CDlgSettings"));
        if (Prompts::instance().runModal(&dialog) == QDialog::Accepted)
            view.onSettingsChanged();
    });
    QObject::connect(&view, &CQuirewellView::singleFileRenameRequested, &frame,
                     [&view](const CQuirewellView::FileToRename &file) {
                         CDlgSingleFileRename dialog(&view);
                         dialog.setObjectName(QStringLiteral("CDlgSingleFileRename"));
                         dialog.setFile(file.location, file.name, file.locationBytes,
                                        file.nameBytes);
                         if (Prompts::instance().runModal(&dialog) == QDialog::Accepted)
                             view.onSingleFileRenamed(file, dialog.newFileName());
                     });
    QObject::connect(&view, &CQuirewellView::unreadFoldersRequested, &frame, [&view] {
        QList<CDlgUnreadFolders::Folder> folders;
        for (const UnreadFolder &unread : view.controller().unreadFolders())
            folders.append(
                {displayedFileName(decodeFileName(unread.folder)), systemErrorText(unread.error)});
        CDlgUnreadFolders dialog(folders, &view);
        dialog.setObjectName(QStringLiteral("CDlgUnreadFolders"));
        Prompts::instance().runModal(&dialog);
    });
    showFailuresOf(view.controller(), &view);
}

void showFailuresOf(ListController &controller, QWidget *parent)
{
    QObject::connect(&controller, &ListController::renamesFailed, parent,
                     [parent](int renamed, const QList<FailedRename> &failures) {
                         CDlgRenameFailures dialog(renamed, failures, parent);
                         dialog.setObjectName(QStringLiteral("CDlgRenameFailures"));
                         Prompts::instance().runModal(&dialog);
                     });
}

} // namespace ShellViewDialogs
