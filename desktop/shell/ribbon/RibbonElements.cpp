#include "desktop/shell/ribbon/RibbonElements.h"

#include "desktop/shell/ribbon/RibbonIcons.h"
#include "desktop/ui/CommandTable.h"

#include <QActionGroup>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QToolTip>

namespace RibbonElement {

namespace {

QAction *boundCommand(const QObject *element)
{
    const RibbonElementData *info = data(element);
    return info ? info->boundCommand.data() : nullptr;
}

// A menu entry toggles its own mark when chosen (and an exclusive group moves it); put back
// what its command shows.
void restoreMarks(QAction *entry)
{
    const QList<QAction *> marked =
        entry->actionGroup() ? entry->actionGroup()->actions() : QList<QAction *>{entry};
    for (const bool checked : {false, true}) {
        for (QAction *other : marked) {
            QAction *command = boundCommand(other);
            if (command && command->isChecked() == checked)
                other->setChecked(checked);
        }
    }
}

void showState(QObject *element, const QAction *command)
{
    const bool checkable = command->isCheckable();
    const bool checked = checkable && command->isChecked();
    setEnabled(element, command->isEnabled());
    if (auto *action = qobject_cast<QAction *>(element)) {
        action->setCheckable(checkable);
        restoreMarks(action); // in an exclusive group, the others' marks too
    } else if (auto *box = qobject_cast<QCheckBox *>(element)) {
        box->setChecked(checked);
    } else if (auto *button = qobject_cast<QAbstractButton *>(element)) {
        button->setCheckable(checkable);
        button->setChecked(checked);
    }
}

QString richTooltip(const QString &tooltip, const QString &description)
{
    QString html = QStringLiteral("<b>%1</b>").arg(tooltip.toHtmlEscaped());
    if (!description.isEmpty())
        html += QStringLiteral("<br>") + description.toHtmlEscaped();
    return html;
}

// One filter for every element: replaces the plain tooltip by the tooltip over the
// description, the way the ribbon shows them.
class RichTooltipFilter : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget)
            return false;
        const auto *help = static_cast<QHelpEvent *>(event);
        const QObject *source = widget;
        QString tooltip = widget->toolTip();
        if (auto *menu = qobject_cast<QMenu *>(widget)) {
            QAction *action = menu->actionAt(help->pos());
            source = action;
            tooltip = action ? action->toolTip() : QString();
        }
        if (!source || tooltip.isEmpty()) {
            QToolTip::hideText();
            return true;
        }
        QToolTip::showText(help->globalPos(), richTooltip(tooltip, description(source)), widget);
        return true;
    }
};

} // namespace

RibbonElementData *data(QObject *element)
{
    return dynamic_cast<RibbonElementData *>(element);
}

const RibbonElementData *data(const QObject *element)
{
    return dynamic_cast<const RibbonElementData *>(element);
}

void setCommand(QObject *element, int id)
{
    RibbonElementData *info = data(element);
    Q_ASSERT(info);
    info->command = id;
    if (id >= 0)
        element->setObjectName(QStringLiteral("cmd-%1").arg(id));
}

int command(const QObject *element)
{
    const RibbonElementData *info = data(element);
    return info ? info->command : -1;
}

QString description(const QObject *element)
{
    const RibbonElementData *info = data(element);
    return info ? info->description : QString();
}

QString keyTip(const QObject *element)
{
    const RibbonElementData *info = data(element);
    return info ? info->keyTip : QString();
}

void setEnabled(QObject *element, bool enabled)
{
    if (auto *widget = qobject_cast<QWidget *>(element))
        widget->setEnabled(enabled);
    else if (auto *entry = qobject_cast<QAction *>(element))
        entry->setEnabled(enabled);
}

void bind(QObject *element, QAction *command)
{
    if (RibbonElementData *info = data(element))
        info->boundCommand = command;
    if (auto *button = qobject_cast<QAbstractButton *>(element)) {
        QObject::connect(button, &QAbstractButton::clicked, command, &QAction::trigger);
    } else if (auto *entry = qobject_cast<QAction *>(element); entry && !entry->menu()) {
        QObject::connect(entry, &QAction::triggered, command, [entry, command] {
            restoreMarks(entry);
            command->trigger();
        });
    }
    QObject::connect(command, &QAction::changed, element,
                     [element, command] { showState(element, command); });
    showState(element, command);
}

QString labelText(const QString &stored)
{
    return stored.section(u'\n', 0, 0);
}

QString labelKeyTip(const QString &stored)
{
    return stored.section(u'\n', 1);
}

void installRichTooltip(QObject *element)
{
    static RichTooltipFilter filter;
    element->installEventFilter(&filter);
}

void popupBelow(QWidget *anchor, QMenu *menu)
{
    menu->popup(anchor->mapToGlobal(QPoint(0, anchor->height())));
}

QAction *addMenuCommand(QMenu *menu, int id, const QString &label)
{
    auto *action = new RibbonMenuEntry(RibbonIcons::forCommand(id), label, menu);
    setCommand(action, id);
    action->description = CommandTable::descriptionFor(id);
    action->setToolTip(CommandTable::tooltipFor(id, label));
    menu->addAction(action);
    return action;
}

void setUp(QAbstractButton *button, int id, const QString &label)
{
    const QString text = labelText(label);
    RibbonElementData *info = data(button);
    Q_ASSERT(info);
    setCommand(button, id);
    info->keyTip = labelKeyTip(label);
    info->description = CommandTable::descriptionFor(id);
    button->setText(text);
    button->setToolTip(CommandTable::tooltipFor(id, text));
    installRichTooltip(button);
}

} // namespace RibbonElement

RightAlignedMenu::RightAlignedMenu(QWidget *anchor, QWidget *parent)
    : QMenu(parent), m_anchor(anchor)
{}

void RightAlignedMenu::showEvent(QShowEvent *event)
{
    QMenu::showEvent(event);
    const int right = m_anchor->mapToGlobal(QPoint(m_anchor->width(), 0)).x();
    move(right - width(), y());
}

RibbonButton::RibbonButton(int id, const QString &label, Size size, QWidget *parent)
    : QToolButton(parent)
{
    RibbonElement::setUp(this, id, label);
    setAutoRaise(true);
    if (size == Size::Large) {
        setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        setIconSize(QSize(32, 32));
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    } else {
        setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        setIconSize(QSize(16, 16));
    }
}

RibbonCheckBox::RibbonCheckBox(int id, const QString &label, QWidget *parent) : QCheckBox(parent)
{
    RibbonElement::setUp(this, id, label);
}

ApplicationButton::ApplicationButton(QWidget *parent) : QToolButton(parent)
{
    setObjectName(QStringLiteral("application-button"));
    setToolTip(tr("Click to Start File Renaming Process"));
    keyTip = QStringLiteral("f");
    setFixedSize(45, 45);
    setFocusPolicy(Qt::NoFocus);
    RibbonElement::installRichTooltip(this);
}

void ApplicationButton::mousePressEvent(QMouseEvent *event)
{
    activateOnLeftButton(event);
}

void ApplicationButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    activateOnLeftButton(event);
}

void ApplicationButton::activateOnLeftButton(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    emit activated();
}

void ApplicationButton::mouseReleaseEvent(QMouseEvent *event)
{
    // The press already did the work; a release must not count as a click.
    event->accept();
}

void ApplicationButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF orb = QRectF(rect()).adjusted(2, 2, -2, -2);
    QRadialGradient fill(orb.center() - QPointF(0, orb.height() / 4), orb.width() * 0.7);
    const QColor base = palette().color(QPalette::Highlight);
    fill.setColorAt(0, base.lighter(underMouse() ? 190 : 160));
    fill.setColorAt(1, base.darker(130));
    painter.setPen(QPen(base.darker(170), 1.5));
    painter.setBrush(fill);
    painter.drawEllipse(orb);
    // A light band over the upper half gives the orb its glassy look.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawEllipse(
        orb.adjusted(orb.width() * 0.18, 3, -orb.width() * 0.18, -orb.height() * 0.5));
}
