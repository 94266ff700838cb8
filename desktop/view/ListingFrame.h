#pragma once

#include <QString>

// What a list view needs of the window around it: the caption bar's text, the two status
// panes and a place to show the progress of a load. The main frame implements it.
class ListingFrame
{
public:
    virtual ~ListingFrame() = default;

    virtual void setCaptionText(const QString &text) = 0;
    virtual void setFileStatistics(const QString &text) = 0;    // the left pane
    virtual void setFolderInformation(const QString &text) = 0; // the right pane
    // A passing text over the left pane: a load's progress, or what a finished step did;
    // an empty text removes it.
    virtual void showProgress(const QString &text) = 0;
};
