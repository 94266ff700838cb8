#include "ShellFixture.h"

#include "core/engine/names/NameConflicts.h"
#include "core/engine/settings/AppSettings.h"
#include "core/listing/ListingTexts.h"
#include "desktop/shell/CaptionBar.h"
#include "desktop/shell/StatusPanes.h"
#include "desktop/ui/CommandIds.h"

#include <QClipboard>
#include <QDateTime>
#include <QHeaderView>
#include <QMenu>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStyle>

namespace {

// The mark row's new name shows.
RowProblem shownProblem(const FileListModel &model, int row)
{
    return RowProblem(
        model.data(model.index(row, FileListModel::NewName), FileListModel::kProblemRole).toInt());
}
// Sets a file's modification time after its content is written.
bool setModified(const QString &path, const QDateTime &when)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) &&
           file.setFileTime(when, QFileDevice::FileModificationTime);
}

const QString kPromptCaption = QStringLiteral("Edit Folder Location to List && Rename Files.");
} // namespace

class ListViewTest : public QObject
{
    Q_OBJECT
private:
    // Starts the program and answers its folder picker with folder.
    static void startListing(ShellFixture &f, const QString &folder)
    {
        f.prompts.folderAnswers << folder;
        QVERIFY(f.start());
        QTRY_COMPARE(f.prompts.folderStarts.size(), 1);
        QVERIFY(waitListed(f.view()));
    }

private slots:
    void aLoadFillsRowsPanesAndCaption()
    {
        ShellFixture f;
        const QDateTime when(QDate(2021, 3, 4), QTime(14, 5, 9));
        QVERIFY(f.tree.createFile(QStringLiteral("b.txt"), QByteArray(1536, 'x')));
        QVERIFY(f.tree.createFile(QStringLiteral("A.txt"), "0123456789"));
        QVERIFY(f.tree.createFile(QStringLiteral("c.dat")));
        for (const char *name : {"b.txt", "A.txt", "c.dat"})
            QVERIFY(setModified(f.tree.path(QLatin1String(name)), when));
        startListing(f, f.tree.root());

        const FileListModel &model = f.view()->fileModel();
        QCOMPARE(model.rowCount(), 3);
        const QString location = f.tree.root() + QLatin1Char('/');
        const QStringList names{QStringLiteral("A.txt"), QStringLiteral("b.txt"),
                                QStringLiteral("c.dat")};
        const QStringList sizes{QStringLiteral("10 bytes"), QStringLiteral("1.50 KB"),
                                QStringLiteral("0 bytes")};
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(model.text(row, 0), QString::number(row + 1));
            QCOMPARE(model.text(row, 1), names[row]);
            QCOMPARE(model.text(row, 2), names[row]);
            QCOMPARE(model.text(row, 3), QStringLiteral("14:05:09       Thursday, March 04, 2021"));
            QCOMPARE(model.text(row, 4), sizes[row]);
            QCOMPARE(model.text(row, 5), location);
            QCOMPARE(model.data(model.index(row, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));
        }
        QCOMPARE(f.frame()->fileStatsPane()->text(),
                 QStringLiteral("3 File(s) Listed from Folder [%1]").arg(f.tree.root()));
        QCOMPARE(f.frame()->folderInfoPane()->text(),
                 QStringLiteral("File(s) from Sub Folder(s) Not Listed"));
        QCOMPARE(f.frame()->captionBar()->text(),
                 QStringLiteral("List of Files Found in Folder %1").arg(f.tree.root()));
        QVERIFY(f.prompts.messages.isEmpty());
        // The progress text over the left pane is gone once the rows are in.
        QVERIFY(f.frame()->statusBar()->currentMessage().isEmpty());
    }

    void ignoredFilesAndSubFoldersInThePanes()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("shown.txt")));
        QVERIFY(f.tree.createFile(QStringLiteral(".hidden")));
        QVERIFY(f.tree.createFile(QStringLiteral("one/x.txt")));
        QVERIFY(f.tree.createFile(QStringLiteral("two/y.txt")));
        CAppSettings settings;
        settings.SetViewFilesInSubFolders(1);
        startListing(f, f.tree.root());
        QCOMPARE(f.view()->fileModel().rowCount(), 3);
        QCOMPARE(f.frame()->fileStatsPane()->text(),
                 QStringLiteral("3 File(s) Listed from Folder [%1] Hidden File(s) Ignored")
                     .arg(f.tree.root()));
        QCOMPARE(f.frame()->folderInfoPane()->text(), QStringLiteral("2 Folder(s) Searched"));

        // Hidden files shown: the suffix goes, and the list grows after a reload.
        settings.SetDisplayHiddenFiles(1);
        f.view()->LoadListingSettings();
        QVERIFY(f.run(QStringLiteral("Reload")));
        QVERIFY(waitListed(f.view()));
        QCOMPARE(f.view()->fileModel().rowCount(), 4);
        QCOMPARE(f.frame()->fileStatsPane()->text(),
                 QStringLiteral("4 File(s) Listed from Folder [%1]").arg(f.tree.root()));
    }

    void aFolderThatCannotBeListedKeepsTheRows()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("gone/a.txt")));
        QVERIFY(f.tree.createFile(QStringLiteral("gone/b.txt")));
        startListing(f, f.tree.path(QStringLiteral("gone")));
        QCOMPARE(f.view()->fileModel().rowCount(), 2);
        const QString stats = f.frame()->fileStatsPane()->text();

        QVERIFY(f.tree.remove(QStringLiteral("gone")));
        QVERIFY(f.run(QStringLiteral("Reload")));
        QVERIFY(waitListed(f.view()));
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages.first().text,
                 QStringLiteral("Could Not List Files from [%1].\n\nFile(s) from Any Sub "
                                "Folder(s) Are Not Loaded.")
                     .arg(f.tree.path(QStringLiteral("gone"))));
        QCOMPARE(f.prompts.messages.first().icon, Prompts::Icon::Information);
        QCOMPARE(f.view()->fileModel().rowCount(), 2);
        QCOMPARE(f.frame()->fileStatsPane()->text(), stats);
        QVERIFY(f.view()->folder().isEmpty());
        QCOMPARE(f.frame()->captionBar()->text(), kPromptCaption);
    }

    void anEmptyFolderSaysSoAfterTheSummary()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFolder(QStringLiteral("empty")));
        const QString folder = f.tree.path(QStringLiteral("empty"));
        startListing(f, folder);
        QCOMPARE(f.prompts.messages.size(), 1);
        QCOMPARE(f.prompts.messages.first().text,
                 QStringLiteral("No Files Found in the Folder [%1].\n\nFile(s) from Any Sub "
                                "Folder(s) Are Not Loaded.")
                     .arg(folder));
        QCOMPARE(f.frame()->fileStatsPane()->text(),
                 QStringLiteral("0 File(s) Listed from Folder [%1]").arg(folder));
        QCOMPARE(f.frame()->captionBar()->text(),
                 QStringLiteral("List of Files Found in Folder %1").arg(folder));
    }

    void reloadListsAgainAndComputesTheNewNames()
    {
        ShellFixture f;
        QVERIFY(f.tree.createFile(QStringLiteral("one.txt")));
        startListing(f, f.tree.root());
        CAppSettings settings;
        settings.setValue(CAppSettings::Key::CheckUpperCase, 1);
        // The folder picker does not compute new names.
        QCOMPARE(f.view()->fileModel().text(0, 2), QStringLiteral("one.txt"));

        QVERIFY(f.tree.createFile(QStringLiteral("two.txt")));
        f.frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.frame()));
        QTest::keyClick(f.view(), Qt::Key_F5);
        QVERIFY(f.view()->isLoading());
        QVERIFY(waitListed(f.view()));
        QCOMPARE(f.view()->fileModel().rowCount(), 2);
        QCOMPARE(f.view()->fileModel().text(0, 2), QStringLiteral("ONE.TXT"));
        QCOMPARE(f.view()->fileModel().text(1, 2), QStringLiteral("TWO.TXT"));

        // Cmd::DisplayNewNames alone recomputes without listing.
        settings.setValue(CAppSettings::Key::CheckUpperCase, 0);
        settings.setValue(CAppSettings::Key::CheckLowerCase, 1);
        QVERIFY(f.run(QStringLiteral("DisplayNewNames")));
        QCOMPARE(f.view()->fileModel().text(0, 2), QStringLiteral("one.txt"));
    }

    // Rows whose new names collide are marked, counted in the left pane and explained in
    // the cell's tooltip; the marks follow the check boxes.
    void conflictsAreMarkedCountedAndFollowChecks()
    {
        ShellFixture f;
        for (const char *name : {"keep.txt", "x-1.txt", "x1-.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name)));
        startListing(f, f.tree.root());
        CAppSettings settings;
        settings.setValue(CAppSettings::Key::CheckFindAndReplace, 1);
        settings.setValue(CAppSettings::Key::FindText, QStringLiteral("-"));
        settings.setValue(CAppSettings::Key::ReplaceText, QString());
        QVERIFY(f.run(QStringLiteral("DisplayNewNames")));

        FileListModel &model = f.view()->fileModel();
        const auto problem = [&](int row) { return shownProblem(model, row); };
        QTRY_COMPARE(problem(1), RowProblem::Duplicate);
        QCOMPARE(problem(2), RowProblem::Duplicate);
        QCOMPARE(problem(0), RowProblem::None);
        QVERIFY(!model.data(model.index(1, FileListModel::NewName), Qt::ToolTipRole)
                     .toString()
                     .isEmpty());
        QTRY_VERIFY(f.frame()->fileStatsPane()->text().endsWith(ListingTexts::conflictCount(2)));

        // An unchecked row keeps its name: the other one may take the new name.
        model.setChecked(2, false);
        QTRY_COMPARE(problem(1), RowProblem::None);
        QCOMPARE(problem(2), RowProblem::None);
        QTRY_COMPARE(f.frame()->fileStatsPane()->text(),
                     QStringLiteral("3 File(s) Listed from Folder [%1]").arg(f.tree.root()));
    }

    // A file renamed alone takes its new name as loaded, with no recompute: the marks follow
    // at once, so what the markings keep between them must not outlive the rename.
    void marksFollowARowRenamedAlone()
    {
        ShellFixture f;
        for (const char *name : {"a.txt", "b.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name)));
        startListing(f, f.tree.root());
        CAppSettings settings;
        settings.setValue(CAppSettings::Key::CheckFindAndReplace, 1);
        settings.setValue(CAppSettings::Key::FindText, QStringLiteral("a."));
        settings.setValue(CAppSettings::Key::ReplaceText, QStringLiteral("c."));
        QVERIFY(f.run(QStringLiteral("DisplayNewNames")));
        FileListModel &model = f.view()->fileModel();
        const auto problem = [&](int row) { return shownProblem(model, row); };
        f.view()->controller().finishNewNames();
        QCOMPARE(model.rows().rows[0].newName, QStringLiteral("c.txt"));
        QCOMPARE(problem(0), RowProblem::None);
        model.renameRow(1, QStringLiteral("c.txt"));
        QTRY_COMPARE(problem(0), RowProblem::Exists);
        model.renameRow(1, QStringLiteral("d.txt"));
        QTRY_COMPARE(problem(0), RowProblem::None);
    }

    // A list large enough to be marked in steps between event-loop turns: the marks are set
    // when the column counts as computed, and a change of the rows under a marking in steps
    // (a check box, rows sorted) starts it again, with the marks of the rows as they are.
    void largeListsAreMarkedInSteps()
    {
        ShellFixture f;
        const int count = ListController::kSlicedFromRows + 500;
        for (int i = 0; i < count; ++i)
            QVERIFY(f.tree.createFile(QStringLiteral("f%1.txt").arg(i, 5, 10, QLatin1Char('0'))));
        startListing(f, f.tree.root());
        ListController &controller = f.view()->controller();
        FileListModel &model = f.view()->fileModel();
        const auto problem = [&](int row) { return shownProblem(model, row); };
        QSignalSpy computed(&controller, &ListController::newNamesComputed);
        CAppSettings settings;
        settings.setValue(CAppSettings::Key::CheckFindAndReplace, 1);
        settings.setValue(CAppSettings::Key::FindText, QStringLiteral("f00001."));
        // Taken by the next row, which keeps its name.
        settings.setValue(CAppSettings::Key::ReplaceText, QStringLiteral("f00002."));
        QVERIFY(f.run(QStringLiteral("DisplayNewNames")));
        QTRY_VERIFY_WITH_TIMEOUT(computed.size() == 1, 30000);
        QCOMPARE(problem(1), RowProblem::Exists);

        // Unchecked, then checked again while the marking of the first change is under way.
        model.setChecked(1, false);
        QCoreApplication::processEvents();
        model.setChecked(1, true);
        QCoreApplication::processEvents();
        QVERIFY(controller.sortByColumn(FileListModel::LoadedName, true)); // rows change places
        const int moved = [&] {
            for (int row = 0; row < count; ++row)
                if (model.rows().rows[size_t(row)].loadedName == QStringLiteral("f00001.txt"))
                    return row;
            return -1;
        }();
        QVERIFY(moved >= 0);
        QTRY_COMPARE(problem(moved), RowProblem::Exists);
        QTRY_VERIFY(f.frame()->fileStatsPane()->text().endsWith(ListingTexts::conflictCount(1)));
        model.setChecked(moved, false);
        QTRY_COMPARE(problem(moved), RowProblem::None);
        QCOMPARE(markedRowCount(model.rows().problems), size_t(0));
    }

    void loadsAskedForDuringALoadRunInTurn()
    {
        ShellFixture f;
        for (int i = 0; i < 50; ++i)
            QVERIFY(f.tree.createFile(QStringLiteral("first/f%1").arg(i)));
        QVERIFY(f.tree.createFile(QStringLiteral("second/only.txt")));
        startListing(f, f.tree.path(QStringLiteral("first")));

        f.prompts.folderAnswers << f.tree.path(QStringLiteral("second"));
        QSignalSpy finished(f.view(), &CQuirewellView::loadFinished);
        QVERIFY(f.run(QStringLiteral("Reload")));
        QVERIFY(f.view()->isLoading());
        QVERIFY(f.run(QStringLiteral("FolderLocation")));
        QVERIFY(f.run(QStringLiteral("Reload")));
        QTRY_COMPARE(finished.size(), 3);
        QVERIFY(!f.view()->isLoading());
        QCOMPARE(f.view()->folder(), f.tree.path(QStringLiteral("second")));
        QCOMPARE(f.view()->fileModel().rowCount(), 1);
        QCOMPARE(f.view()->fileModel().text(0, 1), QStringLiteral("only.txt"));
        QCOMPARE(f.frame()->fileStatsPane()->text(),
                 QStringLiteral("1 File(s) Listed from Folder [%1]")
                     .arg(f.tree.path(QStringLiteral("second"))));
    }

    // Header clicks sort ascending, then descending; the numbers, the selection and later
    // loads follow the order, and the name columns sort naturally when the settings say so.
    void headerClicksSortTheList()
    {
        ShellFixture f;
        for (const char *name : {"file10.txt", "file2.txt", "file1.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name)));
        QVERIFY(f.tree.createFile(u"big"_qs, QByteArray(100, 'x')));
        CAppSettings settings;
        settings.setValue(CAppSettings::Key::CheckNumberAtStart, 1);
        QVERIFY(f.start({f.tree.root()}));
        QVERIFY(waitListed(f.view()));
        const FileListModel &model = f.view()->fileModel();
        const auto column = [&model](int c) {
            QStringList texts;
            for (int row = 0; row < model.rowCount(); ++row)
                texts << model.text(row, c);
            return texts;
        };
        QTRY_COMPARE(column(2), (QStringList{u"1big"_qs, u"2file1.txt"_qs, u"3file10.txt"_qs,
                                             u"4file2.txt"_qs}));
        QHeaderView *header = f.view()->horizontalHeader();
        const auto click = [header](int section) {
            QTest::mouseClick(
                header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
        };

        f.view()->selectRow(0); // "big"
        click(FileListModel::Size);
        // Equal sizes keep the listing's order.
        QCOMPARE(column(1),
                 (QStringList{u"file1.txt"_qs, u"file10.txt"_qs, u"file2.txt"_qs, u"big"_qs}));
        QCOMPARE(f.view()->firstSelectedRow(), 3);
        click(FileListModel::Size);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(column(1).first(), u"big"_qs);
        QCOMPARE(f.view()->firstSelectedRow(), 0);
        QTRY_COMPARE(column(2).first(), u"1big"_qs);

        settings.setValue(CAppSettings::Key::NaturalNameOrder, 1);
        click(FileListModel::LoadedName);
        QTRY_COMPARE(column(2), (QStringList{u"1big"_qs, u"2file1.txt"_qs, u"3file2.txt"_qs,
                                             u"4file10.txt"_qs}));
        QCOMPARE(column(0), (QStringList{u"1"_qs, u"2"_qs, u"4"_qs, u"3"_qs}));

        click(FileListModel::LoadedName);
        QVERIFY(f.tree.createFile(u"file3.txt"_qs));
        QVERIFY(f.run(QStringLiteral("Reload")));
        QVERIFY(waitListed(f.view()));
        QTRY_COMPARE(column(2), (QStringList{u"1file10.txt"_qs, u"2file3.txt"_qs, u"3file2.txt"_qs,
                                             u"4file1.txt"_qs, u"5big"_qs}));
    }

    void columnsFollowTheStoredWidths()
    {
        ShellFixture f;
        QVERIFY(f.start());
        const QList<int> defaults{75, 350, 350, 250, 150, 250};
        QHeaderView *header = f.view()->horizontalHeader();
        QCOMPARE(header->count(), 6);
        for (int column = 0; column < 6; ++column) {
            QCOMPARE(header->sectionSize(column), defaults[column]);
            QCOMPARE(f.view()->fileModel().headerData(column, Qt::Horizontal).toString(),
                     FileListModel::headerText(column));
        }
        QVERIFY(f.view()->showGrid());
        QCOMPARE(f.view()->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(header->sectionResizeMode(0), QHeaderView::Interactive);
        QCOMPARE(f.view()->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    }

    // The "Sr" column grows to show the largest number in full after a load; a wider
    // column keeps its width.
    void theNumberColumnShowsTheLargestNumber()
    {
        for (const int stored : {30, 200}) {
            ShellFixture f;
            for (int i = 0; i < 120; ++i)
                QVERIFY(f.tree.createFile(QStringLiteral("f%1.txt").arg(i)));
            CAppSettings::WriteProfileInt(QStringLiteral("Column0"), stored);
            QVERIFY(f.start({f.tree.root()}));
            QVERIFY(waitListed(f.view()));
            QCOMPARE(f.view()->fileModel().text(119, 0), QStringLiteral("120"));
            const int width = f.view()->horizontalHeader()->sectionSize(0);
            const int indicator = f.view()->style()->pixelMetric(QStyle::PM_IndicatorWidth);
            const int text = f.view()->fontMetrics().horizontalAdvance(QStringLiteral("120"));
            QVERIFY2(width >= indicator + text, qPrintable(QString::number(width)));
            if (stored >= 200)
                QCOMPARE(width, stored);
        }
    }

    void keysInTheList()
    {
        ShellFixture f;
        for (const char *name : {"a.txt", "b.txt", "c.txt"})
            QVERIFY(f.tree.createFile(QLatin1String(name)));
        startListing(f, f.tree.root());
        CQuirewellView *view = f.view();
        f.frame()->activateWindow();
        view->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(f.frame()));
        view->setCurrentIndex(view->model()->index(0, 1));

        // The copy keys do what the accelerators say: Ctrl+C nothing, Ctrl+Insert the Copy
        // command, which nobody handles. The cell is not copied.
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

        // Ctrl+End and Ctrl+Home go to the last and first row in the same column.
        QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(view->currentIndex(), view->model()->index(2, 1));
        QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(view->currentIndex(), view->model()->index(0, 1));

        // Shift+F10 opens the row menu, as the Menu key does.
        QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(view->contextMenu()->isVisible());
        view->contextMenu()->hide();
    }
};

QTEST_MAIN(ListViewTest)
#include "tst_ListView.moc"
