#pragma once

class QAction;
class QStatusBar;
class QToolButton;

// A status bar button for the command's action, at the right, shown only while the action is
// enabled.
QToolButton *addCommandControl(QStatusBar *bar, QAction *action);

// The status bar's cancel control: a button for the cancel command's action, shown only
// while that action is enabled (a load or a batch is running), and Esc for the same action
// in the bar's window at that time only, so that Esc keeps its other uses otherwise.
void addCancelControl(QStatusBar *bar, QAction *cancel);
