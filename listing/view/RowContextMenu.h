#pragma once

#include <functional>

class QMenu;
class QWidget;

// The list's row context menu (menu 310): its items in order with their separators, the
// text after a tab shown as a key hint only (no key is bound here), and "Open" as the bold
// default item. Each item is named "menu-<command>" and runs its command through run.
QMenu *createRowContextMenu(QWidget *parent, const std::function<void(int id)> &run);
