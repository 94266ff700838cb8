#pragma once

#include "listing/CommandTarget.h"

#include <QList>
#include <QWidget>

#include <functional>

class ApplicationButton;
class KeyTipController;
class QMenu;
class QStackedWidget;
class QTabBar;
struct KeyTip;
class RibbonCategory;

// The band at the top of the main window: the application button with its menu, the category
// tabs with their panels, and the buttons at the right end of the tab row. Elements run their
// commands by number through commandTriggered; their enabled, check and radio marks come only
// from refreshStates.
class Ribbon : public QWidget
{
    Q_OBJECT
public:
    using StateQuery = std::function<bool(int id, CommandUiState &state)>;

    explicit Ribbon(QWidget *parent = nullptr);

    // Asks for every element's state; an element whose command nobody handles (the query
    // returns false) is disabled.
    void refreshStates(const StateQuery &query);

    ApplicationButton *applicationButton() const { return m_appButton; }
    QMenu *applicationMenu() const { return m_appMenu; }
    void openApplicationMenu();
    KeyTipController *keyTips() const { return m_keyTips; }
    QList<RibbonCategory *> categories() const { return m_categories; }

signals:
    void commandTriggered(int id);
    void applicationButtonActivated();

private:
    void connectElements();
    void runElement(QObject *element);
    QList<KeyTip> keyTipsFor(const QString &scope);
    QList<KeyTip> rootKeyTips();
    QList<KeyTip> categoryKeyTips(int index);

    ApplicationButton *m_appButton;
    QMenu *m_appMenu;
    QTabBar *m_tabs;
    QStackedWidget *m_pages;
    QList<RibbonCategory *> m_categories;
    QList<QWidget *> m_tabRow;
    QList<QObject *> m_elements; // everything that runs a command, widgets and menu entries
    KeyTipController *m_keyTips;
};
