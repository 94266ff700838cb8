#include "desktop/shell/LookStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// Relative luminance (WCAG), for picking the caption text's partner colour.
qreal luminance(const QColor &colour)
{
    const auto channel = [](qreal c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

// A square box with a frame, and a tick or a bar for the checked and partly checked states.
void drawCheckBox(const QStyleOption &option, const QColor &frame, const QColor &fill,
                  const QColor &mark, QPainter *painter)
{
    const QRectF area = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal side = std::min(area.width(), area.height());
    const QRectF box(area.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(frame, std::max<qreal>(1.0, side / 13.0)));
    painter->setBrush(fill);
    painter->drawRoundedRect(box, side / 8, side / 8);
    painter->setPen(
        QPen(mark, std::max<qreal>(1.5, side / 6.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(Qt::NoBrush);
    if (option.state & QStyle::State_On) {
        QPainterPath tick;
        tick.moveTo(box.left() + side * 0.22, box.top() + side * 0.52);
        tick.lineTo(box.left() + side * 0.42, box.top() + side * 0.72);
        tick.lineTo(box.left() + side * 0.78, box.top() + side * 0.30);
        painter->drawPath(tick);
    } else if (option.state & QStyle::State_NoChange) {
        painter->drawLine(QPointF(box.left() + side * 0.25, box.center().y()),
                          QPointF(box.right() - side * 0.25, box.center().y()));
    }
    painter->restore();
}

} // namespace

LookStyle::LookStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void LookStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
    if (element != PE_IndicatorCheckBox && element != PE_IndicatorItemViewItemCheck) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QPalette::ColorGroup group =
        (option->state & State_Enabled) ? QPalette::Active : QPalette::Disabled;
    const QPalette &palette = option->palette;
    // In the list the box sits on the row (the base colour, or the highlight when the row
    // is selected); elsewhere on the window colour.
    const bool inList = element == PE_IndicatorItemViewItemCheck;
    const bool selected = inList && (option->state & State_Selected);
    const QColor frame = palette.color(group, selected ? QPalette::HighlightedText
                                              : inList ? QPalette::Text
                                                       : QPalette::WindowText);
    drawCheckBox(*option, frame, palette.color(group, QPalette::Base),
                 palette.color(group, QPalette::Text), painter);
}

void LookStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                   QPainter *painter, const QWidget *widget) const
{
    if (control == CC_TitleBar) {
        if (const auto *titleBar = qstyleoption_cast<const QStyleOptionTitleBar *>(option)) {
            // Fusion's caption text is white when active and black otherwise: give each a
            // background it can be read on.
            QStyleOptionTitleBar copy = *titleBar;
            copy.palette.setColor(QPalette::Highlight, m_caption);
            const QColor window = copy.palette.color(QPalette::Window);
            if (luminance(window) < 0.4)
                copy.palette.setColor(QPalette::Window, QColor(0xc8c8c8));
            QProxyStyle::drawComplexControl(control, &copy, painter, widget);
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}
