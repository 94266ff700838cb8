#include "TextFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>

namespace {

QString shown(QString text)
{
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

QString ownerName(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (!w->objectName().isEmpty())
            return w->objectName();
    }
    return QString::fromLatin1(widget->metaObject()->className());
}

void addBox(QList<TextBox> &boxes, QWidget *window, QWidget *widget, const QString &kind,
            const QString &text, QRect local, int needed, int neededHeight)
{
    TextBox box;
    box.kind = kind;
    box.text = shown(text);
    box.owner = ownerName(widget);
    box.rect = QRect(widget->mapTo(window, local.topLeft()), local.size());
    box.needed = needed;
    box.neededHeight = neededHeight;
    box.parent = widget->parentWidget();
    boxes.append(box);
}

void addWidget(QList<TextBox> &boxes, QWidget *window, QWidget *widget)
{
    const QRect all = widget->rect();
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return;
        // A wrapped label needs the height of its text at its width; others their width.
        if (label->wordWrap())
            addBox(boxes, window, widget, QStringLiteral("label"), label->text(), all, 0,
                   label->heightForWidth(all.width()));
        else
            addBox(boxes, window, widget, QStringLiteral("label"), label->text(), all,
                   label->QLabel::sizeHint().width(), label->QLabel::sizeHint().height());
    } else if (auto *tool = qobject_cast<QToolButton *>(widget)) {
        if (tool->text().isEmpty() || tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return;
        addBox(boxes, window, widget, QStringLiteral("button"), tool->text(), all,
               tool->sizeHint().width(), 0);
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        if (button->text().isEmpty())
            return;
        addBox(boxes, window, widget,
               qobject_cast<QCheckBox *>(widget) ? QStringLiteral("check")
                                                 : QStringLiteral("button"),
               button->text(), all, button->sizeHint().width(), 0);
    } else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
        const QFontMetrics metrics = tabs->fontMetrics();
        for (int i = 0; i < tabs->count(); ++i)
            addBox(boxes, window, widget, QStringLiteral("tab"), tabs->tabText(i), tabs->tabRect(i),
                   metrics.horizontalAdvance(shown(tabs->tabText(i))), 0);
    } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
        if (!group->title().isEmpty())
            addBox(boxes, window, widget, QStringLiteral("group"), group->title(), all,
                   group->fontMetrics().horizontalAdvance(shown(group->title())), 0);
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        // The closed box shows its current item: the longest item must fit.
        QString longest;
        for (int i = 0; i < combo->count(); ++i) {
            if (combo->itemText(i).size() > longest.size())
                longest = combo->itemText(i);
        }
        if (!longest.isEmpty())
            addBox(boxes, window, widget, QStringLiteral("combo"), longest, all,
                   combo->minimumSizeHint().width(), 0);
    }
}

} // namespace

namespace TextFit {

QList<TextBox> boxesOf(QWidget *window)
{
    QList<TextBox> boxes;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        if (!widget->isVisibleTo(window) || widget->width() <= 0 || widget->height() <= 0)
            continue;
        if (widget != window && widget->isWindow())
            continue; // menus, drop-downs and dialogs are checked on their own
        addWidget(boxes, window, widget);
    }
    return boxes;
}

QStringList faultsOf(const QList<TextBox> &boxes)
{
    QStringList faults;
    for (const TextBox &box : boxes) {
        if (box.needed > box.rect.width() || box.neededHeight > box.rect.height())
            faults << QStringLiteral("cut %1 \"%2\" (%3): %4x%5 given, %6x%7 needed")
                          .arg(box.kind, box.text, box.owner)
                          .arg(box.rect.width())
                          .arg(box.rect.height())
                          .arg(std::max(box.needed, 0))
                          .arg(std::max(box.neededHeight, 0));
    }
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        for (qsizetype j = i + 1; j < boxes.size(); ++j) {
            const TextBox &a = boxes[i];
            const TextBox &b = boxes[j];
            if (a.parent == b.parent && a.kind != QLatin1String("tab") &&
                b.kind != QLatin1String("tab") && a.rect.intersects(b.rect))
                faults << QStringLiteral("overlap \"%1\" (%2) and \"%3\" (%4)")
                              .arg(a.text, a.owner, b.text, b.owner);
        }
    }
    return faults;
}

QString describe(const QList<TextBox> &boxes, qreal scale)
{
    QStringList lines;
    const auto px = [scale](int v) { return QString::number(qRound(v * scale)); };
    for (const TextBox &box : boxes) {
        lines << QStringLiteral("fit %1 %2 %3 %4 %5 %6 %7 %8 %9")
                     .arg(box.kind, px(box.rect.x()), px(box.rect.y()), px(box.rect.width()),
                          px(box.rect.height()), px(box.needed), px(box.neededHeight),
                          QString::number(quintptr(box.parent), 16),
                          QString(box.text).replace(u'\n', u' '));
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace TextFit
