#pragma once

#include <QList>

class QMenu;
class QWidget;
class RibbonCategory;

// What the ribbon shows, element by element, in the order the user meets it.
namespace RibbonLayout {

// The application menu ("File"): New to Close, the print entries, the recent documents
// heading and Exit at the bottom.
QMenu *buildApplicationMenu(QWidget *parent);
// The "&Home" category with its View, Edit, Rename and Window panels.
RibbonCategory *buildHomeCategory(QWidget *parent);
// The elements at the right end of the tab row: Donate, Style, Share, About.
QList<QWidget *> buildTabRow(QWidget *parent);

// Commands nobody handles: their entries stay disabled whatever the routing says.
const QList<int> &neverEnabledCommands();

} // namespace RibbonLayout
