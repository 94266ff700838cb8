#include "listing/view/RowContextMenu.h"

#include "listing/CommandIds.h"

#include <QAction>
#include <QMenu>

namespace {

struct MenuItem
{
    const char *label; // nullptr: a separator
    int id;
};

constexpr MenuItem kItems[] = {
    {"Toggle\tSpaceBar", Cmd::Toggle},
    {"Open\tEnter", Cmd::Open},
    {nullptr, 0},
    {"Locate in Explorer", Cmd::LocateInExplorer},
    {nullptr, 0},
    {"Export File List", Cmd::ExportFileList},
    {nullptr, 0},
    {"Check All", Cmd::CheckAll},
    {"UnCheck All", Cmd::UnCheckAll},
    {"Remove UnChecked Files From List", Cmd::RemoveUnchecked},
    {nullptr, 0},
    {"Rename Selected File Now\tF2", Cmd::RenameSelectedFile},
    {"Copy Current File Name", Cmd::CopyCurrentFileName},
};

} // namespace

QMenu *createRowContextMenu(QWidget *parent, const std::function<void(int id)> &run)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("_POPUP_"));
    for (const MenuItem &item : kItems) {
        if (!item.label) {
            menu->addSeparator();
            continue;
        }
        // QMenu shows the text after the tab at the right, where key hints go.
        QAction *action = menu->addAction(QString::fromLatin1(item.label));
        action->setObjectName(QStringLiteral("menu-%1").arg(item.id));
        action->setData(item.id);
        const int id = item.id;
        QObject::connect(action, &QAction::triggered, menu, [run, id] { run(id); });
        if (id == Cmd::Open) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
            menu->setDefaultAction(action);
        }
    }
    return menu;
}
