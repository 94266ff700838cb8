#pragma once

#include <QList>
#include <QWidget>

class ApplicationButton;
class CommandActions;
class QAction;
class KeyTipController;
class QMenu;
class QStackedWidget;
class QTabBar;
struct KeyTip;
class RibbonCategory;

// The band at the top of the main window: the application button with its menu, the category
// tabs with their panels, and the buttons at the right end of the tab row. Every element runs
// its command's action and shows that action's enabled state and check or radio mark.
class Ribbon : public QWidget
{
    Q_OBJECT
public:
    explicit Ribbon(const CommandActions &commands, QWidget *parent = nullptr);

    ApplicationButton *applicationButton() const { return m_appButton; }
    QMenu *applicationMenu() const { return m_appMenu; }
    void openApplicationMenu();
    KeyTipController *keyTips() const { return m_keyTips; }
    QList<RibbonCategory *> categories() const { return m_categories; }

signals:
    void applicationButtonActivated();

private:
    void connectElements(const CommandActions &commands);
    QList<KeyTip> keyTipsFor(const QString &scope);
    QList<KeyTip> rootKeyTips();
    QList<KeyTip> categoryKeyTips(int index);
    QList<KeyTip> panelKeyTips(int category, int panel);
    QString keyTipsBack(const QString &scope);
    // The scope of a collapsed panel whose drop-down is the window; empty for any other.
    QString dropDownScope(const QWidget *window) const;

    ApplicationButton *m_appButton;
    QMenu *m_appMenu;
    QTabBar *m_tabs;
    QStackedWidget *m_pages;
    QList<RibbonCategory *> m_categories;
    QList<QWidget *> m_tabRow;
    KeyTipController *m_keyTips;
};
