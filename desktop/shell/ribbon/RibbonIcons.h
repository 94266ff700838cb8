#pragma once

#include <QIcon>

// The ribbon's icons, drawn in code at the size and pixel density asked for, so that no
// image files are needed and they stay sharp when scaled. A command without an icon gets a
// null QIcon.
namespace RibbonIcons {

QIcon forCommand(int id);
QIcon forPanel(); // a collapsed panel's button

} // namespace RibbonIcons
