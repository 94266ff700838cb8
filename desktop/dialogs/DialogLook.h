#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

// What every dialog of the program shares: its caption names the application, it carries
// the application icon, and its size is given in dialog units of its font.

// prefix followed by the application's title, e.g. "Settings - Quirewell by ...".
QString captionWithTitle(const QString &prefix);

// The application icon as the shell set it; a null icon when there is none (tests).
QIcon applicationIcon();

// A label showing the application icon at size x size pixels (empty without an icon).
QLabel *makeIconLabel(int size, QWidget *parent);

// Dialog units (a quarter of the average character width, an eighth of the line height)
// of widget's font, in pixels.
QSize fromDialogUnits(const QWidget *widget, int width, int height);
