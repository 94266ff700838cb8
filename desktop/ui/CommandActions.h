#pragma once

#include "desktop/ui/CommandTarget.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <QKeySequence>

#include <functional>
#include <optional>

class QAction;
class QIcon;
class QWidget;

// One QAction per command of the command table, built once with the command's text, tooltip,
// description (as status tip) and icon. The ribbon, the menus, the row context menu and the
// keys all use these actions. Triggering one asks for its command through triggered();
// whether it is enabled or checked is set by refresh() alone, from the routing's answers.
class CommandActions : public QObject
{
    Q_OBJECT
public:
    // The routed state of a command; nothing when nobody handles it.
    using StateQuery = std::function<std::optional<CommandUiState>(int id)>;
    using IconFor = std::function<QIcon(int id)>;

    explicit CommandActions(QObject *parent = nullptr, const IconFor &iconFor = {});
    ~CommandActions() override;

    // nullptr for a command that is not in the table.
    QAction *action(int id) const;
    QAction *action(const QString &actionName) const;
    const QList<QAction *> &actions() const { return m_actions; }

    // Puts the keys of the accelerator tables in force in the window: a key asks for the
    // command it reaches, the document's table first while documentActive() says so. The
    // keys are window-wide shortcuts of their own; the menus show them only as hints.
    void addKeys(QWidget *window, const std::function<bool()> &documentActive);

    // Sets every action's enabled state and check mark; a command nobody handles is disabled.
    void refresh(const StateQuery &state);

signals:
    void triggered(int id);

private:
    QList<QAction *> m_actions;
    QHash<int, QAction *> m_byId;
    QHash<int, bool> m_checked; // the check marks the routing last gave
};
