#pragma once

#include "listing/view/ViewDialogs.h"

class CMainFrame;

// The list views' dialogs as the desktop program shows them. The rename parameters window
// is a tool window of the main frame, so it stays above it; its commands go through the
// frame's post(). Installed by the application for as long as it runs.
class ShellViewDialogs : public ViewDialogs
{
public:
    explicit ShellViewDialogs(CMainFrame &frame);
    ~ShellViewDialogs() override;
    ShellViewDialogs(const ShellViewDialogs &) = delete;
    ShellViewDialogs &operator=(const ShellViewDialogs &) = delete;

    QWidget *createRenameParameters(CQuirewellView &view) override;
    void showRenameParameters(QWidget *dialog) override;
    bool runSettings(CQuirewellView &view) override;
    std::optional<QString> runSingleFileRename(CQuirewellView &view,
                                               const FileToRename &file) override;

private:
    CMainFrame &m_frame;
};
