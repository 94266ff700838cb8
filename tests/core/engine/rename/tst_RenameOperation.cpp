#include "core/engine/names/FileRows.h"
#include "core/engine/rename/BatchRename.h"
#include "core/engine/rename/RenameOperation.h"
#include "tests/core/engine/RowsFromFolder.h"
#include "tests/support/FatMount.h"
#include "tests/support/TestTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

// The one move operation: never replaces, never leaves the folder, says why it failed, on
// file systems with and without RENAME_NOREPLACE, hard links and case-sensitive names.
class RenameOperationTest : public QObject
{
    Q_OBJECT

private slots:
    void movesWithAndWithoutAFolderHandle();
    void neverReplaces_data();
    void neverReplaces();
    void missingSource();
    void refusedNames_data();
    void refusedNames();
    void exactBytes();
    void caseOnlyChangesAndHardLinks();
    void errorTexts();
    void fatWithoutNoReplaceOrHardLinks();
    void fatBatchChangesCaseOnly();
};

namespace {

QByteArray folderOf(const QString &root)
{
    return QFile::encodeName(root) + '/';
}

// Every name in folder, sorted; temporary names left behind would show here.
QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

void RenameOperationTest::movesWithAndWithoutAFolderHandle()
{
    TestTree tree;
    QVERIFY(tree.createFile(u"a.txt"_qs, "A"));
    const QByteArray folder = folderOf(tree.root());
    QString error = u"left over"_qs;
    QVERIFY(renameInFolder(folder, "a.txt", u"b.txt"_qs, error));
    QVERIFY(error.isEmpty());

    const int fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    QVERIFY(fd >= 0);
    QVERIFY2(renameInFolder(folder, "b.txt", u"c.txt"_qs, error, fd), qPrintable(error));
    ::close(fd);
    QCOMPARE(tree.entries(), QStringList{u"c.txt"_qs});
    QCOMPARE(tree.contents(u"c.txt"_qs), QByteArray("A"));

    // A link is renamed as the link it is; its target keeps its name.
    QVERIFY(tree.createLink(u"c.txt"_qs, u"link"_qs));
    QVERIFY2(renameInFolder(folder, "link", u"moved"_qs, error), qPrintable(error));
    QVERIFY(QFileInfo(tree.path(u"moved"_qs)).isSymLink());
    QCOMPARE(QFileInfo(tree.path(u"moved"_qs)).symLinkTarget(), tree.path(u"c.txt"_qs));
}

void RenameOperationTest::neverReplaces_data()
{
    QTest::addColumn<bool>("targetIsFolder");
    QTest::newRow("file") << false;
    QTest::newRow("folder") << true;
}

void RenameOperationTest::neverReplaces()
{
    QFETCH(bool, targetIsFolder);
    TestTree tree;
    QVERIFY(tree.createFile(u"a.txt"_qs, "A"));
    QVERIFY(targetIsFolder ? tree.createFolder(u"b.txt"_qs) : tree.createFile(u"b.txt"_qs, "B"));

    QString error;
    QVERIFY(!renameInFolder(folderOf(tree.root()), "a.txt", u"b.txt"_qs, error));
    QCOMPARE(error, u"File exists"_qs);
    QCOMPARE(tree.contents(u"a.txt"_qs), QByteArray("A"));
    if (!targetIsFolder)
        QCOMPARE(tree.contents(u"b.txt"_qs), QByteArray("B"));
}

void RenameOperationTest::missingSource()
{
    TestTree tree;
    QString error;
    QVERIFY(!renameInFolder(folderOf(tree.root()), "gone", u"new"_qs, error));
    QCOMPARE(error, u"No such file or directory"_qs);
    QVERIFY(!renameInFolder(folderOf(tree.path(u"missing"_qs)), "gone", u"new"_qs, error));
    QCOMPARE(error, u"No such file or directory"_qs);
    QVERIFY(tree.entries().isEmpty());
}

void RenameOperationTest::refusedNames_data()
{
    QTest::addColumn<QString>("newName");
    QTest::newRow("empty") << QString();
    QTest::newRow("dot") << u"."_qs;
    QTest::newRow("dot dot") << u".."_qs;
    QTest::newRow("slash") << u"sub/a.txt"_qs;
    QTest::newRow("leading slash") << u"/a.txt"_qs;
    QTest::newRow("parent") << u"../b"_qs;
    QTest::newRow("NUL") << u"b\0.txt"_qs;
    QTest::newRow("half an emoji") << u"a\xd83d.txt"_qs;
}

void RenameOperationTest::refusedNames()
{
    QFETCH(QString, newName);
    TestTree tree;
    QVERIFY(tree.createFile(u"a.txt"_qs, "A"));
    QVERIFY(tree.createFolder(u"sub"_qs));
    const QString reason = refusedNameReason(newName);
    QVERIFY(!reason.isEmpty());
    QVERIFY(!isAcceptedName(newName));
    // Names next to the refused ones are taken, by the quick check and the full one.
    for (const QString &accepted : {u"..."_qs, u".a"_qs, u"a\\b"_qs, u"\x7f"_qs, u"\xe9"_qs,
                                    u"a\xd83d\xde00"_qs, newName + u"x"_qs})
        QVERIFY(isAcceptedName(accepted) == refusedNameReason(accepted).isEmpty());

    QString error;
    QVERIFY(!renameInFolder(folderOf(tree.root()), "a.txt", newName, error));
    QCOMPARE(error, reason);
    QCOMPARE(tree.entries(), (QStringList{u"a.txt"_qs, u"sub/"_qs}));
}

// The source is found by its exact bytes and the new name's escaped bytes are written back
// as they were; a look-alike name is never touched.
void RenameOperationTest::exactBytes()
{
    TestTree tree;
    QVERIFY(tree.createRawFile("odd\xff", "raw"));
    QVERIFY(tree.createFile(u"odd\ufffd"_qs, "decoded"));
    const QByteArray folder = folderOf(tree.root());
    QString error;
    QVERIFY2(renameInFolder(folder, "odd\xff", u"caf\xdce9.md"_qs, error), qPrintable(error));
    QCOMPARE(::access((folder + "caf\xe9.md").constData(), F_OK), 0);
    QVERIFY(renameInFolder(folder, "caf\xe9.md", u"fixed"_qs, error));
    QCOMPARE(tree.contents(u"fixed"_qs), QByteArray("raw"));
    QCOMPARE(tree.contents(u"odd\ufffd"_qs), QByteArray("decoded"));
    // A NUL byte in the old name would name a shorter path.
    QVERIFY(!renameInFolder(folder, QByteArray("fixed\0x", 7), u"other"_qs, error));
    QVERIFY(!error.isEmpty());
    QVERIFY(tree.exists(u"fixed"_qs));
}

// On a case-sensitive file system a case-only change is an ordinary rename; two hard links
// of one file are still two names, so neither replaces the other.
void RenameOperationTest::caseOnlyChangesAndHardLinks()
{
    TestTree tree;
    QVERIFY(tree.createFile(u"a.txt"_qs, "A"));
    QVERIFY(tree.createFile(u"one"_qs, "1"));
    const QByteArray folder = folderOf(tree.root());
    QCOMPARE(::link((folder + "one").constData(), (folder + "two").constData()), 0);
    QString error;
    QVERIFY2(renameInFolder(folder, "a.txt", u"A.TXT"_qs, error), qPrintable(error));
    QVERIFY(!renameInFolder(folder, "one", u"two"_qs, error));
    QCOMPARE(error, u"File exists"_qs);
    QVERIFY(!renameInFolder(folder, "one", u"one"_qs, error));
    QCOMPARE(error, u"File exists"_qs);
    QCOMPARE(namesIn(tree.root()), (QStringList{u"A.TXT"_qs, u"one"_qs, u"two"_qs}));
}

void RenameOperationTest::errorTexts()
{
    QCOMPARE(systemErrorText(EEXIST), u"File exists"_qs);
    QCOMPARE(systemErrorText(EACCES), u"Permission denied"_qs);
    const QString unknown = systemErrorText(123456);
    QVERIFY(unknown.contains(u"123456"_qs));
    QVERIFY(!unknown.endsWith(u'\n'));
}

// FAT through FUSE refuses RENAME_NOREPLACE and has no hard links: the new name is reserved
// with O_EXCL first. Names are case-insensitive there, and ':' is refused.
void RenameOperationTest::fatWithoutNoReplaceOrHardLinks()
{
    FatMount fat;
    if (!fat.isMounted())
        QSKIP(qPrintable(fat.skipReason()));
    const QString root = fat.root();
    const QByteArray folder = folderOf(root);
    QVERIFY(writeFile(root + u"/a.txt"_qs, "A"));
    QVERIFY(writeFile(root + u"/b.txt"_qs, "B"));
    QVERIFY(writeFile(root + u"/Up.txt"_qs, "U"));

    QString error;
    QVERIFY2(renameInFolder(folder, "a.txt", u"c.txt"_qs, error), qPrintable(error));
    QVERIFY(!renameInFolder(folder, "c.txt", u"b.txt"_qs, error));
    QCOMPARE(error, u"File exists"_qs);
    QVERIFY(!renameInFolder(folder, "c.txt", u"B.TXT"_qs, error)); // b.txt under another case
    QCOMPARE(error, u"File exists"_qs);
    QVERIFY(!renameInFolder(folder, "c.txt", u"x:y.txt"_qs, error));
    QCOMPARE(error, systemErrorText(EINVAL)); // the file system's reason, not a fallback's
    QVERIFY2(renameInFolder(folder, "Up.txt", u"UP.TXT"_qs, error), qPrintable(error));

    QCOMPARE(namesIn(root), (QStringList{u"UP.TXT"_qs, u"b.txt"_qs, u"c.txt"_qs}));
    QCOMPARE(contentsOf(root + u"/c.txt"_qs), QByteArray("A"));
    QCOMPARE(contentsOf(root + u"/b.txt"_qs), QByteArray("B"));
    QCOMPARE(contentsOf(root + u"/UP.TXT"_qs), QByteArray("U"));
}

// The batch on FAT: upper and then lower case of every name, each through a temporary name.
void RenameOperationTest::fatBatchChangesCaseOnly()
{
    FatMount fat;
    if (!fat.isMounted())
        QSKIP(qPrintable(fat.skipReason()));
    const QString root = fat.root();
    for (const QString &name : {u"one.txt"_qs, u"Two.txt"_qs, u"THREE.txt"_qs})
        QVERIFY(writeFile(root + u'/' + name, name.toUtf8()));

    for (const bool upper : {true, false}) {
        FileRows rows;
        appendFolderRows(rows, root);
        QCOMPARE(rows.count(), 3);
        for (FileRow &row : rows.rows)
            row.newName = upper ? row.loadedName.toUpper() : row.loadedName.toLower();
        const BatchResult result = RenameCheckedFiles(rows);
        QVERIFY2(result.failures.empty(),
                 qPrintable(result.failures.empty() ? QString() : result.failures.front().error));
        QCOMPARE(result.renamed + result.unchanged, 3);
    }
    QCOMPARE(namesIn(root), (QStringList{u"one.txt"_qs, u"three.txt"_qs, u"two.txt"_qs}));
    QCOMPARE(contentsOf(root + u"/two.txt"_qs), QByteArray("Two.txt"));
}

QTEST_GUILESS_MAIN(RenameOperationTest)
#include "tst_RenameOperation.moc"
