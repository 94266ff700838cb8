#include "desktop/shell/CancelControl.h"

#include "desktop/ui/CommandTable.h"
#include "desktop/view/BatchInputGuard.h"

#include <QAction>
#include <QStatusBar>
#include <QToolButton>

QToolButton *addCommandControl(QStatusBar *bar, QAction *action)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(action->objectName() + QStringLiteral("Control"));
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    bar->addPermanentWidget(button);
    button->setVisible(action->isEnabled());
    QObject::connect(action, &QAction::enabledChanged, button, &QWidget::setVisible);
    return button;
}

void addCancelControl(QStatusBar *bar, QAction *cancel)
{
    if (!cancel)
        return;
    // The batch lets clicks through to this name only.
    addCommandControl(bar, cancel)->setObjectName(BatchInputGuard::cancelControlName());

    // The command's key from the command table, in force only while there is work to stop.
    const CommandInfo *info = CommandTable::find(cancel->data().toInt());
    const QKeySequence keys =
        QKeySequence::fromString(info ? info->shownKeys : QString(), QKeySequence::PortableText);
    if (keys.isEmpty())
        return;
    auto *escape = new QAction(bar->window());
    escape->setObjectName(QStringLiteral("keys ") + keys.toString());
    escape->setShortcut(keys);
    escape->setShortcutContext(Qt::WindowShortcut);
    escape->setEnabled(cancel->isEnabled());
    QObject::connect(cancel, &QAction::enabledChanged, escape, &QAction::setEnabled);
    QObject::connect(escape, &QAction::triggered, cancel, &QAction::trigger);
    bar->window()->addAction(escape);
}
