#pragma once

#include "desktop/ui/CommandTarget.h"
#include "desktop/view/ListController.h"

#include <QPointer>
#include <QTableView>
#include <QUrl>

class CommandActions;
class ListingFrame;
class NewNamesTextPane;
class QLineEdit;
class QMenu;

// The list of one document window: the checkable six-column file list and the commands that
// act on it. Its controller holds the rows and the folder, loads (on a worker thread), computes
// the new names and runs the batch; the view shows the rows and turns commands into calls.
class CQuirewellView : public QTableView, public CommandTarget
{
    Q_OBJECT
public:
    // commands: the actions of the row context menu.
    CQuirewellView(ListingFrame *frame, const CommandActions &commands, QWidget *parent = nullptr);
    ~CQuirewellView() override;

    // Columns, listing filters, then the folder: a given folder is listed at once, otherwise
    // the folder picker is asked for one as soon as the window is shown.
    void OnInitialUpdate(const QString &initialFolder = {});

    using AfterLoad = ListController::AfterLoad;
    // Lists the folder again (nothing when there is none), then the steps of `then`.
    void LoadFileList(AfterLoad then = AfterLoad::Nothing) { m_controller.LoadFileList(then); }
    void LoadListingSettings() { m_controller.LoadListingSettings(); }

    const QString &folder() const { return m_controller.folder(); }
    FileListModel &fileModel() { return m_controller.fileModel(); }
    const FileListModel &fileModel() const { return m_controller.fileModel(); }
    bool isLoading() const { return m_controller.isLoading(); }
    bool isRenaming() const { return m_controller.isRenaming(); }
    ListController &controller() { return m_controller; }
    // The first selected row from the top, or -1.
    int firstSelectedRow() const;
    // The rename parameters window the shell made for this view; the view deletes it when
    // it goes, which stores its placement.
    QWidget *renameParametersDialog() const { return m_dlgRenameParameters; }
    void setRenameParametersDialog(QWidget *dialog) { m_dlgRenameParameters = dialog; }

    // The file a single-file rename acts on: the row, its texts and its exact bytes on disk.
    struct FileToRename
    {
        int row = -1;
        QString path;     // the row's full path when it was asked for
        QString location; // ends in '/'
        QString name;
        QByteArray locationBytes;
        QByteArray nameBytes;
    };

    // The answers to the requests below.
    // The parameters as the rename parameters window has them: the new names are computed
    // from them after the current event (edits that come faster are merged).
    void setRenameParameters(const RenameParameters &parameters)
    {
        m_controller.setRenameParameters(parameters);
    }
    // The settings dialog was confirmed: the filters are read again and the folder listed.
    void onSettingsChanged();
    // The file was renamed (or its name confirmed) to newName.
    void onSingleFileRenamed(const FileToRename &file, const QString &newName);
    // The row context menu; it pops up on a right-click anywhere in the list.
    QMenu *contextMenu() const { return m_menuPopup; }
    // The selected row's Location followed by its loaded name; empty when no row is selected.
    QString GetSelectedFilePath() const;

    // Rename from List with the file already chosen: the rows it names get its new names (and
    // stay checked), the others are unchecked. False, with a message naming each line at
    // fault, when it cannot be used; then nothing changed.
    bool renameFromList(const QString &path);
    // Opens a line editor over the row's "New File Name" cell (Cmd::EditNewName, a
    // double-click on that column): what is typed becomes the row's edited name.
    void editNewNameInPlace(int row);
    // The "Edit New Names as Text" pane, once opened.
    NewNamesTextPane *newNamesTextPane() const;

    // The page that Cmd::ShareOnFacebook opens; the shell gives it at start-up. While it is empty
    // the command has no handler.
    static void setShareAddress(const QUrl &address);
    static QUrl shareAddress();

signals:
    // After every finished load, its messages shown and its follow-up steps done.
    void loadFinished();
    // Something that a command's state reports may have changed.
    void commandStatesChanged();
    // After every computation of the "New File Name" column.
    void newNamesComputed();
    // Requests for the dialogs, which the shell shows; while nobody answers them, their
    // commands are not handled.
    void renameParametersRequested();
    void settingsRequested();
    void singleFileRenameRequested(const CQuirewellView::FileToRename &file);
    void unreadFoldersRequested();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void popupRowMenuAtCurrentRow();
    void registerCommands();
    void SetupColumns();
    // A header click: ascending first, then each click on the same column turns the order.
    void sortByHeader(int column);
    // Widens the "Sr" column to show the last row's number in full.
    void fitNumberColumn();
    void OnDestroy();
    void OnFolderLocation();
    void OnReload();
    void OnSettings();
    void OnRenameParameters();
    void OnRenameSelectedFile();
    void postToSelf(int id);

    // ViewListCommands.cpp: the row commands of the list.
    void OnCheckAll();
    void OnUnCheckAll();
    void OnToggle();
    void OnRemoveUnchecked();
    void OnOpen();
    void OnLocateInExplorer();
    void OnSourceFolderInExplorer();
    void OnCopyCurrentFileName();
    void OnExportFileList();
    void OnFilesInSubFolders();
    void OnShareOnFacebook();

    // ViewNameEdits.cpp: new names from a list, as text, or typed into the list.
    void onRenameFromList();
    void onEditNamesAsText();
    void onEditNewName();

    ListController m_controller;
    QPointer<QWidget> m_dlgRenameParameters;
    int m_sortColumn = -1; // the list's order, as the last header click chose it
    bool m_sortDescending = false;
    QMenu *m_menuPopup = nullptr;
    QPointer<NewNamesTextPane> m_namesText;
    QPointer<QLineEdit> m_nameEditor; // over a "New File Name" cell while one is edited
};
