#pragma once

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPointer>
#include <QToolButton>

// What every ribbon element carries besides its widget text: its command, key tip and
// description (the tooltip is the widget's own toolTip). Buttons, check boxes, panels and
// menu entries inherit it.
class RibbonElementData
{
public:
    virtual ~RibbonElementData() = default;

    int command = -1; // -1: the element runs no command
    QString keyTip;
    QString description;
    QPointer<QAction> boundCommand; // the command's action, once bound
};

// A menu entry of the ribbon.
class RibbonMenuEntry : public QAction, public RibbonElementData
{
    Q_OBJECT
public:
    using QAction::QAction;
};

// A ribbon menu: its key tip opens it from its parent menu's entry.
class RibbonMenu : public QMenu, public RibbonElementData
{
    Q_OBJECT
public:
    using QMenu::QMenu;
};

namespace RibbonElement {

// The element's data; null for an object that is no ribbon element.
RibbonElementData *data(QObject *element);
const RibbonElementData *data(const QObject *element);

void setCommand(QObject *element, int id);
int command(const QObject *element); // -1 when the element runs no command
QString description(const QObject *element);
QString keyTip(const QObject *element);

// Enables or disables a button, check box or menu entry.
void setEnabled(QObject *element, bool enabled);

// Binds the element (a button, check box or menu entry) to its command's action: using the
// element triggers the action, and the element shows the action's enabled state and mark.
void bind(QObject *element, QAction *command);

// Splits a stored label "Text\nk" into its text and its key tip.
QString labelText(const QString &stored);
QString labelKeyTip(const QString &stored);

// Shows the tooltip with the description under it, for widgets and for menus' actions.
void installRichTooltip(QObject *element);

// Pops the menu up under the anchor without waiting for it to close.
void popupBelow(QWidget *anchor, QMenu *menu);

// Gives a button its command, text, key tip, tooltip and description from a stored label.
void setUp(QAbstractButton *button, int id, const QString &label);

// Appends an entry that runs the command, with the command's tooltip and description.
QAction *addMenuCommand(QMenu *menu, int id, const QString &label);

} // namespace RibbonElement

// A drop-down menu whose right edge lines up with its anchor's right edge.
class RightAlignedMenu : public QMenu
{
    Q_OBJECT
public:
    RightAlignedMenu(QWidget *anchor, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *m_anchor;
};

// A ribbon button: large (icon over text) or small (icon beside text). Its check mark, when
// it has one, shows only what the command's state says: a click does not toggle it.
class RibbonButton : public QToolButton, public RibbonElementData
{
    Q_OBJECT
public:
    enum class Size
    {
        Large,
        Small
    };
    RibbonButton(int id, const QString &label, Size size, QWidget *parent = nullptr);

protected:
    void nextCheckState() override {}
};

// A check box whose mark comes only from the command's state.
class RibbonCheckBox : public QCheckBox, public RibbonElementData
{
    Q_OBJECT
public:
    RibbonCheckBox(int id, const QString &label, QWidget *parent = nullptr);

protected:
    void nextCheckState() override {}
};

// The round button at the top left. A left press or a double click asks to start renaming;
// the mouse never opens the application menu (only its key tip does).
class ApplicationButton : public QToolButton, public RibbonElementData
{
    Q_OBJECT
public:
    explicit ApplicationButton(QWidget *parent = nullptr);

signals:
    void activated();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void activateOnLeftButton(QMouseEvent *event);
};
