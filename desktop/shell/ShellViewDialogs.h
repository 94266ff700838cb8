#pragma once

class CMainFrame;
class CQuirewellView;
class ListController;
class QString;
class QWidget;

// The list views' dialogs as the desktop program shows them: answers the view's requests for
// its rename parameters window, the settings dialog and the single-file rename dialog, and
// lists the renames that failed (CDlgRenameFailures). The
// rename parameters window is a tool window of the main frame, so it stays above it; it hands
// its values to its own view, and "&Rename All" goes through the frame's post().
namespace ShellViewDialogs {
void connectTo(CQuirewellView &view, CMainFrame &frame);
// Lists a controller's failed renames over parent whenever there are any.
void showFailuresOf(ListController &controller, QWidget *parent);
// Presets from outside the window (the ribbon): applied to the view's rename parameters (the
// window updates if shown, the list at once), or the view's parameters saved as one.
void applyPreset(CQuirewellView &view, CMainFrame &frame, const QString &name);
void savePreset(CQuirewellView &view, CMainFrame &frame);
} // namespace ShellViewDialogs
