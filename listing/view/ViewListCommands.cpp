// The list view's row commands: check marks, removing rows, opening and locating the
// selected file, the folder, the clipboard, the export file and the sub-folder switch.
#include "engine/FileNames.h"
#include "listing/ExportFile.h"
#include "listing/view/ListingFrame.h"
#include "listing/view/QuirewellView.h"
#include "listing/view/WaitCursor.h"
#include "ui/CommandIds.h"
#include "ui/ExternalOpener.h"
#include "ui/Prompts.h"

#include <QApplication>
#include <QClipboard>
#include <QUrl>

QString CQuirewellView::GetSelectedFilePath() const
{
    const int row = firstSelectedRow();
    return row < 0 ? QString() : m_model.rows().fullPath(row);
}

void CQuirewellView::OnCheckAll()
{
    WaitCursor wait;
    m_model.setAllChecked(true);
}

void CQuirewellView::OnUnCheckAll()
{
    WaitCursor wait;
    m_model.setAllChecked(false);
}

void CQuirewellView::OnToggle()
{
    const int row = firstSelectedRow();
    if (row >= 0)
        m_model.toggle(row);
}

void CQuirewellView::OnRemoveUnchecked()
{
    WaitCursor wait;
    m_model.removeUnchecked();
    UpdateStatusSummary();
}

void CQuirewellView::OnOpen()
{
    const int row = firstSelectedRow();
    if (row >= 0)
        ExternalOpener::instance().openUrl(localFileUrl(m_model.rows().fullPathBytes(row)));
}

void CQuirewellView::OnLocateInExplorer()
{
    const QString path = GetSelectedFilePath();
    if (!path.isEmpty())
        ExternalOpener::instance().showInFileManager(path);
}

void CQuirewellView::OnSourceFolderInExplorer()
{
    if (m_strFolder.isEmpty())
        postToSelf(Cmd::FolderLocation);
    else
        ExternalOpener::instance().openUrl(localFileUrl(encodeFileName(m_strFolder)));
}

void CQuirewellView::OnCopyCurrentFileName()
{
    const int row = firstSelectedRow();
    if (row >= 0)
        QGuiApplication::clipboard()->setText(m_model.rows().rows[size_t(row)].loadedName);
}

void CQuirewellView::OnExportFileList()
{
    QString file;
    QString error;
    bool written = false;
    {
        WaitCursor wait;
        written = ExportFile::exportRows(m_model.rows(), file, error);
    }
    if (!written) {
        Prompts::instance().message(
            this, QStringLiteral("Could Not Open Temporary File to Save File List."),
            Prompts::Icon::Error);
        return;
    }
    ExternalOpener::instance().openUrl(localFileUrl(encodeFileName(file)));
}

void CQuirewellView::OnFilesInSubFolders()
{
    m_settings.SetViewFilesInSubFolders(m_settings.GetViewFilesInSubFolders() == 0 ? 1 : 0);
    postToSelf(Cmd::Reload);
}

void CQuirewellView::OnShareOnFacebook()
{
    // setShareAddress() gave the address; commandState() offers the command only then.
    ExternalOpener::instance().openUrl(shareAddress());
}
