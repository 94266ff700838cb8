#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own images, drawn rather than loaded so that no image format plug-in is
// needed. res/ holds the same designs as SVG files for the desktop.
namespace AppIcons {

QIcon applicationIcon(); // 128
QIcon documentIcon();    // 130
QPixmap captionImage();  // 230: 20 by 20 pixels

} // namespace AppIcons
