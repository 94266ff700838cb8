#pragma once

#include <QPalette>
#include <QString>

// The nine looks of the main window (Cmd::LookFirst to Cmd::LookLast), each a palette over the
// Fusion style (as LookStyle adjusts it). Any other number selects the Office 2007 family in
// whichever of its four colour styles was chosen last (blue until one is chosen).
namespace Looks {

bool isLook(int id);
QString menuLabel(int id);
// The palette that apply(id) would set now.
QPalette palette(int id);
// The active document window caption's background in that look (its text is white).
QColor captionColour(int id);
// Sets the style and the palette of the whole application.
void apply(int id);

} // namespace Looks
