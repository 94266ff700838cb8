// The list view's row commands: check marks, removing rows, opening and locating the
// selected file, the folder, the clipboard, the export file and the sub-folder switch.
#include "core/engine/names/FileNames.h"
#include "core/listing/ExportFile.h"
#include "desktop/ui/CommandIds.h"
#include "desktop/ui/ExternalOpener.h"
#include "desktop/ui/Prompts.h"
#include "desktop/view/ListingFrame.h"
#include "desktop/view/QuirewellView.h"
#include "desktop/view/WaitCursor.h"

#include <QApplication>
#include <QClipboard>
#include <QUrl>

QString CQuirewellView::GetSelectedFilePath() const
{
    const int row = firstSelectedRow();
    return row < 0 ? QString() : fileModel().rows().fullPath(row);
}

void CQuirewellView::OnCheckAll()
{
    WaitCursor wait;
    fileModel().setAllChecked(true);
}

void CQuirewellView::OnUnCheckAll()
{
    WaitCursor wait;
    fileModel().setAllChecked(false);
}

void CQuirewellView::OnToggle()
{
    const int row = firstSelectedRow();
    if (row >= 0)
        fileModel().toggle(row);
}

void CQuirewellView::OnRemoveUnchecked()
{
    WaitCursor wait;
    fileModel().removeUnchecked();
    m_controller.UpdateStatusSummary();
}

void CQuirewellView::OnOpen()
{
    const int row = firstSelectedRow();
    if (row >= 0)
        ExternalOpener::instance().openUrl(localFileUrl(fileModel().rows().fullPathBytes(row)));
}

void CQuirewellView::OnLocateInExplorer()
{
    const QString path = GetSelectedFilePath();
    if (!path.isEmpty())
        ExternalOpener::instance().showInFileManager(path);
}

void CQuirewellView::OnSourceFolderInExplorer()
{
    if (folder().isEmpty())
        postToSelf(Cmd::FolderLocation);
    else
        ExternalOpener::instance().openUrl(localFileUrl(encodeFileName(folder())));
}

void CQuirewellView::OnCopyCurrentFileName()
{
    const int row = firstSelectedRow();
    if (row >= 0)
        QGuiApplication::clipboard()->setText(
            displayedFileName(fileModel().rows().rows[size_t(row)].loadedName));
}

void CQuirewellView::OnExportFileList()
{
    QString file;
    QString error;
    bool written = false;
    {
        WaitCursor wait;
        m_controller.finishNewNames();
        written = ExportFile::exportRows(fileModel().rows(), file, error);
    }
    if (!written) {
        Prompts::instance().message(this, tr("Could Not Open Temporary File to Save File List."),
                                    Prompts::Icon::Error);
        return;
    }
    ExternalOpener::instance().openUrl(localFileUrl(encodeFileName(file)));
}

void CQuirewellView::OnFilesInSubFolders()
{
    CAppSettings settings;
    settings.SetViewFilesInSubFolders(settings.GetViewFilesInSubFolders() == 0 ? 1 : 0);
    postToSelf(Cmd::Reload);
}

void CQuirewellView::OnShareOnFacebook()
{
    // setShareAddress() gave the address; commandState() offers the command only then.
    ExternalOpener::instance().openUrl(shareAddress());
}
