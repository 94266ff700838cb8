#pragma once

class CMainFrame;
class CommandActions;
class QWidget;

// The ribbon as the main frame places it, on the frame's command actions.
namespace FrameRibbon {
// The frame's actions, one per command, with the ribbon's icons when there is a ribbon.
CommandActions *createActions(CMainFrame &frame);
// nullptr when the program is built without a ribbon.
QWidget *create(CMainFrame &frame);
} // namespace FrameRibbon
