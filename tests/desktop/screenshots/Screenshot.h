#pragma once

#include <QString>
#include <QStringList>

class CChildFrame;
class CMainFrame;

// What the screenshot program is asked for: --screenshot FILE [--look N] [--folder FOLDER]
// [--scene NAME] [--width PIXELS] [--regions FILE] [--fits FILE].
struct ScreenshotOptions
{
    QString file;    // the PNG to write
    QString regions; // where the main window's texts and check boxes lie in the PNG
    QString fits;    // the texts of the windows shown, with the room each has and needs
    int width = 0;   // the main window's width (0: as it opens)
    int look = 0;    // the look chosen first (0: keep the stored one)
    QString folder;  // the folder listed (none: the folder picker is asked)
    QString scene;   // what is shown besides the window
    QString error;   // not empty when the arguments make no sense

    static ScreenshotOptions parse(const QStringList &arguments);
    static QString usage();
};

// A screenshot run: once the document window has listed its folder, the scene is set up
// and the screen is saved as a PNG, then the program ends (exit code 0 when the file was
// written). Scenes: "" (the main window alone), "context-menu" (the row context menu open
// over the list), "single-rename" (the single-file rename dialog for the second row),
// "about" (the About box), "parameters" (the rename parameters window beside the list, its
// find and replace on, with the new names computed). With regions, the main window's text
// areas and check boxes are listed in that file, one per line, in the PNG's pixels:
// "text X Y W H", "check X Y W H checked|unchecked", for scripts/check-contrast.py. With fits,
// the texts of the main window and of the dialogs shown are listed window by window with the
// room each has and needs (TextFit::describe), for scripts/check-fit.py.
namespace Screenshot {
bool isKnownScene(const QString &scene);
void takeWhenListed(CMainFrame &frame, CChildFrame *child, const ScreenshotOptions &options);
} // namespace Screenshot
