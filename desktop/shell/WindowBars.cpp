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
    m_caption = text;
    if (m_isCurrent())
        m_frame.setCaptionText(text);
}

void WindowBars::setFileStatistics(const QString &text)
{
    m_fileStatistics = text;
    if (m_isCurrent())
        m_frame.setFileStatistics(text);
}

void WindowBars::setFolderInformation(const QString &text)
{
    m_folderInformation = text;
    if (m_isCurrent())
        m_frame.setFolderInformation(text);
}

void WindowBars::showProgress(const QString &text)
{
    m_progress = text;
    if (m_isCurrent())
        m_frame.showProgress(text);
}

void WindowBars::showOnFrame()
{
    m_frame.setCaptionText(m_caption);
    m_frame.setFileStatistics(m_fileStatistics);
    m_frame.setFolderInformation(m_folderInformation);
    m_frame.showProgress(m_progress);
}
