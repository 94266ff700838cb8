#include "desktop/dialogs/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtEndian>
#include <QWidget>

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr int kFieldCount = WindowPlacement::kRecordSize / 4;

} // namespace

QByteArray WindowPlacement::toRecord() const
{
    const std::array<qint32, kFieldCount> fields{
        kRecordSize,
        flags,
        showState,
        minimisedPosition.x(),
        minimisedPosition.y(),
        maximisedPosition.x(),
        maximisedPosition.y(),
        normalRect.left(),
        normalRect.top(),
        normalRect.left() + normalRect.width(),
        normalRect.top() + normalRect.height(),
    };
    QByteArray record(kRecordSize, '\0');
    for (int i = 0; i < kFieldCount; ++i)
        qToLittleEndian<qint32>(fields[size_t(i)], record.data() + 4 * i);
    return record;
}

std::optional<WindowPlacement> WindowPlacement::fromRecord(const QByteArray &record)
{
    if (record.size() != kRecordSize)
        return std::nullopt;
    std::array<qint32, kFieldCount> f{};
    for (int i = 0; i < kFieldCount; ++i)
        f[size_t(i)] = qFromLittleEndian<qint32>(record.constData() + 4 * i);
    if (f[0] != kRecordSize)
        return std::nullopt;
    WindowPlacement placement;
    placement.flags = f[1];
    placement.showState = f[2];
    placement.minimisedPosition = {f[3], f[4]};
    placement.maximisedPosition = {f[5], f[6]};
    // Widths are formed in 64 bits: a corrupt record must not overflow.
    const qint64 width = qint64(f[9]) - f[7];
    const qint64 height = qint64(f[10]) - f[8];
    if (width > 0 && height > 0 && width <= std::numeric_limits<int>::max() &&
        height <= std::numeric_limits<int>::max())
        placement.normalRect = QRect(f[7], f[8], int(width), int(height));
    return placement;
}

WindowPlacement WindowPlacement::of(const QWidget *window)
{
    WindowPlacement placement;
    const bool normal = !window->isMinimized() && !window->isMaximized() && !window->isFullScreen();
    placement.showState = window->isMinimized()   ? Minimised
                          : window->isMaximized() ? Maximised
                                                  : Normal;
    placement.normalRect = normal ? window->geometry() : window->normalGeometry();
    return placement;
}

QRect WindowPlacement::clampedTo(const QRect &area) const
{
    // Larger than the area: as large as it. Then moved inside it, keeping its size.
    QRect rect(normalRect.topLeft(), normalRect.size().boundedTo(area.size()));
    rect.moveLeft(std::clamp(rect.left(), area.left(), area.right() + 1 - rect.width()));
    rect.moveTop(std::clamp(rect.top(), area.top(), area.bottom() + 1 - rect.height()));
    return rect;
}

bool WindowPlacement::applyTo(QWidget *window) const
{
    if (normalRect.isEmpty())
        return false;
    // The screen that holds most of the rectangle; one stored at another scale or on a
    // larger screen may reach past it.
    const QScreen *best = nullptr;
    qint64 bestArea = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect common = screen->availableGeometry().intersected(normalRect);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    if (!best)
        return false;
    window->setGeometry(clampedTo(best->availableGeometry()));
    return true;
}
