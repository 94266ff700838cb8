#pragma once

class CMainFrame;
class QWidget;

// The ribbon as the main frame places it: commands from its elements go through the frame's
// dispatch, and its elements take their states from the frame's routing.
namespace FrameRibbon {
// nullptr when the program is built without a ribbon.
QWidget *create(CMainFrame &frame);
void refresh(QWidget *ribbon, const CMainFrame &frame);
} // namespace FrameRibbon
