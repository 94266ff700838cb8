#include "shell/ribbon/CommandTable.h"

#include "listing/CommandIds.h"

namespace CommandTable {

namespace {

CommandInfo cmd(int id, const char *name, const char *description = "", const char *tooltip = "",
                const char *shownKeys = "")
{
    return CommandInfo{id, QString::fromUtf8(name), QString::fromUtf8(shownKeys),
                       QString::fromUtf8(description), QString::fromUtf8(tooltip)};
}

QList<CommandInfo> buildCommands()
{
    using namespace Cmd;
    return {
        // The list view's commands, present only while a document window is active.
        cmd(FolderLocation, "&Folder Location"),
        cmd(CheckAll, "Check All"),
        cmd(UnCheckAll, "UnCheck All"),
        cmd(LocateInExplorer, "Locate in Explorer"),
        cmd(Toggle, "Toggle", "", "", "SpaceBar"),
        cmd(SourceFolderInExplorer, "Source Folder in Explorer"),
        cmd(ExportFileList, "Export File List"),
        cmd(Open, "Open", "", "", "Enter"),
        cmd(Settings, "Settings"),
        cmd(RenameParameters, "Rename Parameters"),
        cmd(RenameSelectedFile, "Rename Selected File Now",
            "Rename Selected File Now in a Seperate Screen.", "Rename Selected File", "F2"),
        cmd(Reload, "Refresh File List", "Scan Selected Folder and Load List of Files Again",
            "Reload File List (F5)", "F5"),
        cmd(DisplayNewNames, "Display New Files Names as Per Parameters"),
        cmd(RemoveUnchecked, "Remove UnChecked Files From List"),
        cmd(CopyCurrentFileName, "Copy Current File Name"),
        cmd(StartRenaming, "Start File Renaming process"),
        cmd(ShareOnFacebook, "Share On Facebook", "Share this Software's URL on Facebook",
            "Share on Facebook"),
        cmd(FilesInSubFolders, "Files in Sub Folder(s)",
            "List Files from Sub Folder(s) of the Selected Folder", "Sub Folder Search"),

        // The main frame's and the application's.
        cmd(WindowManager, "&Windows..."),
        cmd(LookWindows2000, "Windows &2000"),
        cmd(LookOfficeXP, "Office &XP"),
        cmd(LookWindowsXP, "&Windows XP"),
        cmd(LookOffice2003, "Office 200&3"),
        cmd(LookVS2005, "Visual Studio.NET 200&5"),
        cmd(LookBlue, "&Blue Style"),
        cmd(LookBlack, "B&lack Style"),
        cmd(LookSilver, "&Silver Style"),
        cmd(LookAqua, "&Aqua Style"),
        cmd(CaptionOpenFolder, "Open Folder"),
        cmd(ViewCaptionBar, "&Caption Bar", "Show or hide the caption bar", "Toggle Caption Bar"),
        cmd(Donate, "Donate"),
        cmd(AppAbout, "&About Quirewell...",
            "Display program information, version number and copyright", "About"),

        // Handled by the document, the frames and the application as standard operations.
        cmd(FileNew, "&New", "Create a new document", "New", "Ctrl+N"),
        cmd(FileOpen, "&Open...", "Open an existing document", "Open", "Ctrl+O"),
        cmd(FileClose, "&Close", "Close the active document", "Close"),
        cmd(FileSave, "&Save", "Save the active document", "Save", "Ctrl+S"),
        cmd(FileSaveAs, "Save &As...", "Save the active document with a new name", "Save As"),
        cmd(FileMruFirst, "Recent File", "Open this document"),
        cmd(WindowNew, "&New Window", "Open another window for the active document", "New Window"),
        cmd(WindowArrange, "&Arrange Icons", "Arrange icons at the bottom of the window",
            "Arrange Icons"),
        cmd(WindowCascade, "&Cascade", "Arrange windows so they overlap", "Cascade Windows"),
        cmd(WindowTile, "&Tile", "Arrange windows as non-overlapping tiles", "Tile Windows"),
        cmd(AppExit, "E&xit", "Quit the application; prompts to save documents", "Exit"),
        cmd(ViewStatusBar, "&Status Bar", "Show or hide the status bar", "Toggle Status Bar"),
        cmd(NextPane, "Next Pane", "Switch to the next window pane", "Next Pane"),
        cmd(PrevPane, "Previous Pane", "Switch back to the previous window pane", "Previous Pane"),

        // Nobody handles these: they are always shown disabled.
        cmd(FilePageSetup, "Print Set&up"),
        cmd(FilePrint, "Print"),
        cmd(FilePrintDirect, "&Quick Print"),
        cmd(FilePrintPreview, "Print Pre&view"),
        cmd(EditCopy, "&Copy", "", "", "Ctrl+C"),
        cmd(EditCut, "Cu&t", "", "", "Ctrl+X"),
        cmd(EditPaste, "&Paste", "", "", "Ctrl+V"),
        cmd(EditUndo, "&Undo", "", "", "Ctrl+Z"),
        cmd(ViewSmallIcons, "S&mall Icons"),
        cmd(ViewLargeIcons, "Lar&ge Icons"),
        cmd(ViewList, "&List"),
        cmd(ViewDetails, "&Details"),
        cmd(ViewByName, "By &Name"),
        cmd(ViewAutoArrange, "&Auto Arrange"),
        cmd(ViewLineUp, "Lin&e up Icons"),
    };
}

QList<Accelerator> buildAccelerators()
{
    using namespace Cmd;
    const auto frame = [](QKeyCombination keys, int id) {
        return Accelerator{QKeySequence(keys), id, KeyScope::Frame};
    };
    const auto document = [](QKeyCombination keys, int id) {
        return Accelerator{QKeySequence(keys), id, KeyScope::Document};
    };
    // The frame's table has no Ctrl+C although the menus show it; Ctrl+Insert copies.
    return {
        frame(Qt::CTRL | Qt::Key_Insert, EditCopy),
        frame(Qt::SHIFT | Qt::Key_Delete, EditCut),
        frame(Qt::CTRL | Qt::Key_X, EditCut),
        frame(Qt::CTRL | Qt::Key_V, EditPaste),
        frame(Qt::SHIFT | Qt::Key_Insert, EditPaste),
        frame(Qt::ALT | Qt::Key_Backspace, EditUndo),
        frame(Qt::CTRL | Qt::Key_Z, EditUndo),
        frame(Qt::CTRL | Qt::Key_N, FileNew),
        frame(Qt::CTRL | Qt::Key_O, FileOpen),
        frame(Qt::CTRL | Qt::Key_S, FileSave),
        frame(QKeyCombination(Qt::Key_F6), NextPane),
        frame(Qt::SHIFT | Qt::Key_F6, PrevPane),
        document(QKeyCombination(Qt::Key_F2), RenameSelectedFile),
        document(QKeyCombination(Qt::Key_F5), Reload),
    };
}

} // namespace

const QList<CommandInfo> &commands()
{
    static const QList<CommandInfo> table = buildCommands();
    return table;
}

const CommandInfo *find(int id)
{
    for (const CommandInfo &info : commands()) {
        if (info.id == id)
            return &info;
    }
    return nullptr;
}

const QList<Accelerator> &accelerators()
{
    static const QList<Accelerator> table = buildAccelerators();
    return table;
}

QList<QKeySequence> keysFor(int id)
{
    QList<QKeySequence> keys;
    for (const Accelerator &accel : accelerators()) {
        if (accel.id == id)
            keys.append(accel.keys);
    }
    return keys;
}

int commandForKeys(const QKeySequence &keys, bool documentActive)
{
    if (documentActive) {
        for (const Accelerator &accel : accelerators()) {
            if (accel.scope == KeyScope::Document && accel.keys == keys)
                return accel.id;
        }
    }
    for (const Accelerator &accel : accelerators()) {
        if (accel.scope == KeyScope::Frame && accel.keys == keys)
            return accel.id;
    }
    return 0;
}

QString tooltipFor(int id, const QString &label)
{
    const CommandInfo *info = find(id);
    if (info && !info->tooltip.isEmpty())
        return info->tooltip;
    return withoutAccessCharacters(label);
}

QString descriptionFor(int id)
{
    const CommandInfo *info = find(id);
    return info ? info->description : QString();
}

QString withoutAccessCharacters(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'&' && i + 1 < text.size())
            ++i; // "&&" keeps one '&', "&x" keeps the x
        plain.append(text.at(i));
    }
    return plain;
}

} // namespace CommandTable
