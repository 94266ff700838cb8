#include "engine/AppSettings.h"
#include "engine/RenameOperation.h"
#include "tests/support/TestTree.h"

#include <QFile>
#include <QTest>

#include <cerrno>

// The one move operation: never replaces, never leaves the folder, says why it failed.
class RenameOperationTest : public QObject
{
    Q_OBJECT

private slots:
    void movesAndEmptiesTheError();
    void neverReplaces_data();
    void neverReplaces();
    void missingSource();
    void refusedNames_data();
    void refusedNames();
    void exactBytesOfTheSource();
    void renameFileStaysInItsFolder();
    void errorTexts();
};

namespace {

QByteArray bytes(const TestTree &tree, const QString &relative)
{
    return QFile::encodeName(tree.path(relative));
}

} // namespace

void RenameOperationTest::movesAndEmptiesTheError()
{
    TestTree tree;
    QVERIFY(tree.createFile(u"a.txt"_qs, "A"));
    QString error = u"left over"_qs;
    QVERIFY(renameNoReplace(bytes(tree, u"a.txt"_qs), bytes(tree, u"b.txt"_qs), error));
    QVERIFY(error.isEmpty());
    QVERIFY(!tree.exists(u"a.txt"_qs));
    QCOMPARE(tree.contents(u"b.txt"_qs), QByteArray("A"));
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
    tree.useTemporarySettings();
    QVERIFY(tree.createFile(u"a.txt"_qs, "A"));
    QVERIFY(targetIsFolder ? tree.createFolder(u"b.txt"_qs) : tree.createFile(u"b.txt"_qs, "B"));

    QString error;
    QVERIFY(!renameNoReplace(bytes(tree, u"a.txt"_qs), bytes(tree, u"b.txt"_qs), error));
    QCOMPARE(error, u"File exists"_qs);
    QVERIFY(!CAppSettings().RenameFile(tree.path(u"a.txt"_qs), tree.path(u"b.txt"_qs), error));
    QCOMPARE(error, u"File exists"_qs);

    QCOMPARE(tree.contents(u"a.txt"_qs), QByteArray("A"));
    if (!targetIsFolder)
        QCOMPARE(tree.contents(u"b.txt"_qs), QByteArray("B"));
}

void RenameOperationTest::missingSource()
{
    TestTree tree;
    QString error;
    QVERIFY(!CAppSettings().RenameFile(tree.path(u"gone"_qs), tree.path(u"new"_qs), error));
    QCOMPARE(error, u"No such file or directory"_qs);
    QVERIFY(!tree.exists(u"new"_qs));
}

void RenameOperationTest::refusedNames_data()
{
    QTest::addColumn<QString>("newName");
    QTest::newRow("empty") << QString();
    QTest::newRow("dot") << u"."_qs;
    QTest::newRow("dot dot") << u".."_qs;
    QTest::newRow("slash") << u"sub/a.txt"_qs;
    QTest::newRow("leading slash") << u"/a.txt"_qs;
    QTest::newRow("NUL") << u"b\0.txt"_qs;
}

void RenameOperationTest::refusedNames()
{
    QFETCH(QString, newName);
    TestTree tree;
    QVERIFY(tree.createFile(u"a.txt"_qs, "A"));
    QVERIFY(tree.createFolder(u"sub"_qs));
    const QString reason = refusedNameReason(newName);
    QVERIFY(!reason.isEmpty());

    QString error;
    const QByteArray folder = QFile::encodeName(tree.root()) + '/';
    QVERIFY(!renameInFolder(folder, "a.txt", newName, error));
    QCOMPARE(error, reason);
    QVERIFY(
        !CAppSettings().RenameFile(tree.path(u"a.txt"_qs), tree.root() + u'/' + newName, error));
    QCOMPARE(error, reason);

    QCOMPARE(tree.entries(), (QStringList{u"a.txt"_qs, u"sub/"_qs}));
    QCOMPARE(tree.contents(u"a.txt"_qs), QByteArray("A"));
}

void RenameOperationTest::exactBytesOfTheSource()
{
    TestTree tree;
    QVERIFY(tree.createRawFile("odd\xff", "raw"));
    QVERIFY(tree.createFile(u"odd\ufffd"_qs, "decoded"));
    const QByteArray folder = QFile::encodeName(tree.root()) + '/';
    QString error;
    QVERIFY2(renameInFolder(folder, "odd\xff", u"fixed"_qs, error), qPrintable(error));
    QCOMPARE(tree.contents(u"fixed"_qs), QByteArray("raw"));
    QCOMPARE(tree.contents(u"odd\ufffd"_qs), QByteArray("decoded"));
    // A NUL byte in a path would name a shorter path.
    QVERIFY(!renameNoReplace(folder + "fixed", folder + QByteArray("odd\0x", 5), error));
    QVERIFY(!error.isEmpty());
    QVERIFY(tree.exists(u"fixed"_qs));
}

void RenameOperationTest::renameFileStaysInItsFolder()
{
    TestTree tree;
    QVERIFY(tree.createFile(u"dir/a.txt"_qs, "A"));
    QString error;
    QVERIFY(
        CAppSettings().RenameFile(tree.path(u"dir/a.txt"_qs), tree.path(u"dir/A.TXT"_qs), error));
    QVERIFY(error.isEmpty());
    QCOMPARE(tree.entries(), (QStringList{u"dir/"_qs, u"dir/A.TXT"_qs}));
    QVERIFY(
        !CAppSettings().RenameFile(tree.path(u"dir/A.TXT"_qs), tree.path(u"dir/../b"_qs), error));
    QCOMPARE(error, refusedNameReason(u"../b"_qs));
    QCOMPARE(tree.entries(), (QStringList{u"dir/"_qs, u"dir/A.TXT"_qs}));
}

void RenameOperationTest::errorTexts()
{
    QCOMPARE(systemErrorText(EEXIST), u"File exists"_qs);
    QCOMPARE(systemErrorText(EACCES), u"Permission denied"_qs);
    const QString unknown = systemErrorText(123456);
    QVERIFY(unknown.contains(u"123456"_qs));
    QVERIFY(!unknown.endsWith(u'\n'));
}

QTEST_GUILESS_MAIN(RenameOperationTest)
#include "tst_RenameOperation.moc"
