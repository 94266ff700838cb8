#include "desktop/shell/ribbon/RibbonAccessible.h"

#include "desktop/shell/ribbon/Ribbon.h"
#include "desktop/shell/ribbon/RibbonElements.h"
#include "desktop/shell/ribbon/RibbonPanel.h"
#include "desktop/ui/CommandTable.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

namespace {

QString plain(const QString &text)
{
    return CommandTable::withoutAccessCharacters(text);
}

// A button, check box or the application button: named by its text, or by its tooltip when
// it shows an icon only.
class ElementAccessible : public QAccessibleWidget
{
public:
    explicit ElementAccessible(QAbstractButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {}

    // Asked each time: the interface is made while the widget is still being set up.
    QAccessible::Role role() const override { return roleOf(button()); }

    QAbstractButton *button() const { return static_cast<QAbstractButton *>(object()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: {
            QString name = button()->accessibleName();
            if (name.isEmpty())
                name = plain(button()->text());
            if (name.isEmpty())
                name = button()->toolTip();
            return name;
        }
        case QAccessible::Description: {
            QString description = button()->accessibleDescription();
            if (description.isEmpty())
                description = RibbonElement::description(button());
            const QString tooltip = button()->toolTip();
            if (description.isEmpty() && tooltip != text(QAccessible::Name))
                description = tooltip;
            return description;
        }
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State st = QAccessibleWidget::state();
        QAbstractButton *b = button();
        if (b->isCheckable() || qobject_cast<QCheckBox *>(b)) {
            st.checkable = true;
            st.checked = b->isChecked();
        }
        st.pressed = b->isDown();
        if (menuOf(b) || qobject_cast<ApplicationButton *>(b))
            st.hasPopup = true;
        return st;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (button()->isEnabled()) {
            if (qobject_cast<QCheckBox *>(button()))
                names << toggleAction();
            else if (!isMenuOnly(button()))
                names << pressAction();
            if (menuOf(button()) || qobject_cast<ApplicationButton *>(button()))
                names << showMenuAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        QAbstractButton *b = button();
        if (!b->isEnabled())
            return;
        // The application button acts on a press, not on a click, and only its key tip
        // opens its menu: a screen reader gets both as actions.
        auto *application = qobject_cast<ApplicationButton *>(b);
        auto *ribbon = application ? qobject_cast<Ribbon *>(b->parentWidget()) : nullptr;
        if (action == pressAction() && application)
            emit application->activated();
        else if (action == pressAction() || action == toggleAction())
            b->click();
        else if (action == showMenuAction() && ribbon)
            ribbon->openApplicationMenu();
        else if (action == showMenuAction() && menuOf(b))
            RibbonElement::popupBelow(b, menuOf(b));
        else
            QAccessibleWidget::doAction(action);
    }

private:
    static QMenu *menuOf(const QAbstractButton *button)
    {
        const auto *tool = qobject_cast<const QToolButton *>(button);
        return tool ? tool->menu() : nullptr;
    }
    // A drop-down whose press only opens its menu.
    static bool isMenuOnly(const QAbstractButton *button)
    {
        const auto *tool = qobject_cast<const QToolButton *>(button);
        return tool && tool->menu() && tool->popupMode() == QToolButton::InstantPopup;
    }
    static QAccessible::Role roleOf(const QAbstractButton *button)
    {
        if (qobject_cast<const QCheckBox *>(button))
            return QAccessible::CheckBox;
        if (isMenuOnly(button))
            return QAccessible::ButtonMenu;
        if (menuOf(button))
            return QAccessible::ButtonDropDown;
        return QAccessible::Button;
    }
};

// The button that stands for a collapsed panel: it drops the panel's elements down.
class CollapsedPanelAccessible : public QAccessibleWidget
{
public:
    explicit CollapsedPanelAccessible(QToolButton *button)
        : QAccessibleWidget(button, QAccessible::ButtonDropDown)
    {}

    RibbonPanel *panel() const { return static_cast<RibbonPanel *>(object()->parent()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return panel()->title();
        if (t == QAccessible::Description)
            return QCoreApplication::translate("RibbonAccessible",
                                               "Shows the commands of the collapsed panel");
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State st = QAccessibleWidget::state();
        st.hasPopup = true;
        st.expandable = true;
        st.expanded = panel()->isDroppedDown();
        st.collapsed = !st.expanded;
        return st;
    }
    QStringList actionNames() const override
    {
        return QStringList{pressAction(), showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction() || action == showMenuAction())
            panel()->showDropDown();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A panel: a group named by its title, collapsed or not.
class PanelAccessible : public QAccessibleWidget
{
public:
    explicit PanelAccessible(RibbonPanel *panel) : QAccessibleWidget(panel, QAccessible::Grouping)
    {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<RibbonPanel *>(object())->title();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State st = QAccessibleWidget::state();
        const bool collapsed = static_cast<RibbonPanel *>(object())->isCollapsed();
        st.expandable = collapsed;
        st.collapsed = collapsed;
        return st;
    }
};

// A category: the page that its tab shows.
class CategoryAccessible : public QAccessibleWidget
{
public:
    explicit CategoryAccessible(RibbonCategory *category)
        : QAccessibleWidget(category, QAccessible::PropertyPage)
    {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return plain(static_cast<RibbonCategory *>(object())->name());
        return QAccessibleWidget::text(t);
    }
};

class RibbonBandAccessible : public QAccessibleWidget
{
public:
    explicit RibbonBandAccessible(Ribbon *ribbon) : QAccessibleWidget(ribbon, QAccessible::ToolBar)
    {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QCoreApplication::translate("RibbonAccessible", "Ribbon");
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return QCoreApplication::translate("RibbonAccessible",
                                               "Press Alt to show the key tips of its commands");
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *ribbonFactory(const QString &key, QObject *object)
{
    Q_UNUSED(key);
    if (!object || !object->isWidgetType())
        return nullptr;
    if (auto *ribbon = qobject_cast<Ribbon *>(object))
        return new RibbonBandAccessible(ribbon);
    if (auto *category = qobject_cast<RibbonCategory *>(object))
        return new CategoryAccessible(category);
    if (auto *panel = qobject_cast<RibbonPanel *>(object))
        return new PanelAccessible(panel);
    if (auto *button = qobject_cast<QToolButton *>(object)) {
        if (auto *panel = qobject_cast<RibbonPanel *>(button->parent());
            panel && panel->collapsedButton() == button)
            return new CollapsedPanelAccessible(button);
    }
    if (RibbonElement::data(object)) {
        if (auto *button = qobject_cast<QAbstractButton *>(object))
            return new ElementAccessible(button);
    }
    return nullptr;
}

} // namespace

namespace RibbonAccessible {

void install()
{
    static const bool kInstalled = [] {
        QAccessible::installFactory(ribbonFactory);
        return true;
    }();
    Q_UNUSED(kInstalled);
}

} // namespace RibbonAccessible
