// The commands the list view handles: each with its handler and its state, registered once.
#include "desktop/ui/CommandIds.h"
#include "desktop/view/QuirewellView.h"

#include <QMetaMethod>

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

void CQuirewellView::registerCommands()
{
    // Every command of the view may change what the others report.
    const auto add = [this](int id, void (CQuirewellView::*handler)(), StateQuery state) {
        registerCommand(
            id,
            [this, handler] {
                (this->*handler)();
                emit commandStatesChanged();
            },
            std::move(state));
    };
    // While a batch renames files the rows stay as they were asked about: nothing that
    // changes them, lists again or renames runs meanwhile. A load asked for during another
    // one waits for it; row changes made during a load act on the rows still shown.
    const auto whileListStill = [this] { return CommandUiState::enabledIf(!isRenaming()); };
    const auto always = [] { return CommandUiState{}; };
    const auto whenIdle = [this] {
        return CommandUiState::enabledIf(!isRenaming() && !isLoading());
    };
    // The dialogs' commands exist only while someone answers their requests.
    const auto withDialogs = [this](const QMetaMethod &request, StateQuery state) -> StateQuery {
        return [this, request, state]() -> std::optional<CommandUiState> {
            if (!isSignalConnected(request))
                return std::nullopt;
            return state();
        };
    };

    add(Cmd::FolderLocation, &CQuirewellView::OnFolderLocation, whileListStill);
    add(Cmd::Reload, &CQuirewellView::OnReload, whileListStill);
    registerCommand(
        Cmd::DisplayNewNames,
        [this] {
            m_controller.onDisplayNewNames();
            emit commandStatesChanged();
        },
        whileListStill);
    add(Cmd::CheckAll, &CQuirewellView::OnCheckAll, whileListStill);
    add(Cmd::UnCheckAll, &CQuirewellView::OnUnCheckAll, whileListStill);
    add(Cmd::Toggle, &CQuirewellView::OnToggle, whileListStill);
    add(Cmd::RemoveUnchecked, &CQuirewellView::OnRemoveUnchecked, whileListStill);
    add(Cmd::Open, &CQuirewellView::OnOpen, always);
    add(Cmd::LocateInExplorer, &CQuirewellView::OnLocateInExplorer, always);
    add(Cmd::SourceFolderInExplorer, &CQuirewellView::OnSourceFolderInExplorer, always);
    add(Cmd::CopyCurrentFileName, &CQuirewellView::OnCopyCurrentFileName, always);
    add(Cmd::ExportFileList, &CQuirewellView::OnExportFileList, always);
    add(Cmd::FilesInSubFolders, &CQuirewellView::OnFilesInSubFolders, [this] {
        return CommandUiState::checkMark(CAppSettings().GetViewFilesInSubFolders() != 0,
                                         !isRenaming());
    });
    registerCommand(
        Cmd::StartRenaming,
        [this] {
            m_controller.OnStartRenaming();
            emit commandStatesChanged();
        },
        whenIdle);
    registerCommand(
        Cmd::UndoRename,
        [this] {
            m_controller.onUndoRename();
            emit commandStatesChanged();
        },
        [this] {
            return CommandUiState::enabledIf(!isRenaming() && !isLoading() &&
                                             ListController::undoAvailable());
        });
    registerCommand(
        Cmd::CancelWork, [this] { m_controller.cancelWork(); },
        [this] { return CommandUiState::enabledIf(m_controller.canCancel()); });
    add(Cmd::ShareOnFacebook, &CQuirewellView::OnShareOnFacebook,
        []() -> std::optional<CommandUiState> {
            if (g_shareAddress.isEmpty())
                return std::nullopt;
            return CommandUiState{};
        });
    add(Cmd::RenameParameters, &CQuirewellView::OnRenameParameters,
        withDialogs(QMetaMethod::fromSignal(&CQuirewellView::renameParametersRequested), always));
    add(Cmd::Settings, &CQuirewellView::OnSettings,
        withDialogs(QMetaMethod::fromSignal(&CQuirewellView::settingsRequested), whileListStill));
    add(Cmd::RenameSelectedFile, &CQuirewellView::OnRenameSelectedFile,
        withDialogs(QMetaMethod::fromSignal(&CQuirewellView::singleFileRenameRequested), whenIdle));
    add(Cmd::RenameFromList, &CQuirewellView::onRenameFromList, whenIdle);
    add(Cmd::EditNamesAsText, &CQuirewellView::onEditNamesAsText, whenIdle);
    add(Cmd::EditNewName, &CQuirewellView::onEditNewName, whenIdle);
    registerCommand(
        Cmd::UnreadFolders, [this] { emit unreadFoldersRequested(); },
        withDialogs(QMetaMethod::fromSignal(&CQuirewellView::unreadFoldersRequested), [this] {
            return CommandUiState::enabledIf(!m_controller.unreadFolders().empty());
        }));
}
