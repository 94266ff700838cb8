#pragma once

#include <QString>
#include <QUrl>

// The one seam for what leaves the program: opening files, folders and web pages with the
// desktop's handlers, and showing a file in the file manager. Tests install a recorder.
class ExternalOpener
{
public:
    virtual ~ExternalOpener() = default;

    virtual void openUrl(const QUrl &url) = 0;
    // Shows the file selected in the file manager; opens its folder if nobody answers.
    // filePath: absolute, with escaped bytes as decodeFileName gives them.
    virtual void showInFileManager(const QString &filePath) = 0;

    static ExternalOpener &instance();
    // Replaces the opener in use (tests); nullptr goes back to the real one. Not owned.
    static void install(ExternalOpener *opener);
};
