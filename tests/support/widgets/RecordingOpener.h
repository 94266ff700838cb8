#pragma once

#include "desktop/ui/ExternalOpener.h"

#include <QList>
#include <QStringList>

// Records what would have been handed to the desktop, and opens nothing.
class RecordingOpener : public ExternalOpener
{
public:
    RecordingOpener() { ExternalOpener::install(this); }
    ~RecordingOpener() override { ExternalOpener::install(nullptr); }
    RecordingOpener(const RecordingOpener &) = delete;
    RecordingOpener &operator=(const RecordingOpener &) = delete;

    void openUrl(const QUrl &url) override { urls.append(url); }
    void showInFileManager(const QString &filePath) override { shownFiles.append(filePath); }

    QList<QUrl> urls;
    QStringList shownFiles;
};
