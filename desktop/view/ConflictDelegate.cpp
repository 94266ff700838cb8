#include "desktop/view/ConflictDelegate.h"

#include "core/engine/names/RowProblems.h"
#include "core/listing/FileListModel.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

double luminance(const QColor &c)
{
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QColor mixed(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

} // namespace

ConflictDelegate::ConflictDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QString ConflictDelegate::editedSign()
{
    return QStringLiteral("\u270E "); // a pencil
}

double ConflictDelegate::contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ConflictDelegate::warningColour(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    const QColor alternate = palette.color(QPalette::Active, QPalette::AlternateBase);
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    // A deep red on light lists, a pale one on dark lists; drawn towards the text colour
    // (which the look already keeps readable) until it reads on both backgrounds.
    const QColor red =
        base.lightness() >= 128 ? QColor(0xb3, 0x26, 0x1e) : QColor(0xff, 0xa8, 0xa0);
    for (int step = 0; step <= 10; ++step) {
        const QColor c = mixed(red, text, step / 10.0);
        if (contrast(c, base) >= 4.5 && contrast(c, alternate) >= 4.5)
            return c;
    }
    return text;
}

void ConflictDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (m_edited && m_edited(index.row())) {
        option->font.setItalic(true);
        option->text = editedSign() + option->text;
    }
    if (index.data(FileListModel::kProblemRole).toInt() == int(RowProblem::None))
        return;
    const QColor colour = warningColour(option->palette);
    option->palette.setColor(QPalette::Text, colour);
    option->palette.setColor(QPalette::WindowText, colour);
    const QStyle *style = option->widget ? option->widget->style() : QApplication::style();
    option->icon = style->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, option->widget);
    option->features |= QStyleOptionViewItem::HasDecoration;
    const int side = option->fontMetrics.height();
    option->decorationSize = QSize(side, side);
}
