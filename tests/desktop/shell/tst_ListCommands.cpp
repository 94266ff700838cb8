#include "CommandDriving.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/settings/AppSettings.h"
#include "desktop/shell/CaptionBar.h"
#include "desktop/shell/StatusPanes.h"
#include "desktop/ui/CommandIds.h"

#include <QClipboard>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Three rows: A.txt, b.txt, c.dat.
bool listThree(ShellFixture &f)
{
    for (const char *name : {"b.txt", "A.txt", "c.dat"}) {
        if (!f.tree.createFile(QLatin1String(name), "data"))
            return false;
    }
    return startListing(f, f.tree.root());
}

QPoint rowCenter(CQuirewellView *view, int row)
{
    return view->visualRect(view->model()->index(row, 1)).center();
}

void clickRow(CQuirewellView *view, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, rowCenter(view, row));
}

QByteArray utf16le(const QString &text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xff));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

} // namespace

class ListCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void contextMenuHoldsMenu310()
    {
        ShellFixture f;
        QVERIFY(listThree(f));
        const QMenu *menu = f.view()->contextMenu();
        QStringList items;
        for (const QAction *action : menu->actions())
            items << (action->isSeparator()
                          ? QStringLiteral("-")
                          : action->text() + QLatin1Char('=') + action->data().toString());
        QCOMPARE(items, QStringList({
                            u"Toggle\tSpaceBar=32779"_s,
                            u"Open\tEnter=32783"_s,
                            u"-"_s,
                            u"Locate in Explorer=32777"_s,
                            u"-"_s,
                            u"Export File List=32781"_s,
                            u"-"_s,
                            u"Check All=32775"_s,
                            u"UnCheck All=32776"_s,
                            u"Remove UnChecked Files From List=32794"_s,
                            u"-"_s,
                            u"Rename Selected File Now\tF2=32787"_s,
                            u"Copy Current File Name=32796"_s,
                        }));
        QCOMPARE(menu->defaultAction()->data().toInt(), int(Cmd::Open));
        QVERIFY(menu->defaultAction()->font().bold());
        // The hints name no key of their own, and the items show no icons.
        for (const QAction *action : menu->actions()) {
            QVERIFY(action->shortcut().isEmpty());
            QVERIFY(action->icon().isNull() || !action->isIconVisibleInMenu());
        }
    }

    void checkMarksFromTheMenuAndTheSpaceBar()
    {
        ShellFixture f;
        QVERIFY(listThree(f));
        CQuirewellView *view = f.view();
        QVERIFY(runMenuItem(
            f, QStringLiteral("UnCheckAll"))); // below the rows: the menu opens all the same
        QCOMPARE(checkMarks(view), QList<bool>({false, false, false}));
        QVERIFY(runMenuItem(f, QStringLiteral("CheckAll"), 1));
        QCOMPARE(checkMarks(view), QList<bool>({true, true, true}));

        // Rows 0 and 2 selected, the current one last: Toggle acts on the topmost only.
        clickRow(view, 0);
        clickRow(view, 2, Qt::ControlModifier);
        QCOMPARE(view->currentIndex().row(), 2);
        QVERIFY(runMenuItem(f, QStringLiteral("Toggle"), 2));
        QCOMPARE(checkMarks(view), QList<bool>({false, true, true}));
        // The space bar toggles the current row.
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(checkMarks(view), QList<bool>({false, true, false}));

        // Nothing selected: Toggle does nothing.
        view->clearSelection();
        QVERIFY(runMenuItem(f, QStringLiteral("Toggle")));
        QCOMPARE(checkMarks(view), QList<bool>({false, true, false}));
        QVERIFY(f.prompts.messages.isEmpty());
    }

    void removeUncheckedKeepsTheNumbers()
    {
        ShellFixture f;
        QVERIFY(listThree(f));
        CQuirewellView *view = f.view();
        clickRow(view, 1);
        QTest::keyClick(view, Qt::Key_Space);
        QVERIFY(runMenuItem(f, QStringLiteral("RemoveUnchecked"), 0));
        QCOMPARE(columnTexts(view, 0), QStringList({u"1"_s, u"3"_s}));
        QCOMPARE(columnTexts(view, 1), QStringList({u"A.txt"_s, u"c.dat"_s}));
        QCOMPARE(f.frame()->fileStatsPane()->text(),
                 QStringLiteral("2 File(s) Listed from Folder [%1]").arg(f.tree.root()));

        QVERIFY(runMenuItem(f, QStringLiteral("UnCheckAll"), 0));
        QVERIFY(runMenuItem(f, QStringLiteral("RemoveUnchecked")));
        QCOMPARE(view->fileModel().rowCount(), 0);
        QCOMPARE(f.frame()->fileStatsPane()->text(),
                 QStringLiteral("0 File(s) Listed from Folder [%1]").arg(f.tree.root()));
        QVERIFY(f.prompts.messages.isEmpty());
    }

    void openLocateAndTheFolder()
    {
        ShellFixture f;
        QVERIFY(listThree(f));
        CQuirewellView *view = f.view();
        const QString location = f.tree.root() + QLatin1Char('/');
        // No selection: nothing is opened or shown.
        view->clearSelection();
        QVERIFY(runMenuItem(f, QStringLiteral("Open")));
        QVERIFY(runMenuItem(f, QStringLiteral("LocateInExplorer")));
        QVERIFY(f.opener.urls.isEmpty());
        QVERIFY(f.opener.shownFiles.isEmpty());

        clickRow(view, 1);
        QTest::keyClick(view, Qt::Key_Return);
        QTest::keyClick(view, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(runMenuItem(f, QStringLiteral("Open"), 1));
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rowCenter(view, 2));
        const QUrl b = QUrl::fromLocalFile(location + QStringLiteral("b.txt"));
        QCOMPARE(f.opener.urls,
                 QList<QUrl>({b, b, b, QUrl::fromLocalFile(location + QStringLiteral("c.dat"))}));

        QVERIFY(runMenuItem(f, QStringLiteral("LocateInExplorer"), 2));
        QCOMPARE(f.opener.shownFiles, QStringList(location + QStringLiteral("c.dat")));

        // Folder Contents from the ribbon and from the caption bar's button.
        f.opener.urls.clear();
        QVERIFY(clickRibbon(f, Cmd::SourceFolderInExplorer));
        QTest::mouseClick(f.frame()->captionBar()->button(), Qt::LeftButton);
        QTRY_COMPARE(f.opener.urls.size(), 2);
        QCOMPARE(f.opener.urls.first(), QUrl::fromLocalFile(f.tree.root()));
        QCOMPARE(f.opener.urls.last(), QUrl::fromLocalFile(f.tree.root()));
        QCOMPARE(f.prompts.folderStarts.size(), 1);
    }

    // A byte that is not UTF-8 is shown as U+FFFD; Open and Locate reach the exact file,
    // not a look-alike whose name holds U+FFFD.
    void aNameThatIsNotUtf8IsOpenedExactly()
    {
        ShellFixture f;
        const QByteArray root = QFile::encodeName(f.tree.root()) + '/';
        QVERIFY(f.tree.createRawFile("caf\xe9.txt", "latin-1"));
        QVERIFY(f.tree.createFile(u"caf\ufffd.txt"_s, "decoy"));
        const auto removeRaw = qScopeGuard([&] { ::unlink((root + "caf\xe9.txt").constData()); });
        QVERIFY(startListing(f, f.tree.root()));
        CQuirewellView *view = f.view();
        int exact = -1;
        for (int row = 0; row < view->fileModel().rowCount(); ++row)
            if (view->fileModel().rows().fullPathBytes(row) == root + "caf\xe9.txt")
                exact = row;
        QVERIFY(exact >= 0);
        QCOMPARE(view->model()->index(exact, 1).data().toString(), u"caf\ufffd.txt"_s);

        QVERIFY(runMenuItem(f, QStringLiteral("Open"), exact));
        QCOMPARE(f.opener.urls.size(), 1);
        QVERIFY(f.opener.urls.first().toEncoded().endsWith("/caf%E9.txt"));
        QCOMPARE(QByteArray::fromPercentEncoding(
                     f.opener.urls.first().path(QUrl::FullyEncoded).toLatin1()),
                 root + "caf\xe9.txt");
        QVERIFY(runMenuItem(f, QStringLiteral("LocateInExplorer"), exact));
        QCOMPARE(f.opener.shownFiles.size(), 1);
        QCOMPARE(encodeFileName(f.opener.shownFiles.first()), root + "caf\xe9.txt");
    }

    void folderContentsWithoutAFolderAsksForOne()
    {
        ShellFixture f;
        QVERIFY(f.start()); // the folder picker is cancelled
        QTRY_COMPARE(f.prompts.folderStarts.size(), 1);
        QVERIFY(f.view()->folder().isEmpty());
        QVERIFY(clickRibbon(f, Cmd::SourceFolderInExplorer));
        QTRY_COMPARE(f.prompts.folderStarts.size(), 2);
        QVERIFY(f.opener.urls.isEmpty());
    }

    void copyTakesTheLoadedName()
    {
        ShellFixture f;
        QVERIFY(listThree(f));
        CAppSettings().setValue(CAppSettings::Key::CheckUpperCase, 1);
        QVERIFY(activateFrame(f));
        QTest::keyClick(f.view(), Qt::Key_F5);
        QVERIFY(waitListed(f.view()));
        QCOMPARE(f.view()->fileModel().text(1, 2), QStringLiteral("B.TXT"));

        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        f.view()->clearSelection();
        QVERIFY(runMenuItem(f, QStringLiteral("CopyCurrentFileName")));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QVERIFY(runMenuItem(f, QStringLiteral("CopyCurrentFileName"), 1));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("b.txt"));
    }

    void copyShowsBytesThatAreNotUtf8AsReplacementCharacters()
    {
        ShellFixture f;
        QVERIFY(f.tree.createRawFile(QByteArray("bad\xff\xfename.txt")));
        QVERIFY(startListing(f, f.tree.root()));
        QCOMPARE(f.view()->fileModel().rowCount(), 1);
        QVERIFY(runMenuItem(f, QStringLiteral("CopyCurrentFileName"), 0));
        QCOMPARE(QGuiApplication::clipboard()->text(), u"bad\uFFFD\uFFFDname.txt"_s);
    }

    void exportWritesEveryFullPath()
    {
        QTemporaryDir runtime;
        QVERIFY(::chmod(QFile::encodeName(runtime.path()).constData(), 0700) == 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("b.txt")));
        QVERIFY(f.tree.createFile(QStringLiteral("A.txt")));
        QVERIFY(f.tree.createFile(QStringLiteral("\u00e9t\u00e9 \u4e2d.txt")));
        QVERIFY(startListing(f, f.tree.root()));
        CAppSettings().setValue(CAppSettings::Key::CheckUpperCase, 1);
        QVERIFY(f.run(QStringLiteral("DisplayNewNames")));
        clickRow(f.view(), 1);
        QTest::keyClick(f.view(), Qt::Key_Space); // unchecked rows are exported too

        QVERIFY(runMenuItem(f, QStringLiteral("ExportFileList"), 1));
        QCOMPARE(f.opener.urls.size(), 1);
        const QString file = f.opener.urls.first().toLocalFile();
        QCOMPARE(QFileInfo(file).absolutePath(), runtime.path());
        const QString location = f.tree.root() + QLatin1Char('/');
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(),
                 QByteArray("\xff\xfe", 2) +
                     utf16le(location + u"A.txt\r\n"_s + location + u"b.txt\r\n"_s + location +
                             u"\u00e9t\u00e9 \u4e2d.txt"_s));
        written.close();
        QCOMPARE(QFileInfo(file).permissions() & (QFile::ReadGroup | QFile::ReadOther),
                 QFile::Permissions());

        // The same file again, replaced; an empty list gives an empty file, still opened.
        QVERIFY(runMenuItem(f, QStringLiteral("UnCheckAll")));
        QVERIFY(runMenuItem(f, QStringLiteral("RemoveUnchecked")));
        QVERIFY(runMenuItem(f, QStringLiteral("ExportFileList")));
        QCOMPARE(f.opener.urls.size(), 2);
        QCOMPARE(f.opener.urls.last().toLocalFile(), file);
        QCOMPARE(QFileInfo(file).size(), 0);
        QVERIFY(f.prompts.messages.isEmpty());
        qunsetenv("XDG_RUNTIME_DIR");
    }

    void exportRefusesALinkInItsPlace()
    {
        QTemporaryDir runtime;
        QVERIFY(::chmod(QFile::encodeName(runtime.path()).constData(), 0700) == 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        ShellFixture f;
        QVERIFY(listThree(f));
        QVERIFY(runMenuItem(f, QStringLiteral("ExportFileList")));
        QCOMPARE(f.opener.urls.size(), 1);
        const QString file = f.opener.urls.first().toLocalFile();
        QVERIFY(QFile::remove(file));
        const QString victim = f.tree.path(QStringLiteral("c.dat"));
        QVERIFY(QFile::link(victim, file));

        QVERIFY(runMenuItem(f, QStringLiteral("ExportFileList")));
        QCOMPARE(f.opener.urls.size(), 1);
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages.first().text,
                 QStringLiteral("Could Not Open Temporary File to Save File List."));
        QCOMPARE(f.prompts.messages.first().icon, Prompts::Icon::Error);
        QCOMPARE(f.tree.contents(QStringLiteral("c.dat")), QByteArray("data"));
        qunsetenv("XDG_RUNTIME_DIR");
    }

    void subFoldersSwitchFromTheRibbon()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("top.txt")));
        QVERIFY(f.tree.createFile(QStringLiteral("inner/deep.txt")));
        QVERIFY(startListing(f, f.tree.root()));
        QCOMPARE(f.view()->fileModel().rowCount(), 1);
        QAbstractButton *box = ribbonButton(f, Cmd::FilesInSubFolders);
        QVERIFY(box);
        QVERIFY(!box->isChecked());

        QSignalSpy listed(f.view(), &CQuirewellView::loadFinished);
        QVERIFY(clickRibbon(f, Cmd::FilesInSubFolders));
        QCOMPARE(CAppSettings().GetViewFilesInSubFolders(), 1);
        QTRY_COMPARE(listed.size(), 1);
        // Entries in name order, a folder's files where the folder's name falls.
        QCOMPARE(columnTexts(f.view(), 1), QStringList({u"deep.txt"_s, u"top.txt"_s}));
        QTRY_VERIFY(box->isChecked());

        QVERIFY(clickRibbon(f, Cmd::FilesInSubFolders));
        QCOMPARE(CAppSettings().GetViewFilesInSubFolders(), 0);
        QTRY_COMPARE(listed.size(), 2);
        QCOMPARE(f.view()->fileModel().rowCount(), 1);
        QTRY_VERIFY(!box->isChecked());
    }
};

QTEST_MAIN(ListCommandsTest)
#include "tst_ListCommands.moc"
