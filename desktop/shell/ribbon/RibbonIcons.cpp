#include "desktop/shell/ribbon/RibbonIcons.h"

#include "desktop/ui/CommandIds.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <functional>
#include <utility>

namespace RibbonIcons {

namespace {

// Every glyph is drawn on a 16 by 16 grid; the painter is scaled for the 32 pixel size.
using Glyph = std::function<void(QPainter &)>;

const QColor kOutline(70, 70, 70);

void page(QPainter &p)
{
    QPainterPath path;
    path.moveTo(3, 1);
    path.lineTo(10, 1);
    path.lineTo(13, 4);
    path.lineTo(13, 15);
    path.lineTo(3, 15);
    path.closeSubpath();
    p.setPen(QPen(kOutline, 0.8));
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
    p.setPen(QPen(kOutline, 0.8));
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

// Glyphs with a dark outline around a light body, so they show on light and dark looks.
void gear(QPainter &p)
{
    const QColor edge(50, 50, 70);
    const QColor body(210, 210, 222);
    for (const auto &[colour, width] : {std::pair{edge, 3.6}, std::pair{body, 2.0}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(8, 8);
            p.rotate(45.0 * i);
            p.drawLine(QPointF(-6.6, 0), QPointF(6.6, 0));
            p.restore();
        }
    }
    p.setPen(QPen(edge, 0.9));
    p.setBrush(body);
    p.drawEllipse(QPointF(8, 8), 4.6, 4.6);
    p.setBrush(QColor(90, 90, 110));
    p.drawEllipse(QPointF(8, 8), 1.8, 1.8);
}

void refresh(QPainter &p)
{
    for (const auto &[colour, width] :
         {std::pair{QColor(20, 70, 30), 3.4}, std::pair{QColor(80, 200, 100), 1.8}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 280 * 16);
    }
    p.setPen(QPen(QColor(20, 70, 30), 0.8));
    p.setBrush(QColor(80, 200, 100));
    p.drawPolygon(QPolygonF({QPointF(8, 0.3), QPointF(12.8, 3), QPointF(8, 6.2)}));
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

// Lines of text on a page.
void lines(QPainter &p)
{
    page(p);
    p.setPen(QPen(QColor(50, 80, 150), 1.2));
    for (int y = 5; y <= 11; y += 3)
        p.drawLine(QPointF(4.5, y), QPointF(10.5, y));
}

void windows(QPainter &p)
{
    p.setPen(QPen(kOutline, 0.8));
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
    case RenameFromList:
        return [](QPainter &p) { page(p), lines(p); };
    case EditNamesAsText:
        return lines;
    case EditNewName:
        return pencil;
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

void panel(QPainter &p)
{
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 1.5, 1.5);
    p.setBrush(QColor(70, 110, 200));
    for (const qreal x : {3.5, 8.5})
        p.drawRect(QRectF(x, 4.5, 4, 4));
    p.drawLine(QPointF(3.5, 11), QPointF(12.5, 11));
}

// Draws the glyph at whatever size and pixel density it is asked for, so the icons stay
// sharp on scaled screens; disabled and selected forms come from the style, as for images.
class GlyphIconEngine : public QIconEngine
{
public:
    explicit GlyphIconEngine(Glyph glyph) : m_glyph(std::move(glyph)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const int side = qMax(1, qRound(qMin(size.width(), size.height()) * scale));
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(side / 16.0, side / 16.0);
            m_glyph(painter);
        }
        pixmap.setDevicePixelRatio(scale);
        if (mode != QIcon::Normal && qApp) {
            QStyleOption option;
            option.palette = QApplication::palette();
            const QPixmap styled =
                QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
            if (!styled.isNull())
                return styled;
        }
        return pixmap;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }

    QIconEngine *clone() const override { return new GlyphIconEngine(m_glyph); }

private:
    Glyph m_glyph;
};

QIcon iconOf(Glyph glyph)
{
    return glyph ? QIcon(new GlyphIconEngine(std::move(glyph))) : QIcon();
}

} // namespace

QIcon forCommand(int id)
{
    return iconOf(glyphFor(id));
}

QIcon forPanel()
{
    return iconOf(panel);
}

} // namespace RibbonIcons
