#pragma once

#include <QString>

class CChildFrame;
class CMainFrame;

// The --screenshot run: once the document window has listed its folder, the main window is
// saved as a PNG and the program ends (exit code 0 when the file was written).
namespace Screenshot {
void takeWhenListed(CMainFrame &frame, CChildFrame *child, const QString &file);
} // namespace Screenshot
