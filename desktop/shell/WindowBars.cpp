#include "desktop/shell/WindowBars.h"

#include "core/listing/ListingTexts.h"

WindowBars::WindowBars(ListingFrame &frame, std::function<bool()> isCurrent)
    : m_frame(frame), m_isCurrent(std::move(isCurrent)),
      m_caption(ListingTexts::folderCaption(QString())),
      m_fileStatistics(ListingTexts::fileStatisticsLabel()),
      m_folderInformation(ListingTexts::folderInformationLabel())
{}

void WindowBars::setCaptionText(const QString &text)
{
    keep(m_caption, text, &ListingFrame::setCaptionText);
}

void WindowBars::setFileStatistics(const QString &text)
{
    keep(m_fileStatistics, text, &ListingFrame::setFileStatistics);
}

void WindowBars::setFolderInformation(const QString &text)
{
    keep(m_folderInformation, text, &ListingFrame::setFolderInformation);
}

void WindowBars::showProgress(const QString &text)
{
    keep(m_progress, text, &ListingFrame::showProgress);
}

void WindowBars::keep(QString &kept, const QString &text, Setter show)
{
    kept = text;
    if (m_isCurrent())
        (m_frame.*show)(text);
}

void WindowBars::showOnFrame()
{
    m_frame.setCaptionText(m_caption);
    m_frame.setFileStatistics(m_fileStatistics);
    m_frame.setFolderInformation(m_folderInformation);
    m_frame.showProgress(m_progress);
}
