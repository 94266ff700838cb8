#include "desktop/ui/CommandActions.h"

#include "desktop/ui/CommandTable.h"

#include <QAction>
#include <QIcon>
#include <QWidget>

CommandActions::CommandActions(QObject *parent, const IconFor &iconFor) : QObject(parent)
{
    for (const CommandInfo &info : CommandTable::commands()) {
        auto *action = new QAction(this);
        action->setObjectName(info.actionName);
        action->setData(info.id);
        // A menu shows the text after a tab at the right, where key hints go.
        action->setText(info.shownKeys.isEmpty() ? info.name : info.name + u'\t' + info.shownKeys);
        action->setToolTip(CommandTable::tooltipFor(info.id, info.name));
        action->setStatusTip(info.description);
        if (iconFor)
            action->setIcon(iconFor(info.id));
        const int id = info.id;
        connect(action, &QAction::triggered, this, [this, action, id] {
            // A checkable action flips its own mark when triggered; the mark stays what the
            // routing said until it says otherwise.
            action->setChecked(m_checked.value(id));
            emit triggered(id);
        });
        m_actions.append(action);
        m_byId.insert(id, action);
    }
}

CommandActions::~CommandActions() = default;

QAction *CommandActions::action(int id) const
{
    return m_byId.value(id);
}

QAction *CommandActions::action(const QString &actionName) const
{
    const CommandInfo *info = CommandTable::findByActionName(actionName);
    return info ? action(info->id) : nullptr;
}

void CommandActions::addKeys(QWidget *window, const std::function<bool()> &documentActive)
{
    QList<QKeySequence> seen;
    for (const Accelerator &accelerator : CommandTable::accelerators()) {
        if (seen.contains(accelerator.keys))
            continue;
        seen.append(accelerator.keys);
        const QKeySequence keys = accelerator.keys;
        auto *key = new QAction(keys.toString(), window);
        key->setObjectName(QStringLiteral("keys ") + keys.toString());
        key->setShortcut(keys);
        key->setShortcutContext(Qt::WindowShortcut);
        // The routing decides whether the command runs, as for a posted command.
        connect(key, &QAction::triggered, this, [this, keys, documentActive] {
            const int id = CommandTable::commandForKeys(keys, documentActive());
            if (id != 0)
                emit triggered(id);
        });
        window->addAction(key);
    }
}

void CommandActions::refresh(const StateQuery &state)
{
    for (QAction *action : std::as_const(m_actions)) {
        const int id = action->data().toInt();
        const std::optional<CommandUiState> routed = state(id);
        const bool checkable = routed && routed->checkable;
        m_checked.insert(id, checkable && routed->checked);
        action->setEnabled(routed && routed->enabled);
        action->setCheckable(checkable);
        action->setChecked(checkable && routed->checked);
    }
}
