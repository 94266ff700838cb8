#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class CQuirewellView;
class QWidget;

// The view's dialogs live in the dialogs layer above the listing; the shell installs an
// implementation of this hook so that the view can reach them without including them.
class ViewDialogs
{
public:
    // The file a single-file rename acts on: the row's texts and its exact bytes on disk.
    struct FileToRename
    {
        QString location; // ends in '/'
        QString name;
        QByteArray locationBytes;
        QByteArray nameBytes;
    };

    virtual ~ViewDialogs() = default;

    // Creates the view's modeless rename parameters dialog (command 32785). The view owns
    // the result and destroys it when the view goes away, which stores its placement.
    virtual QWidget *createRenameParameters(CQuirewellView &view) = 0;
    // Shows a dialog made by createRenameParameters(): the first time it reads the store,
    // afterwards it comes back as the user left it.
    virtual void showRenameParameters(QWidget *dialog) = 0;
    // Runs the settings dialog modally (command 32784); true when the user confirmed.
    virtual bool runSettings(CQuirewellView &view) = 0;
    // Runs the single-file rename dialog for one row (command 32787); the new name when the
    // file was renamed or the name left as it was and confirmed, nothing when cancelled.
    virtual std::optional<QString> runSingleFileRename(CQuirewellView &view,
                                                       const FileToRename &file) = 0;

    // nullptr when no dialogs are installed; those commands are then disabled.
    static ViewDialogs *instance();
    // Not owned; nullptr removes the hook.
    static void install(ViewDialogs *dialogs);
};
