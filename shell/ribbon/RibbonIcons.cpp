#include "shell/ribbon/RibbonIcons.h"

#include "ui/CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace RibbonIcons {

namespace {

// Every glyph is drawn on a 16 by 16 grid; the painter is scaled for the 32 pixel size.
using Glyph = std::function<void(QPainter &)>;

const QColor Outline(70, 70, 70);

void page(QPainter &p)
{
    QPainterPath path;
    path.moveTo(3, 1);
    path.lineTo(10, 1);
    path.lineTo(13, 4);
    path.lineTo(13, 15);
    path.lineTo(3, 15);
    path.closeSubpath();
    p.setPen(QPen(Outline, 0.8));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(QPointF(10, 1), QPointF(10, 4));
    p.drawLine(QPointF(10, 4), QPointF(13, 4));
}

void folder(QPainter &p)
{
    p.setPen(QPen(QColor(150, 110, 20), 0.8));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(1, 4, 14, 10));
    p.drawRect(QRectF(1, 2.5, 5, 1.5));
}

void disk(QPainter &p)
{
    p.setPen(QPen(QColor(20, 40, 110), 0.8));
    p.setBrush(QColor(60, 100, 190));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
}

void printer(QPainter &p)
{
    p.setPen(QPen(Outline, 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(QColor(160, 160, 170));
    p.drawRect(QRectF(1.5, 6, 13, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 10, 8, 4.5));
}

void pencil(QPainter &p)
{
    p.setPen(QPen(QColor(120, 70, 10), 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(7, 14), QPointF(14, 7));
    p.setPen(QPen(QColor(250, 200, 60), 1.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(7.5, 13.5), QPointF(13.5, 7.5));
}

void magnifier(QPainter &p)
{
    p.setPen(QPen(QColor(30, 30, 30), 1.4));
    p.setBrush(QColor(200, 230, 255, 200));
    p.drawEllipse(QPointF(10, 9), 3, 3);
    p.drawLine(QPointF(12.2, 11.2), QPointF(15, 14));
}

void cross(QPainter &p, const QColor &colour)
{
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 9), QPointF(14, 14));
    p.drawLine(QPointF(14, 9), QPointF(9, 14));
}

void gear(QPainter &p)
{
    p.setPen(QPen(QColor(60, 60, 80), 2.2, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(8, 8);
        p.rotate(45.0 * i);
        p.drawLine(QPointF(-7, 0), QPointF(7, 0));
        p.restore();
    }
    p.setPen(QPen(QColor(60, 60, 80), 0.8));
    p.setBrush(QColor(150, 150, 170));
    p.drawEllipse(QPointF(8, 8), 5, 5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 8), 2, 2);
}

void refresh(QPainter &p)
{
    p.setPen(QPen(QColor(30, 130, 50), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 130, 50));
    p.drawPolygon(QPolygonF({QPointF(8, 0.5), QPointF(12.5, 3), QPointF(8, 6)}));
}

// A curved arrow pointing back, to the left.
void undoArrow(QPainter &p)
{
    p.setPen(QPen(QColor(40, 90, 180), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(5, 6);
    path.lineTo(10, 6);
    path.cubicTo(QPointF(15, 6), QPointF(15, 13), QPointF(10, 13));
    path.lineTo(7, 13);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 180));
    p.drawPolygon(QPolygonF({QPointF(1, 6), QPointF(6, 2), QPointF(6, 10)}));
}

void lines(QPainter &p)
{
    p.setPen(QPen(QColor(50, 80, 150), 1.2));
    for (int y = 4; y <= 12; y += 3)
        p.drawLine(QPointF(2, y), QPointF(10, y));
}

void windows(QPainter &p)
{
    p.setPen(QPen(Outline, 0.8));
    for (const QPointF &at : {QPointF(1.5, 1.5), QPointF(5.5, 5.5)}) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(at, QSizeF(9, 8)));
        p.setBrush(QColor(70, 110, 200));
        p.drawRect(QRectF(at, QSizeF(9, 2)));
    }
}

void badge(QPainter &p, const QColor &colour, const QString &letter, bool round)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    if (round)
        p.drawEllipse(QRectF(1, 1, 14, 14));
    else
        p.drawRoundedRect(QRectF(1, 1, 14, 14), 2.5, 2.5);
    QFont font;
    font.setBold(true);
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 1, 14, 15), Qt::AlignCenter, letter);
}

Glyph glyphFor(int id)
{
    using namespace Cmd;
    switch (id) {
    case FileNew:
        return page;
    case FileOpen:
    case FolderLocation:
    case SourceFolderInExplorer:
        return folder;
    case FileSave:
        return disk;
    case FileSaveAs:
        return [](QPainter &p) { disk(p), pencil(p); };
    case FilePrint:
    case FilePrintDirect:
        return printer;
    case FilePrintPreview:
        return [](QPainter &p) { printer(p), magnifier(p); };
    case FilePageSetup:
        return [](QPainter &p) {
            printer(p);
            p.scale(0.5, 0.5);
            p.translate(16, 16);
            gear(p);
        };
    case FileClose:
        return [](QPainter &p) { page(p), cross(p, QColor(200, 40, 40)); };
    case AppExit:
        return [](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 40, 40));
            p.drawRoundedRect(QRectF(1, 1, 14, 14), 2.5, 2.5);
            p.translate(-3.5, -3.5);
            cross(p, Qt::white);
        };
    case Reload:
        return refresh;
    case Settings:
        return gear;
    case RenameParameters:
        return [](QPainter &p) { lines(p), pencil(p); };
    case RenameSelectedFile:
        return [](QPainter &p) { page(p), pencil(p); };
    case UndoRename:
        return [](QPainter &p) {
            page(p);
            p.translate(0, 2);
            undoArrow(p);
        };
    case WindowManager:
        return windows;
    case ShareOnFacebook:
        return [](QPainter &p) { badge(p, QColor(59, 89, 152), QStringLiteral("f"), false); };
    case AppAbout:
        return [](QPainter &p) { badge(p, QColor(40, 110, 200), QStringLiteral("i"), true); };
    default:
        return {};
    }
}

QPixmap render(const Glyph &glyph, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    glyph(painter);
    return pixmap;
}

} // namespace

QIcon forCommand(int id)
{
    const Glyph glyph = glyphFor(id);
    if (!glyph)
        return {};
    QIcon icon;
    icon.addPixmap(render(glyph, 16));
    icon.addPixmap(render(glyph, 32));
    return icon;
}

} // namespace RibbonIcons
