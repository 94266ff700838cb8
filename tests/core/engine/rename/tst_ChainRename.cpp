#include "core/engine/journal/JournalStore.h"
#include "core/engine/rename/BatchRename.h"
#include "core/engine/rename/ChainRename.h"
#include "core/engine/rename/RenameOperation.h"
#include "tests/core/engine/RowsFromFolder.h"
#include "tests/support/FatMount.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TestTree.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

struct ExpectedFailure
{
    int row;
    QString error; // exact text
};

} // namespace

Q_DECLARE_METATYPE(std::vector<ExpectedFailure>)

// Chains, swaps and rotations carried out through a temporary name, on real folders.
class ChainRenameTest : public QObject
{
    Q_OBJECT

private slots:
    void plans_data();
    void plans();
    void longShiftAndProgress();
    void temporaryNamesPassTakenOnes();
    void optionOffKeepsListOrder();
    void failedStepInsideACycleIsMovedBack();
    void fatSwapAndRotationByCase();
};

namespace {

// Sets or clears the immutable attribute, which makes a rename of the file fail even for
// root. False where the file system has no such attribute.
bool setImmutable(const QString &path, bool immutable)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return ok;
}

} // namespace

void ChainRenameTest::plans_data()
{
    // Each file's contents are its own name; rows are listed by name; "-" leaves a row
    // unchecked. finalEntries: "name=contents" after the batch.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("newNames");
    QTest::addColumn<QStringList>("finalEntries");
    QTest::addColumn<int>("renamed");
    QTest::addColumn<std::vector<ExpectedFailure>>("failures");

    const QString exists = u"File exists"_qs;
    QTest::newRow("shift by one") << QStringList{u"1"_qs, u"2"_qs, u"3"_qs}
                                  << QStringList{u"2"_qs, u"3"_qs, u"4"_qs}
                                  << QStringList{u"2=1"_qs, u"3=2"_qs, u"4=3"_qs} << 3
                                  << std::vector<ExpectedFailure>{};
    QTest::newRow("swap") << QStringList{u"a"_qs, u"b"_qs} << QStringList{u"b"_qs, u"a"_qs}
                          << QStringList{u"a=b"_qs, u"b=a"_qs} << 2
                          << std::vector<ExpectedFailure>{};
    QTest::newRow("rotation of four with a chain into it")
        << QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs, u"e"_qs}
        << QStringList{u"b"_qs, u"c"_qs, u"d"_qs, u"a"_qs, u"c"_qs} // e waits for the cycle
        << QStringList{u"a=d"_qs, u"b=a"_qs, u"c=b"_qs, u"d=c"_qs, u"e=e"_qs} << 4
        << std::vector<ExpectedFailure>{{4, exists}};
    QTest::newRow("chain, swap, refused name, unchecked row")
        << QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs, u"e"_qs, u"f"_qs}
        << QStringList{u"b"_qs, u"free"_qs, u"d"_qs, u"c"_qs, u"sub/e"_qs, u"-"_qs}
        << QStringList{u"b=a"_qs, u"c=d"_qs, u"d=c"_qs, u"e=e"_qs, u"f=f"_qs, u"free=b"_qs} << 4
        << std::vector<ExpectedFailure>{
               {4, u"The new file name cannot contain \"/\": a file is renamed inside its own "
                   "folder."_qs}};
    // c is not renamed, so b meets it as today and a waits for b in vain.
    QTest::newRow("chain blocked by a file outside the plan")
        << QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}
        << QStringList{u"b"_qs, u"c"_qs, u"-"_qs, u"x"_qs}
        << QStringList{u"a=a"_qs, u"b=b"_qs, u"c=c"_qs, u"x=d"_qs} << 1
        << std::vector<ExpectedFailure>{{0, blockedByText(u"b"_qs)}, {1, exists}};
    QTest::newRow("cycle through a refused name")
        << QStringList{u"a"_qs, u"b"_qs, u"c"_qs} << QStringList{u"b"_qs, u""_qs, u"a"_qs}
        << QStringList{u"a=a"_qs, u"b=b"_qs, u"c=c"_qs} << 0
        << std::vector<ExpectedFailure>{{0, blockedByText(u"b"_qs)},
                                        {1, u"The new file name is empty."_qs},
                                        {2, blockedByText(u"a"_qs)}};
    QTest::newRow("two rows after one freed name")
        << QStringList{u"a"_qs, u"b"_qs, u"c"_qs} << QStringList{u"c"_qs, u"c"_qs, u"z"_qs}
        << QStringList{u"b=b"_qs, u"c=a"_qs, u"z=c"_qs} << 2
        << std::vector<ExpectedFailure>{{1, exists}};
}

void ChainRenameTest::plans()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, newNames);
    QFETCH(QStringList, finalEntries);
    QFETCH(int, renamed);
    QFETCH(std::vector<ExpectedFailure>, failures);

    TestTree tree;
    for (const QString &name : files)
        QVERIFY(tree.createFile(name, name.toUtf8()));
    FileRows rows;
    appendFolderRows(rows, tree.root());
    QCOMPARE(rows.count(), newNames.size());
    for (int i = 0; i < rows.count(); ++i) {
        FileRow &row = rows.rows[size_t(i)];
        row.checked = newNames[i] != u"-";
        if (row.checked)
            row.newName = newNames[i];
    }
    RecordingPrompter prompter; // says Yes
    BatchResult result;
    // Rows of several folders may share a new name, so the duplicate check is left out here.
    QCOMPARE(runBatchRename(rows, true, true, prompter, &result), BatchOutcome::Ran);

    QStringList entries;
    for (const QString &name : tree.entries())
        entries.append(name + u'=' + QString::fromUtf8(tree.contents(name)));
    QCOMPARE(entries, finalEntries); // no temporary name left, nothing lost
    QCOMPARE(result.renamed, renamed);
    QCOMPARE(result.failures.size(), failures.size());
    for (size_t i = 0; i < failures.size(); ++i) {
        QCOMPARE(result.failures[i].row, failures[i].row);
        QCOMPARE(result.failures[i].error, failures[i].error);
    }
}

void ChainRenameTest::longShiftAndProgress()
{
    // 600 files shifted by one, plus a swap: one long chain and one cycle.
    TestTree tree;
    constexpr int kFiles = 600;
    for (int i = 0; i < kFiles; ++i)
        QVERIFY(tree.createFile(u"n%1"_qs.arg(i, 4, 10, QLatin1Char('0')), QByteArray::number(i)));
    QVERIFY(tree.createFile(u"s1"_qs, "s1"));
    QVERIFY(tree.createFile(u"s2"_qs, "s2"));
    FileRows rows;
    appendFolderRows(rows, tree.root());
    for (int i = 0; i < kFiles; ++i)
        rows.rows[size_t(i)].newName = u"n%1"_qs.arg(i + 1, 4, 10, QLatin1Char('0'));
    rows.rows[kFiles].newName = u"s2"_qs;
    rows.rows[kFiles + 1].newName = u"s1"_qs;

    std::vector<std::pair<int, int>> calls;
    const BatchResult result = renameCheckedFilesInChains(rows, [&](int done, int total) {
        calls.push_back({done, total});
    });
    QCOMPARE(result.renamed, kFiles + 2);
    QVERIFY(result.failures.empty());
    const std::vector<std::pair<int, int>> expected{{256, 603}, {512, 603}, {603, 603}};
    QCOMPARE(calls, expected);
    QVERIFY(!tree.exists(u"n0000"_qs));
    for (int i = 1; i <= kFiles; ++i)
        QCOMPARE(tree.contents(u"n%1"_qs.arg(i, 4, 10, QLatin1Char('0'))),
                 QByteArray::number(i - 1));
    QCOMPARE(tree.contents(u"s1"_qs), QByteArray("s2"));
    QCOMPARE(tree.entries().size(), kFiles + 2);
}

// With many cycles the folder is read once for entries that look like temporary names; the
// temporary names taken pass over those and over new names like them.
void ChainRenameTest::temporaryNamesPassTakenOnes()
{
    TestTree tree;
    QVERIFY(tree.createFile(u"a"_qs, "a") && tree.createFile(u"b"_qs, "b"));
    FileRows swap;
    appendFolderRows(swap, tree.root());
    swap.rows[0].newName = u"b"_qs;
    swap.rows[1].newName = u"a"_qs;
    QString error;
    const std::optional<JournalEntry> entry =
        JournalStore::read(renameCheckedFilesInChains(swap).journalId, error);
    QVERIFY2(entry, qPrintable(error));
    // This process numbers its temporary names one after the other: the next ones are known.
    const auto parked =
        std::find_if(entry->rows.begin(), entry->rows.end(),
                     [](const JournalRow &row) { return !row.parkedName.isEmpty(); });
    QVERIFY(parked != entry->rows.end());
    const QByteArray stem = parked->parkedName.left(parked->parkedName.lastIndexOf('-') + 1);
    const int next = parked->parkedName.mid(stem.size()).chopped(4).toInt() + 1; // ".tmp"
    constexpr int kSwaps = 40;
    for (int n = next; n < next + kSwaps; ++n)
        QVERIFY(tree.createRawFile(stem + QByteArray::number(n) + ".tmp", "taken"));
    for (int i = 0; i < 2 * kSwaps; ++i)
        QVERIFY(tree.createFile(u"p%1"_qs.arg(i, 2, 10, QLatin1Char('0')), QByteArray::number(i)));

    // a moves first, to the name that would otherwise be the next temporary one.
    const QString likeNext = QString::fromLatin1(stem + QByteArray::number(next + kSwaps) + ".tmp");
    FileRows rows;
    appendFolderRows(rows, tree.root());
    for (FileRow &row : rows.rows) {
        row.checked = row.loadedName.startsWith(u'p') || row.loadedName == u"a";
        if (row.loadedName.startsWith(u'p'))
            row.newName = u"p%1"_qs.arg(row.loadedName.mid(1).toInt() ^ 1, 2, 10, QLatin1Char('0'));
        else if (row.loadedName == u"a")
            row.newName = likeNext;
    }
    const BatchResult result = renameCheckedFilesInChains(rows);
    QVERIFY(result.failures.empty());
    QCOMPARE(result.renamed, 2 * kSwaps + 1);
    QCOMPARE(tree.contents(likeNext), QByteArray("b"));
    for (int i = 0; i < 2 * kSwaps; ++i)
        QCOMPARE(tree.contents(u"p%1"_qs.arg(i ^ 1, 2, 10, QLatin1Char('0'))),
                 QByteArray::number(i));
    for (int n = next; n < next + kSwaps; ++n)
        QCOMPARE(tree.contents(QString::fromLatin1(stem + QByteArray::number(n) + ".tmp")),
                 QByteArray("taken"));
    QCOMPARE(tree.entries().size(), kSwaps + 2 * kSwaps + 2);
}

void ChainRenameTest::optionOffKeepsListOrder()
{
    TestTree tree;
    for (const char *name : {"a", "b"})
        QVERIFY(tree.createFile(QString::fromLatin1(name), name));
    FileRows rows;
    appendFolderRows(rows, tree.root());
    rows.rows[0].newName = u"b"_qs;
    rows.rows[1].newName = u"c"_qs;
    RecordingPrompter prompter; // says Yes
    BatchResult result;
    QCOMPARE(runBatchRename(rows, false, false, prompter, &result), BatchOutcome::Ran);
    QCOMPARE(result.renamed, 1);
    QCOMPARE(int(result.failures.size()), 1);
    QCOMPARE(result.failures[0].error, u"File exists"_qs);
    QCOMPARE(tree.entries(), (QStringList{u"a"_qs, u"c"_qs}));
}

void ChainRenameTest::failedStepInsideACycleIsMovedBack()
{
    // a -> b -> c -> a: a is parked, c takes a's name, then b cannot move. c goes back and a
    // returns from the temporary name.
    TestTree tree;
    for (const char *name : {"a", "b", "c"})
        QVERIFY(tree.createFile(QString::fromLatin1(name), name));
    if (!setImmutable(tree.path(u"b"_qs), true))
        QSKIP("the file system has no immutable attribute here (or we may not set it)");
    FileRows rows;
    appendFolderRows(rows, tree.root());
    rows.rows[0].newName = u"b"_qs;
    rows.rows[1].newName = u"c"_qs;
    rows.rows[2].newName = u"a"_qs;
    const BatchResult result = renameCheckedFilesInChains(rows);
    QVERIFY(setImmutable(tree.path(u"b"_qs), false));

    QCOMPARE(result.renamed, 0);
    QCOMPARE(int(result.failures.size()), 3);
    QCOMPARE(result.failures[0].error, blockedByText(u"b"_qs));
    QCOMPARE(result.failures[1].error, systemErrorText(EPERM));
    QCOMPARE(result.failures[2].error, blockedByText(u"b"_qs));
    QStringList entries;
    for (const QString &name : tree.entries())
        entries.append(name + u'=' + QString::fromUtf8(tree.contents(name)));
    QCOMPARE(entries, (QStringList{u"a=a"_qs, u"b=b"_qs, u"c=c"_qs}));
}

// On a case-insensitive file system a new name reaches the file of another spelling: a.txt ->
// B.TXT is b.txt's file, so the rows form a swap and a rotation. fusefat gives each spelling
// its own inode number, so the match cannot rest on the inode alone.
void ChainRenameTest::fatSwapAndRotationByCase()
{
    FatMount fat;
    if (!fat.isMounted())
        QSKIP(qPrintable(fat.skipReason()));
    const QStringList files{u"a.txt"_qs, u"b.txt"_qs, u"c.txt"_qs, u"d.txt"_qs, u"e.txt"_qs};
    for (const QString &name : files) {
        QFile file(fat.root() + u'/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(name.toUtf8()) == name.size());
    }
    FileRows rows;
    appendFolderRows(rows, fat.root());
    const QStringList newNames{u"B.TXT"_qs, u"A.TXT"_qs, u"D.TXT"_qs, u"E.TXT"_qs, u"C.TXT"_qs};
    for (int i = 0; i < rows.count(); ++i)
        rows.rows[size_t(i)].newName = newNames[i];
    RecordingPrompter prompter; // says Yes
    BatchResult result;
    QCOMPARE(runBatchRename(rows, false, true, prompter, &result), BatchOutcome::Ran);
    QVERIFY2(result.failures.empty(),
             qPrintable(result.failures.empty() ? QString() : result.failures.front().error));
    QCOMPARE(result.renamed, 5);

    QStringList entries; // no temporary name left either
    for (const QString &name : QDir(fat.root()).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        QFile file(fat.root() + u'/' + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        entries.append(name + u'=' + QString::fromUtf8(file.readAll()));
    }
    QCOMPARE(entries, (QStringList{u"A.TXT=b.txt"_qs, u"B.TXT=a.txt"_qs, u"C.TXT=e.txt"_qs,
                                   u"D.TXT=c.txt"_qs, u"E.TXT=d.txt"_qs}));
}

QTEST_GUILESS_MAIN(ChainRenameTest)
#include "tst_ChainRename.moc"
