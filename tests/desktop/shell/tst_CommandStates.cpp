#include "CommandDriving.h"

#include "desktop/ui/CommandIds.h"
#include "desktop/ui/CommandTable.h"

#include <QPointer>
#include <QSet>
#include <QTemporaryDir>

namespace {

// Commands that a user may give while no document window is open.
const QSet<int> kWithoutDocument{
    Cmd::FileNew,        Cmd::FileOpen,      Cmd::AppAbout,
    Cmd::AppExit,        Cmd::WindowManager, Cmd::CaptionOpenFolder,
    Cmd::ViewCaptionBar, Cmd::Donate,        Cmd::ViewStatusBar,
};

// Those that come with a document window: the list view's, the document's, the windows'.
const QSet<int> kWithDocument{
    Cmd::FolderLocation,
    Cmd::CheckAll,
    Cmd::UnCheckAll,
    Cmd::LocateInExplorer,
    Cmd::Toggle,
    Cmd::SourceFolderInExplorer,
    Cmd::ExportFileList,
    Cmd::Open,
    Cmd::Settings,
    Cmd::RenameParameters,
    Cmd::RenameSelectedFile,
    Cmd::Reload,
    Cmd::DisplayNewNames,
    Cmd::RemoveUnchecked,
    Cmd::CopyCurrentFileName,
    Cmd::StartRenaming,
    Cmd::ShareOnFacebook,
    Cmd::FilesInSubFolders,
    Cmd::FileClose,
    Cmd::FileSave,
    Cmd::FileSaveAs,
    Cmd::WindowNew,
    Cmd::WindowArrange,
    Cmd::WindowCascade,
    Cmd::WindowTile,
    // New names from a list, as text, or typed into the list.
    Cmd::RenameFromList,
    Cmd::EditNamesAsText,
    Cmd::EditNewName,
};

// Never enabled here: no handler exists for them (printing, the clipboard commands, the list
// styles of the frame's menu, the recent files, pane switching in a one-pane window), and
// cancelling has nothing to stop while no load or batch runs.
const QSet<int> kNever{
    Cmd::FilePageSetup,   Cmd::FilePrint,  Cmd::FilePrintDirect, Cmd::FilePrintPreview,
    Cmd::FileMruFirst,    Cmd::EditCopy,   Cmd::EditCut,         Cmd::EditPaste,
    Cmd::EditUndo,        Cmd::NextPane,   Cmd::PrevPane,        Cmd::ViewSmallIcons,
    Cmd::ViewLargeIcons,  Cmd::ViewList,   Cmd::ViewDetails,     Cmd::ViewByName,
    Cmd::ViewAutoArrange, Cmd::ViewLineUp,
    Cmd::CancelWork,    // enabled only while a load or a batch runs
    Cmd::UnreadFolders, // enabled only after a load that left folders unread
};

// Enabled only while the journal holds a batch to undo; the fixture's journal is empty.
const QSet<int> kNothingToUndo{Cmd::UndoRename};

bool isLook(int id)
{
    return id >= Cmd::LookFirst && id <= Cmd::LookLast;
}

bool enabled(ShellFixture &f, int id)
{
    const std::optional<CommandUiState> state = f.frame()->routedState(id);
    return state && state->enabled;
}

// The command's action, and its ribbon element when it has one, show the routing's state.
QString actionMismatch(ShellFixture &f, const CommandInfo &info, bool expected)
{
    const QAction *command = f.command(info.actionName);
    if (!command || command->isEnabled() != expected)
        return info.actionName;
    const QString name = QStringLiteral("cmd-%1").arg(info.id);
    for (const QWidget *widget : f.frame()->ribbon()->findChildren<QWidget *>(name)) {
        if (widget->isEnabled() != expected)
            return name + QStringLiteral(" widget");
    }
    for (const QAction *action : f.frame()->ribbon()->findChildren<QAction *>(name)) {
        if (action->isEnabled() != expected)
            return name + QStringLiteral(" action");
    }
    return {};
}

// Checks every command of the table against the expected states; a list of mismatches.
QStringList mismatches(ShellFixture &f, bool documentOpen)
{
    QCoreApplication::processEvents(); // states are refreshed after the current event
    QStringList wrong;
    for (const CommandInfo &info : CommandTable::commands()) {
        const int id = info.id;
        bool expected = false;
        if (isLook(id) || kWithoutDocument.contains(id))
            expected = true;
        else if (kWithDocument.contains(id))
            expected = documentOpen;
        else if (!kNever.contains(id) && !kNothingToUndo.contains(id))
            wrong << QStringLiteral("%1 unknown").arg(id);
        if (enabled(f, id) != expected)
            wrong << QStringLiteral("%1 %2").arg(id).arg(
                QLatin1String(expected ? "disabled" : "enabled"));
        const QString ribbon = actionMismatch(f, info, expected);
        if (!ribbon.isEmpty())
            wrong << ribbon;
    }
    return wrong;
}

} // namespace

class CommandStatesTest : public QObject
{
    Q_OBJECT
private slots:
    void everyCommandWithAndWithoutADocument()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("a.txt")));
        QVERIFY(startListing(f, f.tree.root()));
        QCOMPARE(mismatches(f, true), QStringList());

        QPointer<CChildFrame> child = f.frame()->activeChildFrame();
        child->close();
        QTRY_VERIFY(child.isNull());
        QCOMPARE(mismatches(f, false), QStringList());

        // The document's keys are gone with it; the frame's stay.
        QVERIFY(activateFrame(f));
        QTest::keyClick(f.frame(), Qt::Key_F5);
        QTest::keyClick(f.frame(), Qt::Key_F2);
        QVERIFY(f.prompts.messages.isEmpty());
        QTest::keyClick(f.frame(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(f.frame()->activeChildFrame());
    }

    void everyEnabledCommandReachesItsHandler()
    {
        QTemporaryDir runtime; // the export file goes here, not to the user's folders
        QVERIFY(QFile::setPermissions(runtime.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("a.txt")));
        QVERIFY(startListing(f, f.tree.root()));
        f.view()->selectRow(0);
        for (const CommandInfo &info : CommandTable::commands()) {
            // These end the program or the window the others act on.
            if (info.id == Cmd::AppExit || info.id == Cmd::FileClose)
                continue;
            const bool expected = isLook(info.id) || kWithoutDocument.contains(info.id) ||
                                  kWithDocument.contains(info.id);
            QVERIFY2(f.run(info.actionName) == expected, qPrintable(QString::number(info.id)));
            QVERIFY(waitListed(f.view()));
        }
        // Share goes out through the opener with the share page of the web links.
        QVERIFY(f.opener.urls.contains(CQuirewellView::shareAddress()));
        QVERIFY(CQuirewellView::shareAddress().toString().startsWith(
            QLatin1String("http://www.facebook.com/sharer.php?u=")));
        qunsetenv("XDG_RUNTIME_DIR");
    }
};

QTEST_MAIN(CommandStatesTest)
#include "tst_CommandStates.moc"
