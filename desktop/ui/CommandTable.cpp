#include "desktop/ui/CommandTable.h"

#include "desktop/ui/CommandIds.h"

#include <optional>

namespace CommandTable {

namespace {

struct CommandRow
{
    CommandInfo info;
    // The accelerator table that holds the shown key; none when the list or a control of
    // its own takes that key, or nothing does.
    std::optional<KeyScope> binding;
};

// A row of the table. A command's key is written once, as shownKeys: a tooltip names it as
// "%1", and a key bound to the frame or the document goes into that accelerator table.
CommandRow cmd(int id, const char *actionName, const char *name, const char *description = "",
               const char *tooltip = "", const char *shownKeys = "",
               std::optional<KeyScope> binding = std::nullopt)
{
    const QString keys = QString::fromUtf8(shownKeys);
    QString tip = QString::fromUtf8(tooltip);
    if (tip.contains(u"%1"))
        tip = tip.arg(keys);
    return {CommandInfo{id, QString::fromLatin1(actionName), QString::fromUtf8(name), keys,
                        QString::fromUtf8(description), tip},
            binding};
}

QList<CommandRow> buildRows()
{
    using namespace Cmd;
    constexpr KeyScope kFrame = KeyScope::Frame;
    constexpr KeyScope kDocument = KeyScope::Document;
    const char *const kSortDescription =
        QT_TRANSLATE_NOOP("CommandTable", "Sort the List by This Column; Again to Reverse");
    return {
        // The list view's commands, present only while a document window is active.
        cmd(FolderLocation, "FolderLocation", "&Folder Location"),
        cmd(CheckAll, "CheckAll", "Check All"),
        cmd(UnCheckAll, "UnCheckAll", "UnCheck All"),
        cmd(LocateInExplorer, "LocateInExplorer", "Locate in Explorer"),
        cmd(Toggle, "Toggle", "Toggle", "", "", "SpaceBar"),
        cmd(SourceFolderInExplorer, "SourceFolderInExplorer", "Source Folder in Explorer"),
        cmd(ExportFileList, "ExportFileList", "Export File List"),
        cmd(Open, "Open", "Open", "", "", "Enter"),
        cmd(Settings, "Settings", "Settings"),
        cmd(RenameParameters, "RenameParameters", "Rename Parameters"),
        cmd(RenameSelectedFile, "RenameSelectedFile", "Rename Selected File Now",
            "Rename Selected File Now in a Seperate Screen.", "Rename Selected File", "F2",
            kDocument),
        cmd(Reload, "Reload", "Refresh File List",
            "Scan Selected Folder and Load List of Files Again", "Reload File List (%1)", "F5",
            kDocument),
        cmd(DisplayNewNames, "DisplayNewNames", "Display New Files Names as Per Parameters"),
        cmd(RemoveUnchecked, "RemoveUnchecked", "Remove UnChecked Files From List"),
        cmd(CopyCurrentFileName, "CopyCurrentFileName", "Copy Current File Name"),
        cmd(StartRenaming, "StartRenaming", "Start File Renaming process"),
        cmd(ShareOnFacebook, "ShareOnFacebook", "Share On Facebook",
            "Share this Software's URL on Facebook", "Share on Facebook"),
        cmd(FilesInSubFolders, "FilesInSubFolders", "Files in Sub Folder(s)",
            "List Files from Sub Folder(s) of the Selected Folder", "Sub Folder Search"),
        // In the list Ctrl+Z undoes the last batch; elsewhere it stays the frame's Undo.
        cmd(UndoRename, "UndoRename", "Undo Rename",
            "Rename the Files of the Last Batch Back to Their Old Names", "Undo Rename (%1)",
            "Ctrl+Z", kDocument),
        // Esc is the cancel control's own key, in force only while there is work to stop.
        cmd(CancelWork, "CancelWork", "Cancel",
            "Stop Listing or Renaming Files; Files Listed or Renamed So Far Stay So", "Cancel (%1)",
            "Esc"),
        // Offered in the status bar while the last load left folders unread.
        cmd(UnreadFolders, "UnreadFolders", "Folders Not Read...",
            "List the Sub Folder(s) the Last Listing Could Not Read, and Why", "Folders Not Read"),
        // New names from a list, as text, or typed into the list; an edited name wins over
        // the rename parameters for its row until they change.
        cmd(RenameFromList, "RenameFromList", "Rename from &List...",
            "Load the New File Names from a List: Tab-Separated Old and New Names, CSV, or "
            "Saved Preview Output",
            "Rename from List (%1)", "Ctrl+L", kDocument),
        cmd(EditNamesAsText, "EditNamesAsText", "Edit New Names as &Text",
            "Edit Every New File Name as One Line of Text; the List Follows as You Type",
            "Edit New Names as Text (%1)", "Ctrl+E", kDocument),
        cmd(EditNewName, "EditNewName", "Edit New File &Name",
            "Type the Current Row's New File Name in the List (or Double-Click the Cell)",
            "Edit New File Name (%1)", "Shift+F2", kDocument),

        // Sorting from the keyboard: each as a click on the column's header (ascending, then
        // descending when chosen again).
        cmd(SortBySr, "SortBySr", QT_TRANSLATE_NOOP("CommandTable", "&Sr"), kSortDescription,
            QT_TRANSLATE_NOOP("CommandTable", "Sort by Sr")),
        cmd(SortByLoadedName, "SortByLoadedName",
            QT_TRANSLATE_NOOP("CommandTable", "&Loaded File Name"), kSortDescription,
            QT_TRANSLATE_NOOP("CommandTable", "Sort by Loaded File Name")),
        cmd(SortByNewName, "SortByNewName", QT_TRANSLATE_NOOP("CommandTable", "&New File Name"),
            kSortDescription, QT_TRANSLATE_NOOP("CommandTable", "Sort by New File Name")),
        cmd(SortByLastWriteTime, "SortByLastWriteTime",
            QT_TRANSLATE_NOOP("CommandTable", "Last &Write Time"), kSortDescription,
            QT_TRANSLATE_NOOP("CommandTable", "Sort by Last Write Time")),
        cmd(SortBySize, "SortBySize", QT_TRANSLATE_NOOP("CommandTable", "Si&ze"), kSortDescription,
            QT_TRANSLATE_NOOP("CommandTable", "Sort by Size")),
        cmd(SortByLocation, "SortByLocation", QT_TRANSLATE_NOOP("CommandTable", "L&ocation"),
            kSortDescription, QT_TRANSLATE_NOOP("CommandTable", "Sort by Location")),

        // The main frame's and the application's.
        cmd(WindowManager, "WindowManager", "&Windows..."),
        cmd(LookWindows2000, "LookWindows2000", "Windows &2000"),
        cmd(LookOfficeXP, "LookOfficeXP", "Office &XP"),
        cmd(LookWindowsXP, "LookWindowsXP", "&Windows XP"),
        cmd(LookOffice2003, "LookOffice2003", "Office 200&3"),
        cmd(LookVS2005, "LookVS2005", "Visual Studio.NET 200&5"),
        cmd(LookBlue, "LookBlue", "&Blue Style"),
        cmd(LookBlack, "LookBlack", "B&lack Style"),
        cmd(LookSilver, "LookSilver", "&Silver Style"),
        cmd(LookAqua, "LookAqua", "&Aqua Style"),
        cmd(CaptionOpenFolder, "CaptionOpenFolder", "Open Folder"),
        cmd(ViewCaptionBar, "ViewCaptionBar", "&Caption Bar", "Show or hide the caption bar",
            "Toggle Caption Bar"),
        cmd(Donate, "Donate", "Donate"),
        cmd(AppAbout, "AppAbout", "&About Quirewell...",
            "Display program information, version number and copyright", "About"),

        // Handled by the document, the frames and the application as standard operations.
        cmd(FileNew, "FileNew", "&New", "Create a new document", "New", "Ctrl+N", kFrame),
        cmd(FileOpen, "FileOpen", "&Open...", "Open an existing document", "Open", "Ctrl+O",
            kFrame),
        cmd(FileClose, "FileClose", "&Close", "Close the active document", "Close"),
        cmd(FileSave, "FileSave", "&Save", "Save the active document", "Save", "Ctrl+S", kFrame),
        cmd(FileSaveAs, "FileSaveAs", "Save &As...", "Save the active document with a new name",
            "Save As"),
        cmd(FileMruFirst, "FileMruFirst", "Recent File", "Open this document"),
        cmd(WindowNew, "WindowNew", "&New Window", "Open another window for the active document",
            "New Window"),
        cmd(WindowArrange, "WindowArrange", "&Arrange Icons",
            "Arrange icons at the bottom of the window", "Arrange Icons"),
        cmd(WindowCascade, "WindowCascade", "&Cascade", "Arrange windows so they overlap",
            "Cascade Windows"),
        cmd(WindowTile, "WindowTile", "&Tile", "Arrange windows as non-overlapping tiles",
            "Tile Windows"),
        cmd(AppExit, "AppExit", "E&xit", "Quit the application; prompts to save documents", "Exit"),
        cmd(ViewStatusBar, "ViewStatusBar", "&Status Bar", "Show or hide the status bar",
            "Toggle Status Bar"),
        cmd(NextPane, "NextPane", "Next Pane", "Switch to the next window pane", "Next Pane"),
        cmd(PrevPane, "PrevPane", "Previous Pane", "Switch back to the previous window pane",
            "Previous Pane"),

        // Nobody handles these: they are always shown disabled.
        cmd(FilePageSetup, "FilePageSetup", "Print Set&up"),
        cmd(FilePrint, "FilePrint", "Print"),
        cmd(FilePrintDirect, "FilePrintDirect", "&Quick Print"),
        cmd(FilePrintPreview, "FilePrintPreview", "Print Pre&view"),
        // The frame's table has no Ctrl+C although the menus show it; Ctrl+Insert copies.
        cmd(EditCopy, "EditCopy", "&Copy", "", "", "Ctrl+C"),
        cmd(EditCut, "EditCut", "Cu&t", "", "", "Ctrl+X", kFrame),
        cmd(EditPaste, "EditPaste", "&Paste", "", "", "Ctrl+V", kFrame),
        cmd(EditUndo, "EditUndo", "&Undo", "", "", "Ctrl+Z", kFrame),
        cmd(ViewSmallIcons, "ViewSmallIcons", "S&mall Icons"),
        cmd(ViewLargeIcons, "ViewLargeIcons", "Lar&ge Icons"),
        cmd(ViewList, "ViewList", "&List"),
        cmd(ViewDetails, "ViewDetails", "&Details"),
        cmd(ViewByName, "ViewByName", "By &Name"),
        cmd(ViewAutoArrange, "ViewAutoArrange", "&Auto Arrange"),
        cmd(ViewLineUp, "ViewLineUp", "Lin&e up Icons"),
    };
}

QList<CommandInfo> buildCommands()
{
    QList<CommandInfo> commands;
    for (const CommandRow &row : buildRows())
        commands.append(row.info);
    return commands;
}

QList<Accelerator> buildAccelerators()
{
    QList<Accelerator> table;
    for (const CommandRow &row : buildRows()) {
        if (row.binding)
            table.append({QKeySequence::fromString(row.info.shownKeys, QKeySequence::PortableText),
                          row.info.id, *row.binding});
    }
    // Further keys of the frame's that no menu shows.
    using namespace Cmd;
    const auto frame = [](QKeyCombination keys, int id) {
        return Accelerator{QKeySequence(keys), id, KeyScope::Frame};
    };
    table << frame(Qt::CTRL | Qt::Key_Insert, EditCopy)
          << frame(Qt::SHIFT | Qt::Key_Delete, EditCut)
          << frame(Qt::SHIFT | Qt::Key_Insert, EditPaste)
          << frame(Qt::ALT | Qt::Key_Backspace, EditUndo)
          << frame(QKeyCombination(Qt::Key_F6), NextPane)
          << frame(Qt::SHIFT | Qt::Key_F6, PrevPane);
    return table;
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

const CommandInfo *findByActionName(const QString &actionName)
{
    for (const CommandInfo &info : commands()) {
        if (info.actionName == actionName)
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
