#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>

#include <optional>

class QWidget;

// A window's placement as a 44-byte record of little-endian 32-bit integers, laid out like
// the Windows WINDOWPLACEMENT record so that one stored value reads the same everywhere:
// length (44), flags, show state, minimised position (x, y), maximised position (x, y),
// normal rectangle (left, top, right, bottom; right and bottom exclusive).
struct WindowPlacement
{
    static constexpr int kRecordSize = 44;
    enum ShowState : qint32
    {
        Normal = 1,
        Minimised = 2,
        Maximised = 3
    };

    qint32 flags = 0;
    qint32 showState = Normal;
    QPoint minimisedPosition{-1, -1};
    QPoint maximisedPosition{-1, -1};
    QRect normalRect; // the window's area without its frame, in screen coordinates

    QByteArray toRecord() const;
    // Nothing for a record of the wrong size or with a wrong length field.
    static std::optional<WindowPlacement> fromRecord(const QByteArray &record);

    // The placement of a top-level widget (its normal geometry while minimised or maximised).
    static WindowPlacement of(const QWidget *window);
    // Moves and sizes window to the normal rectangle, made to fit the available area of the
    // screen that holds most of it. A rectangle that is empty or lies on no screen is not
    // applied (the window keeps its place); returns whether it was.
    bool applyTo(QWidget *window) const;
    // The normal rectangle no larger than area and moved inside it.
    QRect clampedTo(const QRect &area) const;
};
