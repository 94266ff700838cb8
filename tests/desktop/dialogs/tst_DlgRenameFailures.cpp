// The window listing a batch's failed renames, on a real batch in a temporary folder.
#include "core/engine/names/FileRows.h"
#include "core/engine/rename/BatchRename.h"
#include "desktop/dialogs/DlgRenameFailures.h"
#include "tests/support/TestTree.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

class TestDlgRenameFailures : public QObject
{
    Q_OBJECT

private slots:
    void listsAndCopiesEveryFailure();
};

void TestDlgRenameFailures::listsAndCopiesEveryFailure()
{
    TestTree tree;
    QVERIFY(tree.createFile(u"a"_qs) && tree.createFile(u"b"_qs) && tree.createFile(u"c"_qs));
    FileRows rows;
    const QByteArray folder = QFile::encodeName(tree.root() + u"/"_qs);
    rows.folders.push_back({tree.root() + u"/"_qs, folder});
    for (const char *name : {"a", "b", "c"}) {
        FileRow &row = rows.rows.emplace_back();
        row.loadedName = QString::fromLatin1(name);
        row.newName = row.loadedName;
    }
    rows.rows[0].newName = u"c"_qs;      // taken
    rows.rows[1].newName = u"B"_qs;      // renamed
    rows.rows[2].newName = u"x\ty/z"_qs; // refused
    const BatchResult result = RenameCheckedFiles(rows);
    QCOMPARE(result.renamed, 1);

    CDlgRenameFailures dialog(result.renamed, failedRenamesOf(rows, result));
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // Above the list: how many were renamed and how many were not.
    QCOMPARE(dialog.findChild<QLabel *>(u"Summary"_qs)->text(),
             u"1 renamed, 2 could not be renamed"_qs);
    auto *table = dialog.findChild<QTableWidget *>(u"Failures"_qs);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(0, 0)->text(), u"a"_qs);
    QCOMPARE(table->item(0, 1)->text(), u"c"_qs);
    QCOMPARE(table->item(0, 2)->text(), tree.root() + u"/"_qs);
    QCOMPARE(table->item(0, 3)->text(), u"File exists"_qs);
    QVERIFY(table->item(1, 3)->text().contains(u"\"/\""_qs));

    QApplication::clipboard()->clear();
    QTest::mouseClick(dialog.findChild<QPushButton *>(u"Copy"_qs), Qt::LeftButton);
    const QStringList lines = QApplication::clipboard()->text().split(u'\n');
    QCOMPARE(lines.size(), 4); // header, two failures, the end of the last line
    QCOMPARE(lines[0], u"Loaded File Name\tNew File Name\tLocation\tReason"_qs);
    QCOMPARE(lines[1], u"a\tc\t"_qs + tree.root() + u"/\tFile exists"_qs);
    QVERIFY(lines[2].startsWith(u"c\tx y/z\t"_qs)); // the tab inside the name is a space

    // The keyboard reaches the copy button (Alt+C) and closes the window (Escape).
    QApplication::clipboard()->clear();
    QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(QApplication::clipboard()->text(), dialog.text()); // an animated click
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestDlgRenameFailures)
#include "tst_DlgRenameFailures.moc"
