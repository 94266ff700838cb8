#pragma once

#include "desktop/view/ListingFrame.h"

#include <functional>

// What one document window shows in the main frame's caption bar and status bar. The texts
// are kept here and reach the frame's bars while this window is the current one; when it
// becomes current again, showOnFrame() puts them back.
class WindowBars : public ListingFrame
{
public:
    // isCurrent: whether the window is the one the frame's bars are for.
    WindowBars(ListingFrame &frame, std::function<bool()> isCurrent);

    void setCaptionText(const QString &text) override;
    void setFileStatistics(const QString &text) override;
    void setFolderInformation(const QString &text) override;
    void showProgress(const QString &text) override;

    void showOnFrame();

private:
    using Setter = void (ListingFrame::*)(const QString &);
    // Keeps text in kept, and shows it on the frame's bar while the window is current.
    void keep(QString &kept, const QString &text, Setter show);

    ListingFrame &m_frame;
    std::function<bool()> m_isCurrent;
    QString m_caption;
    QString m_fileStatistics;
    QString m_folderInformation;
    QString m_progress;
};
