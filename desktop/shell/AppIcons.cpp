#include "desktop/shell/AppIcons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

// Both icons are drawn on a 256 by 256 grid, the same grid as the SVG files in res/.
QPixmap paintIcon(int size, void (*draw)(QPainter &))
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    draw(painter);
    return pixmap;
}

void drawLines(QPainter &p, qreal left, qreal top, qreal width, int count)
{
    p.setPen(QPen(QColor(0x8a9bb4), 10, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + i * 26), QPointF(left + width - (i % 2) * 30, top + i * 26));
}

void drawArrow(QPainter &p)
{
    QPainterPath arrow;
    arrow.moveTo(112, 150);
    arrow.lineTo(176, 150);
    arrow.lineTo(176, 126);
    arrow.lineTo(226, 172);
    arrow.lineTo(176, 218);
    arrow.lineTo(176, 194);
    arrow.lineTo(112, 194);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0x9a4a00), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xf39c1f));
    p.drawPath(arrow);
}

void drawApplication(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f4e8c));
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(48, 36, 132, 176), 12, 12);
    drawLines(p, 72, 72, 84, 4);
    drawArrow(p);
}

void drawDocument(QPainter &p)
{
    QPainterPath page;
    page.moveTo(44, 12);
    page.lineTo(160, 12);
    page.lineTo(212, 64);
    page.lineTo(212, 244);
    page.lineTo(44, 244);
    page.closeSubpath();
    p.setPen(QPen(QColor(0x1f4e8c), 8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPath(page);
    QPainterPath fold;
    fold.moveTo(160, 12);
    fold.lineTo(160, 64);
    fold.lineTo(212, 64);
    p.setBrush(QColor(0xd6e2f3));
    p.drawPath(fold);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f4e8c));
    p.drawRect(QRectF(44, 196, 168, 48));
    drawLines(p, 72, 92, 112, 3);
}

} // namespace

namespace AppIcons {

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(paintIcon(size, drawApplication));
    return icon;
}

QIcon documentIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(paintIcon(size, drawDocument));
    return icon;
}

QPixmap captionImage()
{
    // Drawn for the screen's pixel density, so that it stays sharp when scaled.
    const qreal scale = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(qCeil(20 * scale), qCeil(20 * scale));
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1f4e8c), 1.2));
    p.setBrush(QColor(0x3a7bd5));
    p.drawEllipse(QRectF(1, 1, 18, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(8.6, 4.2, 2.8, 2.8));
    p.drawRoundedRect(QRectF(8.8, 8.2, 2.4, 8), 1, 1);
    return pixmap;
}

} // namespace AppIcons
