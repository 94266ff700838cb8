#pragma once

class CommandActions;
class QMenu;
class QWidget;

// The row context menu on the commands' own actions: their texts with the key hints,
// "Open" in bold as the default item.
QMenu *createRowContextMenu(QWidget *parent, const CommandActions &commands);
