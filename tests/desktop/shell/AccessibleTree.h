#pragma once

// Reading a window the way a screen reader does: its QAccessible tree, every interactive
// element's name and role, and the order in which Tab visits its controls.

#include "desktop/shell/ribbon/Ribbon.h"
#include "desktop/shell/ribbon/RibbonPanel.h"
#include "desktop/shell/StatusPanes.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMetaEnum>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>

#include <algorithm>
#include <optional>

namespace AccessibleTree {

inline QString roleName(QAccessible::Role role)
{
    const char *key = QMetaEnum::fromType<QAccessible::Role>().valueToKey(role);
    return key ? QString::fromLatin1(key) : QString::number(int(role));
}

// The role a widget of this kind must report; nothing for kinds without a rule.
inline std::optional<QAccessible::Role> expectedRole(const QObject *object)
{
    if (qobject_cast<const Ribbon *>(object))
        return QAccessible::ToolBar;
    if (qobject_cast<const RibbonCategory *>(object))
        return QAccessible::PropertyPage;
    if (qobject_cast<const RibbonPanel *>(object))
        return QAccessible::Grouping;
    if (qobject_cast<const QCheckBox *>(object))
        return QAccessible::CheckBox;
    if (qobject_cast<const QRadioButton *>(object))
        return QAccessible::RadioButton;
    if (qobject_cast<const QPushButton *>(object))
        return QAccessible::Button;
    if (const auto *tool = qobject_cast<const QToolButton *>(object)) {
        if (const auto *panel = qobject_cast<const RibbonPanel *>(tool->parent());
            panel && panel->collapsedButton() == tool)
            return QAccessible::ButtonDropDown;
        if (!tool->menu())
            return QAccessible::Button;
        return tool->popupMode() == QToolButton::InstantPopup ? QAccessible::ButtonMenu
                                                              : QAccessible::ButtonDropDown;
    }
    if (qobject_cast<const QLineEdit *>(object))
        return QAccessible::EditableText;
    if (qobject_cast<const QComboBox *>(object))
        return QAccessible::ComboBox;
    if (qobject_cast<const QAbstractSpinBox *>(object))
        return QAccessible::SpinBox;
    if (qobject_cast<const QTabBar *>(object))
        return QAccessible::PageTabList;
    if (qobject_cast<const QTableView *>(object))
        return QAccessible::Table;
    if (qobject_cast<const QListView *>(object))
        return QAccessible::List;
    if (qobject_cast<const StatusPane *>(object))
        return QAccessible::StaticText;
    if (qobject_cast<const QStatusBar *>(object))
        return QAccessible::StatusBar;
    return std::nullopt;
}

// Whether a screen reader needs a name to tell the element apart.
inline bool needsName(const QAccessibleInterface *element)
{
    switch (element->role()) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::EditableText:
    case QAccessible::PageTab:
    case QAccessible::PageTabList:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::MenuItem:
    case QAccessible::Slider:
    case QAccessible::Link:
    case QAccessible::ColumnHeader:
    case QAccessible::Table:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::StatusBar:
        return true;
    default:
        break;
    }
    // A control Tab stops at, or a status pane, whatever its role.
    const auto *widget = qobject_cast<const QWidget *>(element->object());
    return widget && (qobject_cast<const StatusPane *>(widget) ||
                      ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() &&
                       !qobject_cast<const QAbstractItemView *>(widget->parentWidget())));
}

// Walks the tree under element; each problem is one line naming the path to the element.
inline void walk(QAccessibleInterface *element, const QString &path, QStringList &problems,
                 int depth = 0)
{
    if (!element || !element->isValid() || depth > 60)
        return;
    const QAccessible::Role role = element->role();
    const QString name = element->text(QAccessible::Name).trimmed();
    const QObject *object = element->object();
    const QString here =
        path + QStringLiteral(" / ") + roleName(role) + QStringLiteral(" \"") + name +
        QStringLiteral("\"") +
        (object && !object->objectName().isEmpty() ? QStringLiteral(" #") + object->objectName()
                                                   : QString());
    if (object) {
        const std::optional<QAccessible::Role> expected = expectedRole(object);
        if (expected && *expected != role)
            problems << here + QStringLiteral(": the role should be ") + roleName(*expected);
    }
    if (needsName(element) && name.isEmpty())
        problems << here + QStringLiteral(": no name");
    if (name.contains(u'&') && !name.contains(QStringLiteral("& ")))
        problems << here + QStringLiteral(": an access character left in the name");
    for (int i = 0; i < element->childCount(); ++i)
        walk(element->child(i), here, problems, depth + 1);
}

inline QStringList problemsOf(QObject *root)
{
    QStringList problems;
    walk(QAccessible::queryAccessibleInterface(root), QString(), problems);
    return problems;
}

// The controls Tab visits in window, in order from the first.
inline QList<QWidget *> tabChain(QWidget *window)
{
    QList<QWidget *> chain;
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (w->window() == window && w->isVisible() && w->isEnabled() && !w->focusProxy() &&
            (w->focusPolicy() & Qt::TabFocus))
            chain.append(w);
        if (chain.size() > 500)
            break;
    }
    return chain;
}

// Where Tab goes against the reading order. Tab goes round in a circle, so the circle is read
// from the control that comes first on the screen (the top line, its leftmost control); from
// there each step must not go to a control wholly above the previous one, unless into a
// column to its right, nor to its left on the same line.
inline QStringList tabOrderProblems(QWidget *window)
{
    QStringList problems;
    QList<QWidget *> chain = tabChain(window);
    const auto rectOf = [window](const QWidget *w) {
        return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
    };
    const auto label = [](const QWidget *w) {
        return QStringLiteral("%1 \"%2\"")
            .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
    };
    qsizetype first = 0;
    for (qsizetype i = 1; i < chain.size(); ++i) {
        const QRect candidate = rectOf(chain[i]);
        const QRect best = rectOf(chain[first]);
        const bool sameLine = candidate.top() <= best.bottom() && candidate.bottom() >= best.top();
        if ((!sameLine && candidate.top() < best.top()) ||
            (sameLine && candidate.left() < best.left()))
            first = i;
    }
    std::rotate(chain.begin(), chain.begin() + first, chain.end());
    for (qsizetype i = 1; i < chain.size(); ++i) {
        const QRect from = rectOf(chain[i - 1]);
        const QRect to = rectOf(chain[i]);
        const bool above = to.bottom() < from.top();
        const bool sameLine = to.top() <= from.bottom() && to.bottom() >= from.top();
        const bool columnToTheRight = to.left() >= from.right() - 2;
        const bool leftOnSameLine = sameLine && to.right() <= from.left();
        if ((above && !columnToTheRight) || leftOnSameLine)
            problems << label(chain[i - 1]) + QStringLiteral(" -> ") + label(chain[i]);
    }
    return problems;
}

} // namespace AccessibleTree
