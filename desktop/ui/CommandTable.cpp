#include "desktop/ui/CommandTable.h"

#include "desktop/ui/CommandIds.h"

#include <QCoreApplication>

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

// The text in the user's language; English when no translation is loaded.
QString translated(const char *text)
{
    return *text ? QCoreApplication::translate("CommandTable", text) : QString();
}

// A row of the table. A command's key is written once, as shownKeys: a tooltip names it as
// "%1", and a key bound to the frame or the document goes into that accelerator table. The
// texts are translated when the table is first built, after start-up loaded the translations.
CommandRow cmd(int id, const char *actionName, const char *name, const char *description = "",
               const char *tooltip = "", const char *shownKeys = "",
               std::optional<KeyScope> binding = std::nullopt)
{
    const QString keys = QString::fromUtf8(shownKeys);
    QString tip = translated(tooltip);
    if (tip.contains(u"%1"))
        tip = tip.arg(keys);
    return {CommandInfo{id, QString::fromLatin1(actionName), translated(name), keys,
                        translated(description), tip},
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
        cmd(FolderLocation, "FolderLocation",
            QT_TRANSLATE_NOOP("CommandTable", "&Folder Location")),
        cmd(CheckAll, "CheckAll", QT_TRANSLATE_NOOP("CommandTable", "Check All")),
        cmd(UnCheckAll, "UnCheckAll", QT_TRANSLATE_NOOP("CommandTable", "UnCheck All")),
        cmd(LocateInExplorer, "LocateInExplorer",
            QT_TRANSLATE_NOOP("CommandTable", "Locate in Explorer")),
        cmd(Toggle, "Toggle", QT_TRANSLATE_NOOP("CommandTable", "Toggle"), "", "", "SpaceBar"),
        cmd(SourceFolderInExplorer, "SourceFolderInExplorer",
            QT_TRANSLATE_NOOP("CommandTable", "Source Folder in Explorer")),
        cmd(ExportFileList, "ExportFileList",
            QT_TRANSLATE_NOOP("CommandTable", "Export File List")),
        cmd(Open, "Open", QT_TRANSLATE_NOOP("CommandTable", "Open"), "", "", "Enter"),
        cmd(Settings, "Settings", QT_TRANSLATE_NOOP("CommandTable", "Settings")),
        cmd(RenameParameters, "RenameParameters",
            QT_TRANSLATE_NOOP("CommandTable", "Rename Parameters")),
        cmd(RenameSelectedFile, "RenameSelectedFile",
            QT_TRANSLATE_NOOP("CommandTable", "Rename Selected File Now"),
            QT_TRANSLATE_NOOP("CommandTable", "Rename Selected File Now in a Seperate Screen."),
            QT_TRANSLATE_NOOP("CommandTable", "Rename Selected File"), "F2", kDocument),
        cmd(Reload, "Reload", QT_TRANSLATE_NOOP("CommandTable", "Refresh File List"),
            QT_TRANSLATE_NOOP("CommandTable", "Scan Selected Folder and Load List of Files Again"),
            QT_TRANSLATE_NOOP("CommandTable", "Reload File List (%1)"), "F5", kDocument),
        cmd(DisplayNewNames, "DisplayNewNames",
            QT_TRANSLATE_NOOP("CommandTable", "Display New Files Names as Per Parameters")),
        cmd(RemoveUnchecked, "RemoveUnchecked",
            QT_TRANSLATE_NOOP("CommandTable", "Remove UnChecked Files From List")),
        cmd(CopyCurrentFileName, "CopyCurrentFileName",
            QT_TRANSLATE_NOOP("CommandTable", "Copy Current File Name")),
        cmd(StartRenaming, "StartRenaming",
            QT_TRANSLATE_NOOP("CommandTable", "Start File Renaming process")),
        cmd(ShareOnFacebook, "ShareOnFacebook",
            QT_TRANSLATE_NOOP("CommandTable", "Share On Facebook"),
            QT_TRANSLATE_NOOP("CommandTable", "Share this Software's URL on Facebook"),
            QT_TRANSLATE_NOOP("CommandTable", "Share on Facebook")),
        cmd(FilesInSubFolders, "FilesInSubFolders",
            QT_TRANSLATE_NOOP("CommandTable", "Files in Sub Folder(s)"),
            QT_TRANSLATE_NOOP("CommandTable",
                              "List Files from Sub Folder(s) of the Selected Folder"),
            QT_TRANSLATE_NOOP("CommandTable", "Sub Folder Search")),
        // In the list Ctrl+Z undoes the last batch; elsewhere it stays the frame's Undo.
        cmd(UndoRename, "UndoRename", QT_TRANSLATE_NOOP("CommandTable", "Undo Rename"),
            QT_TRANSLATE_NOOP("CommandTable",
                              "Rename the Files of the Last Batch Back to Their Old Names"),
            QT_TRANSLATE_NOOP("CommandTable", "Undo Rename (%1)"), "Ctrl+Z", kDocument),
        // Esc is the cancel control's own key, in force only while there is work to stop.
        cmd(CancelWork, "CancelWork", QT_TRANSLATE_NOOP("CommandTable", "Cancel"),
            QT_TRANSLATE_NOOP(
                "CommandTable",
                "Stop Listing or Renaming Files; Files Listed or Renamed So Far Stay So"),
            QT_TRANSLATE_NOOP("CommandTable", "Cancel (%1)"), "Esc"),
        // Offered in the status bar while the last load left folders unread.
        cmd(UnreadFolders, "UnreadFolders",
            QT_TRANSLATE_NOOP("CommandTable", "Folders Not Read..."),
            QT_TRANSLATE_NOOP("CommandTable",
                              "List the Sub Folder(s) the Last Listing Could Not Read, and Why"),
            QT_TRANSLATE_NOOP("CommandTable", "Folders Not Read")),
        // New names from a list, as text, or typed into the list; an edited name wins over
        // the rename parameters for its row until they change.
        cmd(RenameFromList, "RenameFromList",
            QT_TRANSLATE_NOOP("CommandTable", "Rename from &List..."),
            QT_TRANSLATE_NOOP("CommandTable",
                              "Load the New File Names from a List: Tab-Separated Old and New "
                              "Names, CSV, or Saved Preview Output"),
            QT_TRANSLATE_NOOP("CommandTable", "Rename from List (%1)"), "Ctrl+L", kDocument),
        cmd(EditNamesAsText, "EditNamesAsText",
            QT_TRANSLATE_NOOP("CommandTable", "Edit New Names as &Text"),
            QT_TRANSLATE_NOOP("CommandTable", "Edit Every New File Name as One Line of Text; the "
                                              "List Follows as You Type"),
            QT_TRANSLATE_NOOP("CommandTable", "Edit New Names as Text (%1)"), "Ctrl+E", kDocument),
        cmd(EditNewName, "EditNewName", QT_TRANSLATE_NOOP("CommandTable", "Edit New File &Name"),
            QT_TRANSLATE_NOOP("CommandTable", "Type the Current Row's New File Name in the List "
                                              "(or Double-Click the Cell)"),
            QT_TRANSLATE_NOOP("CommandTable", "Edit New File Name (%1)"), "Shift+F2", kDocument),

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
        cmd(WindowManager, "WindowManager", QT_TRANSLATE_NOOP("CommandTable", "&Windows...")),
        cmd(LookWindows2000, "LookWindows2000", QT_TRANSLATE_NOOP("CommandTable", "Windows &2000")),
        cmd(LookOfficeXP, "LookOfficeXP", QT_TRANSLATE_NOOP("CommandTable", "Office &XP")),
        cmd(LookWindowsXP, "LookWindowsXP", QT_TRANSLATE_NOOP("CommandTable", "&Windows XP")),
        cmd(LookOffice2003, "LookOffice2003", QT_TRANSLATE_NOOP("CommandTable", "Office 200&3")),
        cmd(LookVS2005, "LookVS2005", QT_TRANSLATE_NOOP("CommandTable", "Visual Studio.NET 200&5")),
        cmd(LookBlue, "LookBlue", QT_TRANSLATE_NOOP("CommandTable", "&Blue Style")),
        cmd(LookBlack, "LookBlack", QT_TRANSLATE_NOOP("CommandTable", "B&lack Style")),
        cmd(LookSilver, "LookSilver", QT_TRANSLATE_NOOP("CommandTable", "&Silver Style")),
        cmd(LookAqua, "LookAqua", QT_TRANSLATE_NOOP("CommandTable", "&Aqua Style")),
        cmd(CaptionOpenFolder, "CaptionOpenFolder",
            QT_TRANSLATE_NOOP("CommandTable", "Open Folder")),
        cmd(ViewCaptionBar, "ViewCaptionBar", QT_TRANSLATE_NOOP("CommandTable", "&Caption Bar"),
            QT_TRANSLATE_NOOP("CommandTable", "Show or hide the caption bar"),
            QT_TRANSLATE_NOOP("CommandTable", "Toggle Caption Bar")),
        cmd(Donate, "Donate", QT_TRANSLATE_NOOP("CommandTable", "Donate")),
        cmd(AppAbout, "AppAbout", QT_TRANSLATE_NOOP("CommandTable", "&About Quirewell..."),
            QT_TRANSLATE_NOOP("CommandTable",
                              "Display program information, version number and copyright"),
            QT_TRANSLATE_NOOP("CommandTable", "About")),

        // Handled by the document, the frames and the application as standard operations.
        cmd(FileNew, "FileNew", QT_TRANSLATE_NOOP("CommandTable", "&New"),
            QT_TRANSLATE_NOOP("CommandTable", "Create a new document"),
            QT_TRANSLATE_NOOP("CommandTable", "New"), "Ctrl+N", kFrame),
        cmd(FileOpen, "FileOpen", QT_TRANSLATE_NOOP("CommandTable", "&Open..."),
            QT_TRANSLATE_NOOP("CommandTable", "Open an existing document"),
            QT_TRANSLATE_NOOP("CommandTable", "Open"), "Ctrl+O", kFrame),
        cmd(FileClose, "FileClose", QT_TRANSLATE_NOOP("CommandTable", "&Close"),
            QT_TRANSLATE_NOOP("CommandTable", "Close the active document"),
            QT_TRANSLATE_NOOP("CommandTable", "Close")),
        cmd(FileSave, "FileSave", QT_TRANSLATE_NOOP("CommandTable", "&Save"),
            QT_TRANSLATE_NOOP("CommandTable", "Save the active document"),
            QT_TRANSLATE_NOOP("CommandTable", "Save"), "Ctrl+S", kFrame),
        cmd(FileSaveAs, "FileSaveAs", QT_TRANSLATE_NOOP("CommandTable", "Save &As..."),
            QT_TRANSLATE_NOOP("CommandTable", "Save the active document with a new name"),
            QT_TRANSLATE_NOOP("CommandTable", "Save As")),
        cmd(FileMruFirst, "FileMruFirst", QT_TRANSLATE_NOOP("CommandTable", "Recent File"),
            QT_TRANSLATE_NOOP("CommandTable", "Open this document")),
        cmd(WindowNew, "WindowNew", QT_TRANSLATE_NOOP("CommandTable", "&New Window"),
            QT_TRANSLATE_NOOP("CommandTable", "Open another window for the active document"),
            QT_TRANSLATE_NOOP("CommandTable", "New Window")),
        cmd(WindowArrange, "WindowArrange", QT_TRANSLATE_NOOP("CommandTable", "&Arrange Icons"),
            QT_TRANSLATE_NOOP("CommandTable", "Arrange icons at the bottom of the window"),
            QT_TRANSLATE_NOOP("CommandTable", "Arrange Icons")),
        cmd(WindowCascade, "WindowCascade", QT_TRANSLATE_NOOP("CommandTable", "&Cascade"),
            QT_TRANSLATE_NOOP("CommandTable", "Arrange windows so they overlap"),
            QT_TRANSLATE_NOOP("CommandTable", "Cascade Windows")),
        cmd(WindowTile, "WindowTile", QT_TRANSLATE_NOOP("CommandTable", "&Tile"),
            QT_TRANSLATE_NOOP("CommandTable", "Arrange windows as non-overlapping tiles"),
            QT_TRANSLATE_NOOP("CommandTable", "Tile Windows")),
        cmd(AppExit, "AppExit", QT_TRANSLATE_NOOP("CommandTable", "E&xit"),
            QT_TRANSLATE_NOOP("CommandTable", "Quit the application; prompts to save documents"),
            QT_TRANSLATE_NOOP("CommandTable", "Exit")),
        cmd(ViewStatusBar, "ViewStatusBar", QT_TRANSLATE_NOOP("CommandTable", "&Status Bar"),
            QT_TRANSLATE_NOOP("CommandTable", "Show or hide the status bar"),
            QT_TRANSLATE_NOOP("CommandTable", "Toggle Status Bar")),
        cmd(NextPane, "NextPane", QT_TRANSLATE_NOOP("CommandTable", "Next Pane"),
            QT_TRANSLATE_NOOP("CommandTable", "Switch to the next window pane"),
            QT_TRANSLATE_NOOP("CommandTable", "Next Pane")),
        cmd(PrevPane, "PrevPane", QT_TRANSLATE_NOOP("CommandTable", "Previous Pane"),
            QT_TRANSLATE_NOOP("CommandTable", "Switch back to the previous window pane"),
            QT_TRANSLATE_NOOP("CommandTable", "Previous Pane")),

        // Nobody handles these: they are always shown disabled.
        cmd(FilePageSetup, "FilePageSetup", QT_TRANSLATE_NOOP("CommandTable", "Print Set&up")),
        cmd(FilePrint, "FilePrint", QT_TRANSLATE_NOOP("CommandTable", "Print")),
        cmd(FilePrintDirect, "FilePrintDirect", QT_TRANSLATE_NOOP("CommandTable", "&Quick Print")),
        cmd(FilePrintPreview, "FilePrintPreview",
            QT_TRANSLATE_NOOP("CommandTable", "Print Pre&view")),
        // The frame's table has no Ctrl+C although the menus show it; Ctrl+Insert copies.
        cmd(EditCopy, "EditCopy", QT_TRANSLATE_NOOP("CommandTable", "&Copy"), "", "", "Ctrl+C"),
        cmd(EditCut, "EditCut", QT_TRANSLATE_NOOP("CommandTable", "Cu&t"), "", "", "Ctrl+X",
            kFrame),
        cmd(EditPaste, "EditPaste", QT_TRANSLATE_NOOP("CommandTable", "&Paste"), "", "", "Ctrl+V",
            kFrame),
        cmd(EditUndo, "EditUndo", QT_TRANSLATE_NOOP("CommandTable", "&Undo"), "", "", "Ctrl+Z",
            kFrame),
        cmd(ViewSmallIcons, "ViewSmallIcons", QT_TRANSLATE_NOOP("CommandTable", "S&mall Icons")),
        cmd(ViewLargeIcons, "ViewLargeIcons", QT_TRANSLATE_NOOP("CommandTable", "Lar&ge Icons")),
        cmd(ViewList, "ViewList", QT_TRANSLATE_NOOP("CommandTable", "&List")),
        cmd(ViewDetails, "ViewDetails", QT_TRANSLATE_NOOP("CommandTable", "&Details")),
        cmd(ViewByName, "ViewByName", QT_TRANSLATE_NOOP("CommandTable", "By &Name")),
        cmd(ViewAutoArrange, "ViewAutoArrange", QT_TRANSLATE_NOOP("CommandTable", "&Auto Arrange")),
        cmd(ViewLineUp, "ViewLineUp", QT_TRANSLATE_NOOP("CommandTable", "Lin&e up Icons")),
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
