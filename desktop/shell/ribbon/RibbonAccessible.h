#pragma once

// What a screen reader learns about the ribbon's own widgets: the ribbon as a tool bar, each
// category as a page, each panel as a named group, the collapsed panel's button as a drop-down,
// and every button and check box with its name, role, description, mark and menu. Installed
// once, before the first ribbon is asked about.
namespace RibbonAccessible {
void install();
}
