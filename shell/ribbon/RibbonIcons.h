#pragma once

#include <QIcon>

// The ribbon's icons, drawn in code at 16 and 32 pixels so that no image files are needed.
// A command without an icon gets a null QIcon.
namespace RibbonIcons {

QIcon forCommand(int id);

} // namespace RibbonIcons
