#include "desktop/dialogs/DialogLook.h"

#include "core/engine/settings/AppSettings.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>

QString captionWithTitle(const QString &prefix)
{
    return prefix + QString::fromLatin1(CAppSettings::kApplicationTitle);
}

QIcon applicationIcon()
{
    // The shell draws the icon and sets it on the application at start-up.
    return QGuiApplication::windowIcon();
}

QLabel *makeIconLabel(int size, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setFixedSize(size, size);
    const QIcon icon = applicationIcon();
    if (!icon.isNull())
        label->setPixmap(icon.pixmap(size, size));
    return label;
}

QSize fromDialogUnits(const QWidget *widget, int width, int height)
{
    const QFontMetrics metrics = widget->fontMetrics();
    return {width * metrics.averageCharWidth() / 4, height * metrics.height() / 8};
}
