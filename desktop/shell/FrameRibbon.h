#pragma once

class CMainFrame;
class CommandActions;
class QWidget;

// The ribbon as the main frame places it, on the frame's command actions.
namespace FrameRibbon {
// The frame's actions, one per command, with the ribbon's icons.
CommandActions *createActions(CMainFrame &frame);
QWidget *create(CMainFrame &frame);
} // namespace FrameRibbon
