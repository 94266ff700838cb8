// Which commands the list view handles, when they are enabled, and which handler runs each.
#include "listing/CommandIds.h"
#include "listing/view/QuirewellView.h"
#include "listing/view/ViewDialogs.h"

namespace {
QUrl g_shareAddress;
}

void CQuirewellView::setShareAddress(const QUrl &address)
{
    g_shareAddress = address;
}

QUrl CQuirewellView::shareAddress()
{
    return g_shareAddress;
}

bool CQuirewellView::onCommand(int id)
{
    CommandUiState state;
    if (!commandState(id, state))
        return false;
    if (!state.enabled)
        return true;
    switch (id) {
    case Cmd::FolderLocation:
        OnFolderLocation();
        break;
    case Cmd::Reload:
        OnReload();
        break;
    case Cmd::DisplayNewNames:
        // Rows that are being listed get their new names once they are in.
        if (isLoading())
            m_bComputeAfterLoads = true;
        else
            ComputeNewNames();
        break;
    case Cmd::Settings:
        OnSettings();
        break;
    case Cmd::RenameParameters:
        OnRenameParameters();
        break;
    case Cmd::RenameSelectedFile:
        OnRenameSelectedFile();
        break;
    case Cmd::CheckAll:
        OnCheckAll();
        break;
    case Cmd::UnCheckAll:
        OnUnCheckAll();
        break;
    case Cmd::Toggle:
        OnToggle();
        break;
    case Cmd::RemoveUnchecked:
        OnRemoveUnchecked();
        break;
    case Cmd::Open:
        OnOpen();
        break;
    case Cmd::LocateInExplorer:
        OnLocateInExplorer();
        break;
    case Cmd::SourceFolderInExplorer:
        OnSourceFolderInExplorer();
        break;
    case Cmd::CopyCurrentFileName:
        OnCopyCurrentFileName();
        break;
    case Cmd::ExportFileList:
        OnExportFileList();
        break;
    case Cmd::FilesInSubFolders:
        OnFilesInSubFolders();
        break;
    case Cmd::StartRenaming:
        OnStartRenaming();
        break;
    case Cmd::ShareOnFacebook:
        OnShareOnFacebook();
        break;
    default:
        return false;
    }
    emit commandStatesChanged();
    return true;
}

bool CQuirewellView::commandState(int id, CommandUiState &state) const
{
    const bool hasDialogs = ViewDialogs::instance() != nullptr;
    // While a batch renames files the rows stay as they were asked about: nothing that
    // changes them, lists again or renames runs meanwhile.
    const bool listStill = !m_bRenaming;
    switch (id) {
    case Cmd::FolderLocation:
    case Cmd::Reload:
    case Cmd::DisplayNewNames:
    case Cmd::CheckAll:
    case Cmd::UnCheckAll:
    case Cmd::Toggle:
    case Cmd::RemoveUnchecked:
        // A load asked for during another one waits for it; row changes made during a load
        // act on the rows still shown.
        state.enabled = listStill;
        return true;
    case Cmd::Open:
    case Cmd::LocateInExplorer:
    case Cmd::SourceFolderInExplorer:
    case Cmd::CopyCurrentFileName:
    case Cmd::ExportFileList:
        state.enabled = true;
        return true;
    case Cmd::FilesInSubFolders:
        state.enabled = listStill;
        state.checkable = true;
        state.checked = m_settings.GetViewFilesInSubFolders() != 0;
        return true;
    case Cmd::StartRenaming:
        state.enabled = listStill && !isLoading();
        return true;
    case Cmd::ShareOnFacebook:
        if (g_shareAddress.isEmpty())
            return false;
        state.enabled = true;
        return true;
    case Cmd::RenameParameters:
        if (!hasDialogs)
            return false;
        state.enabled = true;
        return true;
    case Cmd::Settings:
        if (!hasDialogs)
            return false;
        state.enabled = listStill;
        return true;
    case Cmd::RenameSelectedFile:
        if (!hasDialogs)
            return false;
        state.enabled = listStill && !isLoading();
        return true;
    default:
        return false;
    }
}
