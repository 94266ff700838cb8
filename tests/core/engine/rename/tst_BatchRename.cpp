#include "core/engine/rename/BatchRename.h"
#include "core/engine/rename/RenameOperation.h"
#include "core/engine/settings/AppSettings.h"
#include "tests/core/engine/RowsFromFolder.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TestTree.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>

#include <unistd.h>

Q_DECLARE_METATYPE(BatchPrompter::Answer)
Q_DECLARE_METATYPE(BatchOutcome)

// The batch command on real folders, answered by a prompter that records what it was shown.
class BatchRenameTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptyList();
    void duplicatesDifferingInCase();
    void noCheckedRows_data();
    void noCheckedRows();
    void declinedChangesNothing_data();
    void declinedChangesNothing();
    void chainSwapAndRefusedName();
    void unchangedRowsAreNotMoved();
    void foldersInTurnAndRawNames();
    void progressIsThrottled();
    void duplicateFinderMatchesPairwiseScan();
    void caseFoldedHashAgreesWithCompare();

private:
    // Lists the test folder, then sets the new names in list order.
    FileRows listWithNewNames(const QStringList &newNames);

    std::unique_ptr<TestTree> m_tree;
};

namespace {

FileRows rowsNamed(const QStringList &newNames)
{
    FileRows rows;
    for (const QString &name : newNames) {
        appendRow(rows, u"/nonexistent"_qs, "x");
        rows.rows.back().newName = name;
    }
    return rows;
}

} // namespace

void BatchRenameTest::init()
{
    m_tree = std::make_unique<TestTree>();
    m_tree->useTemporarySettings();
}

void BatchRenameTest::cleanup()
{
    m_tree.reset();
}

FileRows BatchRenameTest::listWithNewNames(const QStringList &newNames)
{
    FileRows rows;
    appendFolderRows(rows, m_tree->root());
    for (int i = 0; i < newNames.size() && i < rows.count(); ++i)
        rows.rows[size_t(i)].newName = newNames[i];
    return rows;
}

void BatchRenameTest::emptyList()
{
    RecordingPrompter prompter;
    QCOMPARE(runBatchRename(FileRows(), false, prompter), BatchOutcome::RefusedEmpty);
    QCOMPARE(prompter.warnings, QStringList{u"No Files in the List to Rename."_qs});
    QVERIFY(prompter.questions.isEmpty());
}

void BatchRenameTest::duplicatesDifferingInCase()
{
    QVERIFY(m_tree->createFile(u"a"_qs, "1"));
    QVERIFY(m_tree->createFile(u"b"_qs, "2"));
    QVERIFY(m_tree->createFile(u"c"_qs, "3"));
    FileRows rows = listWithNewNames({u"Same.txt"_qs, u"other"_qs, u"sAME.TXT"_qs});
    rows.rows[2].checked = false;
    {
        RecordingPrompter prompter;
        QCOMPARE(runBatchRename(rows, false, prompter), BatchOutcome::RefusedDuplicates);
        QCOMPARE(prompter.warnings,
                 QStringList{u"Could Not Rename Files as New File Names have Duplicate Names."_qs});
        QVERIFY(prompter.questions.isEmpty());
    }

    // Listed with their sub-folders, files of several folders may share a name.
    RecordingPrompter prompter(BatchPrompter::Answer::No);
    QCOMPARE(runBatchRename(rows, true, prompter), BatchOutcome::Declined);
    QVERIFY(prompter.warnings.isEmpty());
    QCOMPARE(prompter.questions.size(), 1);
    QCOMPARE(m_tree->entries(), (QStringList{u"a"_qs, u"b"_qs, u"c"_qs}));
}

void BatchRenameTest::noCheckedRows_data()
{
    QTest::addColumn<QStringList>("newNames");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<BatchOutcome>("outcome");
    QTest::newRow("distinct") << QStringList{u"x"_qs, u"y"_qs} << u"No Checked Files to Rename."_qs
                              << BatchOutcome::RefusedNoChecked;
    // Duplicates are looked for first.
    QTest::newRow("duplicates")
        << QStringList{u"x"_qs, u"X"_qs}
        << u"Could Not Rename Files as New File Names have Duplicate Names."_qs
        << BatchOutcome::RefusedDuplicates;
}

void BatchRenameTest::noCheckedRows()
{
    QFETCH(QStringList, newNames);
    QFETCH(QString, warning);
    QFETCH(BatchOutcome, outcome);
    FileRows rows = rowsNamed(newNames);
    for (FileRow &row : rows.rows)
        row.checked = false;
    RecordingPrompter prompter;
    QCOMPARE(runBatchRename(rows, false, prompter), outcome);
    QCOMPARE(prompter.warnings, QStringList{warning});
    QVERIFY(prompter.questions.isEmpty());
    QVERIFY(outcome == BatchOutcome::RefusedNoChecked ||
            outcome == BatchOutcome::RefusedDuplicates);
}

void BatchRenameTest::declinedChangesNothing_data()
{
    QTest::addColumn<BatchPrompter::Answer>("answer");
    QTest::newRow("No") << BatchPrompter::Answer::No;
    QTest::newRow("Cancel") << BatchPrompter::Answer::Cancel;
}

void BatchRenameTest::declinedChangesNothing()
{
    QFETCH(BatchPrompter::Answer, answer);
    for (const char *name : {"a", "b", "c", "d"})
        QVERIFY(m_tree->createFile(QString::fromLatin1(name), name));
    FileRows rows = listWithNewNames({u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs});
    rows.rows[1].checked = false;
    RecordingPrompter prompter(answer);
    BatchResult result;
    result.renamed = -1;
    QCOMPARE(runBatchRename(rows, false, prompter, &result), BatchOutcome::Declined);
    QCOMPARE(prompter.questions,
             QStringList{u"You can Preview New File Name and Current File Name from the List of "
                         "Files.\n\nRename 3 Checked Files from the List Now ?"_qs});
    QCOMPARE(result.renamed, -1);
    QCOMPARE(m_tree->entries(), (QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}));
}

void BatchRenameTest::chainSwapAndRefusedName()
{
    // Listed in this order: a, b, c, d, e, f.
    for (const char *name : {"a", "b", "c", "d", "e", "f"})
        QVERIFY(m_tree->createFile(QString::fromLatin1(name), name));
    QVERIFY(m_tree->createFolder(u"sub"_qs)); // listed last, kept unchecked
    const QList<QByteArray> before = folderContents(m_tree->root());
    FileRows rows = listWithNewNames({
        u"b"_qs,     // a -> b: b is still there
        u"free"_qs,  // b -> free
        u"d"_qs,     // c <-> d: each target exists
        u"c"_qs,     //
        u"sub/e"_qs, // leaves the folder: refused
        u"g"_qs,     // f -> g
    });
    rows.rows.back().checked = false;
    RecordingPrompter prompter;
    BatchResult result;
    QCOMPARE(runBatchRename(rows, false, prompter, &result), BatchOutcome::Ran);
    QVERIFY(prompter.warnings.isEmpty());

    QCOMPARE(result.renamed, 2);
    QCOMPARE(result.unchanged, 0);
    QCOMPARE(int(result.failures.size()), 4);
    QCOMPARE(result.failures[0].row, 0);
    QCOMPARE(result.failures[0].error, u"File exists"_qs);
    QCOMPARE(result.failures[1].row, 2);
    QCOMPARE(result.failures[2].row, 3);
    QCOMPARE(result.failures[3].row, 4);
    QVERIFY(result.failures[3].error.contains(u'/'));

    QCOMPARE(m_tree->entries(),
             (QStringList{u"a"_qs, u"c"_qs, u"d"_qs, u"e"_qs, u"free"_qs, u"g"_qs, u"sub/"_qs}));
    QCOMPARE(m_tree->contents(u"free"_qs), QByteArray("b"));
    QCOMPARE(m_tree->contents(u"c"_qs), QByteArray("c"));
    QCOMPARE(folderContents(m_tree->root()), before);
}

void BatchRenameTest::unchangedRowsAreNotMoved()
{
    QVERIFY(m_tree->createFile(u"same"_qs, "s"));
    QVERIFY(m_tree->createRawFile("raw\xff", "r"));
    FileRows rows;
    appendFolderRows(rows, m_tree->root());
    RecordingPrompter prompter;
    BatchResult result;
    QCOMPARE(runBatchRename(rows, false, prompter, &result), BatchOutcome::Ran);
    QCOMPARE(result.unchanged, 2);
    QCOMPARE(result.renamed, 0);
    QVERIFY(result.failures.empty());
    QVERIFY(m_tree->exists(u"same"_qs));
    QCOMPARE(folderContents(m_tree->root()), (QList<QByteArray>{"r", "s"}));
}

// Rows of several folders, the folders in turn and back again, with names that are not
// UTF-8 on either side; the rows of a folder removed since the listing fail with the
// system's reason and the others go on.
void BatchRenameTest::foldersInTurnAndRawNames()
{
    const QString root = m_tree->root();
    QVERIFY(m_tree->createRawFile("odd\xff", "1") && m_tree->createFile(u"a/plain"_qs, "2"));
    QVERIFY(m_tree->createFile(u"gone/x"_qs, "3") && m_tree->createRawFile("a/caf\xe9", "4"));
    FileRows rows;
    appendRow(rows, root, "odd\xff");
    appendRow(rows, root + u"/a"_qs, "plain");
    appendRow(rows, root + u"/gone"_qs, "x");
    appendRow(rows, root + u"/a"_qs, "caf\xe9");
    const QStringList newNames{u"fixed"_qs, u"caf\xdce9 2"_qs, u"y"_qs, u"\u00e9t\u00e9"_qs};
    for (int i = 0; i < rows.count(); ++i)
        rows.rows[size_t(i)].newName = newNames[i];
    QVERIFY(QDir(root + u"/gone"_qs).removeRecursively());

    const BatchResult result = RenameCheckedFiles(rows);
    QCOMPARE(result.renamed, 3);
    QCOMPARE(int(result.failures.size()), 1);
    QCOMPARE(result.failures[0].row, 2);
    QCOMPARE(result.failures[0].error, systemErrorText(ENOENT));
    QCOMPARE(m_tree->contents(u"fixed"_qs), QByteArray("1"));
    QCOMPARE(folderContents(root + u"/a"_qs), (QList<QByteArray>{"2", "4"}));
    QCOMPARE(::access((QFile::encodeName(root) + "/a/caf\xe9 2").constData(), F_OK), 0);
    QCOMPARE(m_tree->contents(u"a/\u00e9t\u00e9"_qs), QByteArray("4"));
}

void BatchRenameTest::progressIsThrottled()
{
    FileRows rows = rowsNamed(QStringList(600, u"n"_qs));
    for (FileRow &row : rows.rows)
        row.checked = false;
    rows.rows[599].checked = true;
    std::vector<std::pair<int, int>> calls;
    const BatchResult result = RenameCheckedFiles(rows, [&calls](int done, int total) {
        calls.push_back({done, total});
    });
    QCOMPARE(int(result.failures.size()), 1);
    const std::vector<std::pair<int, int>> expected{{256, 600}, {512, 600}, {600, 600}};
    QCOMPARE(calls, expected);
}

void BatchRenameTest::duplicateFinderMatchesPairwiseScan()
{
    struct Case
    {
        QStringList names;
        int first;
    };
    const Case cases[] = {
        {{}, -1},
        {{u"a"_qs}, -1},
        {{u"a"_qs, u"b"_qs, u"ab"_qs}, -1},
        {{u"x"_qs, u"a"_qs, u"b"_qs, u"B"_qs, u"A"_qs}, 1}, // earliest row of any pair
        {{u"\u00e9t\u00e9"_qs, u"\u00c9T\u00c9"_qs}, 0},    // beyond ASCII
        {{u"k"_qs, u"\u212a"_qs}, 0},                       // Kelvin sign folds to k
        {{u"\U00010400"_qs, u"\U00010428"_qs}, 0},          // a pair of surrogates
        {{u"\U00010400"_qs, u"\U00010401"_qs}, -1},
        {{QString(), u"a"_qs, QString()}, 0},
        {{u"a\xdcff"_qs, u"a\xdcfe"_qs}, -1}, // bytes that are not UTF-8 differ
        {{u"a\xdcff"_qs, u"A\xdcff"_qs}, 0},
        {{u"\xdcff"_qs, u"\ufffd"_qs}, -1},
    };
    for (const Case &c : cases)
        QCOMPARE(findDuplicateNewName(rowsNamed(c.names)), c.first);

    QStringList many;
    for (int i = 0; i < 100000; ++i)
        many.append(QStringLiteral("File Name %1.txt").arg(i));
    FileRows rows = rowsNamed(many);
    QCOMPARE(findDuplicateNewName(rows), -1);
    rows.rows[99999].newName = u"FILE NAME 31337.TXT"_qs;
    QCOMPARE(findDuplicateNewName(rows), 31337);
}

void BatchRenameTest::caseFoldedHashAgreesWithCompare()
{
    // Every BMP character that compares equal, ignoring case, to another must be found as a
    // duplicate of it: sort all of them with the comparison and check each equal neighbour.
    std::vector<char16_t> all;
    for (char32_t c = 0; c <= 0xFFFF; ++c)
        if (!QChar::isSurrogate(c))
            all.push_back(char16_t(c));
    const auto compare = [](char16_t a, char16_t b) {
        return QStringView(&a, 1).compare(QStringView(&b, 1), Qt::CaseInsensitive);
    };
    std::stable_sort(all.begin(), all.end(),
                     [&compare](char16_t a, char16_t b) { return compare(a, b) < 0; });
    int pairs = 0;
    for (size_t i = 1; i < all.size(); ++i) {
        if (compare(all[i - 1], all[i]) != 0)
            continue;
        ++pairs;
        const QString a(QChar(all[i - 1]));
        const QString b(QChar(all[i]));
        QVERIFY2(findDuplicateNewName(rowsNamed({u"pad"_qs + a, u"PAD"_qs + b})) == 0,
                 qPrintable(QStringLiteral("U+%1").arg(int(all[i]), 4, 16, QLatin1Char('0'))));
    }
    QVERIFY(pairs > 1000);
}

QTEST_GUILESS_MAIN(BatchRenameTest)
#include "tst_BatchRename.moc"
