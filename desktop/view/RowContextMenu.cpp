#include "desktop/view/RowContextMenu.h"

#include "desktop/ui/CommandActions.h"
#include "desktop/ui/CommandIds.h"

#include <QAction>
#include <QMenu>

namespace {

// 0: a separator.
constexpr int kItems[] = {
    Cmd::Toggle,
    Cmd::Open,
    0,
    Cmd::LocateInExplorer,
    0,
    Cmd::ExportFileList,
    0,
    Cmd::CheckAll,
    Cmd::UnCheckAll,
    Cmd::RemoveUnchecked,
    0,
    Cmd::RenameSelectedFile,
    Cmd::CopyCurrentFileName,
};

} // namespace

QMenu *createRowContextMenu(QWidget *parent, const CommandActions &commands)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("_POPUP_"));
    for (const int id : kItems) {
        QAction *action = id ? commands.action(id) : nullptr;
        if (!action) {
            menu->addSeparator();
            continue;
        }
        // The row context menu shows texts only; the actions' icons are for the ribbon.
        action->setIconVisibleInMenu(false);
        menu->addAction(action);
        if (id == Cmd::Open) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
            menu->setDefaultAction(action);
        }
    }
    return menu;
}
