#include "core/engine/names/NewNameRule.h"
#include "core/engine/settings/AppSettings.h"
#include "tests/core/engine/RowsFromFolder.h"
#include "tests/support/TestTree.h"

#include <QTest>

// The whole run over real folders: presence lookup, list order, counters per run.
class ComputeNewFileNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void presenceFollowsLstat();
    void presenceAcrossInterleavedFolders();
    void deletedFilesAndUncheckedRows();
    void secondRunGivesTheSameColumn();
    void onlyTheNewNameChanges();
    void parametersComeFromTheStore();
    void everyParameterHasItsOwnField();
    void rowsThatReadFilesSharedInPieces_data();
    void rowsThatReadFilesSharedInPieces();
};

void ComputeNewFileNamesTest::presenceFollowsLstat()
{
    TestTree tree;
    QVERIFY(tree.createFile(u"file.txt"_qs));
    QVERIFY(tree.createFolder(u"folder.d"_qs));
    QVERIFY(tree.createLink(tree.path(u"nowhere"_qs), u"dangling"_qs));
    QVERIFY(tree.createRawFile(QByteArray("raw\xff.bin")));
    FileRows rows;
    appendRow(rows, tree.root(), "file.txt");
    appendRow(rows, tree.root(), "folder.d");
    appendRow(rows, tree.root(), "dangling");
    appendRow(rows, tree.root(), "raw\xff.bin");
    appendRow(rows, tree.root(), "gone.txt");
    appendRow(rows, tree.root(), "raw\xfe.bin"); // decodes like the file above, bytes differ
    appendRow(rows, tree.root(), "");            // the full path is the folder itself
    appendRow(rows, tree.path(u"missing"_qs), "file.txt");
    const std::vector<std::uint8_t> expected{1, 1, 1, 1, 0, 0, 1, 0};
    QCOMPARE(lookUpPresence(rows), expected);
}

void ComputeNewFileNamesTest::presenceAcrossInterleavedFolders()
{
    TestTree tree;
    QVERIFY(tree.createFile(u"a/one"_qs));
    QVERIFY(tree.createFile(u"b/two"_qs));
    QVERIFY(tree.createFile(u"a/three"_qs));
    FileRows rows;
    appendRow(rows, tree.path(u"a"_qs), "one");
    appendRow(rows, tree.path(u"b"_qs), "one");
    appendRow(rows, tree.path(u"a"_qs), "two");
    appendRow(rows, tree.path(u"b"_qs), "two");
    appendRow(rows, tree.path(u"a"_qs), "three");
    const std::vector<std::uint8_t> expected{1, 0, 0, 1, 1};
    QCOMPARE(lookUpPresence(rows), expected);
}

void ComputeNewFileNamesTest::deletedFilesAndUncheckedRows()
{
    TestTree tree;
    for (const char *name : {"a.txt", "b.txt", "c.txt", "d.txt"})
        QVERIFY(tree.createFile(QString::fromLatin1(name)));
    FileRows rows;
    appendFolderRows(rows, tree.root());
    QCOMPARE(rows.count(), 4);
    rows.rows[1].checked = false;
    QVERIFY(tree.remove(u"c.txt"_qs));

    RenameParameters end;
    end.checkNumberAtEnd = true;
    end.numberAtEnd = 8;
    ComputeNewFileNames(rows, end);
    QCOMPARE(newNames(rows), (QStringList{u"a8.txt"_qs, u"b9.txt"_qs, u"10"_qs, u"d11.txt"_qs}));

    RenameParameters start;
    start.checkNumberAtStart = true;
    start.checkRemoveInitialCharacters = true;
    start.checkNewFileName = true;
    start.newFileName = u"x"_qs;
    ComputeNewFileNames(rows, start);
    QCOMPARE(newNames(rows), (QStringList{u"1x.txt"_qs, u"2x.txt"_qs, u"3c.txt"_qs, u"4x.txt"_qs}));
}

void ComputeNewFileNamesTest::secondRunGivesTheSameColumn()
{
    TestTree tree;
    for (const char *name : {"IMG_0001.jpg", "IMG_0002.jpg", ".hidden"})
        QVERIFY(tree.createFile(QString::fromLatin1(name)));
    FileRows rows;
    appendFolderRows(rows, tree.root());
    RenameParameters p;
    p.checkNumberAtStart = true;
    p.numberAtStart = 9;
    p.checkFindAndReplace = true;
    p.findText = u"IMG_"_qs;
    p.checkUpperCase = true;
    ComputeNewFileNames(rows, p);
    const QStringList first = newNames(rows);
    QCOMPARE(first, (QStringList{u"9.HIDDEN"_qs, u"100001.JPG"_qs, u"110002.JPG"_qs}));
    ComputeNewFileNames(rows, p);
    QCOMPARE(newNames(rows), first);
}

void ComputeNewFileNamesTest::onlyTheNewNameChanges()
{
    TestTree tree;
    QVERIFY(tree.createFile(u"keep.txt"_qs));
    QVERIFY(tree.createFile(u"name.txt"_qs));
    FileRows rows;
    appendFolderRows(rows, tree.root());
    rows.rows[0].checked = false;
    rows.rows[0].size = 42;
    rows.rows[1].mtime = 1234;
    RenameParameters p;
    p.checkFindAndReplace = true;
    p.findText = u"name"_qs;
    p.replaceText = u"new"_qs;
    ComputeNewFileNames(rows, p);

    const FileRow &kept = rows.rows[0];
    QCOMPARE(kept.loadedName, u"keep.txt"_qs);
    QVERIFY(kept.newName.isSharedWith(kept.loadedName));
    QVERIFY(!kept.checked);
    QCOMPARE(kept.size, 42);
    const FileRow &renamed = rows.rows[1];
    QCOMPARE(renamed.loadedName, u"name.txt"_qs);
    QCOMPARE(renamed.newName, u"new.txt"_qs);
    QCOMPARE(renamed.mtime, 1234);
    QCOMPARE(renamed.serial, 2);
    QVERIFY(renamed.checked);
}

void ComputeNewFileNamesTest::parametersComeFromTheStore()
{
    TestTree tree;
    tree.useTemporarySettings();
    CAppSettings settings;
    QCOMPARE(RenameParameters::fromSettings(settings), RenameParameters());

    settings.setValue(CAppSettings::Key::CheckRemoveInitialCharacters,
                      2); // any value but 0 switches a step on
    settings.setValue(CAppSettings::Key::RemoveInitialCharactersLength, -3);
    settings.setValue(CAppSettings::Key::CheckNumberAtEnd, 1);
    settings.setValue(CAppSettings::Key::NumberAtEnd, 7);
    settings.setValue(CAppSettings::Key::CheckNewFileName, 1);
    settings.setValue(CAppSettings::Key::NewFileName, u"n"_qs);
    settings.setValue(CAppSettings::Key::CheckFindAndReplace, 1);
    settings.setValue(CAppSettings::Key::FindText, u"f"_qs);
    settings.setValue(CAppSettings::Key::ReplaceText, u"r"_qs);
    settings.setValue(CAppSettings::Key::CheckNumberAtStart, 1);
    settings.setValue(CAppSettings::Key::NumberAtStart, -2);
    settings.setValue(CAppSettings::Key::CheckUpperCase, 1);
    settings.setValue(CAppSettings::Key::CheckLowerCase, 0);

    RenameParameters expected;
    expected.checkRemoveInitialCharacters = true;
    expected.removeInitialCharactersLength = -3;
    expected.checkNumberAtEnd = true;
    expected.numberAtEnd = 7;
    expected.checkNewFileName = true;
    expected.newFileName = u"n"_qs;
    expected.checkFindAndReplace = true;
    expected.findText = u"f"_qs;
    expected.replaceText = u"r"_qs;
    expected.checkNumberAtStart = true;
    expected.numberAtStart = -2;
    expected.checkUpperCase = true;
    QCOMPARE(RenameParameters::fromSettings(settings), expected);
}

// Each parameter's row reaches one field of the value and no other, both ways through the
// store; the listing switches are no parameters.
void ComputeNewFileNamesTest::everyParameterHasItsOwnField()
{
    TestTree tree;
    tree.useTemporarySettings();
    CAppSettings settings;
    int parameters = 0;
    for (int i = 0; i < CAppSettings::kKeyCount; ++i) {
        const auto key = CAppSettings::Key(i);
        const QString name = CAppSettings::keyName(key);
        if (!RenameParameters::isParameter(key)) {
            QVERIFY2(!RenameParameters().value(key).isValid(), qPrintable(name));
            continue;
        }
        ++parameters;
        const QVariant changed = CAppSettings::isText(key)
                                     ? QVariant(u"t"_qs)
                                     : QVariant(CAppSettings::defaultInt(key) == 0 ? 1 : 7);
        RenameParameters p;
        p.setValue(key, changed);
        QCOMPARE(p.value(key), changed);
        for (int j = 0; j < CAppSettings::kKeyCount; ++j)
            if (j != i)
                QVERIFY2(p.value(CAppSettings::Key(j)) ==
                             RenameParameters().value(CAppSettings::Key(j)),
                         qPrintable(name + u" also changed "_qs +
                                    CAppSettings::keyName(CAppSettings::Key(j))));

        p.store(key, settings);
        QCOMPARE(RenameParameters::fromSettings(settings), p);
        RenameParameters().store(key, settings);
        QCOMPARE(RenameParameters::fromSettings(settings), RenameParameters());
    }
    QVERIFY(parameters >= 13);
}

QTEST_GUILESS_MAIN(ComputeNewFileNamesTest)
#include "tst_ComputeNewFileNames.moc"

void ComputeNewFileNamesTest::rowsThatReadFilesSharedInPieces_data()
{
    QTest::addColumn<bool>("restart");
    QTest::newRow("one run") << false;
    QTest::newRow("a run per folder") << true;
}

// A template that reads the files has its rows shared out in pieces among the threads: the
// running numbers must still follow the list, across pieces and folders, as when each row is
// named alone.
void ComputeNewFileNamesTest::rowsThatReadFilesSharedInPieces()
{
    QFETCH(bool, restart);
    TestTree tree;
    FileRows rows;
    // Runs of folders longer and shorter than a piece; the files do not exist, so the
    // template's fallback names them.
    const int runs[][2] = {{0, 9000}, {1, 1}, {0, 700}, {2, 12000}};
    for (const auto &[folder, count] : runs) {
        const QString location = tree.path(u"d"_qs + QString::number(folder));
        for (int i = 0; i < count; ++i)
            appendRow(rows, location, "f" + QByteArray::number(int(rows.rows.size())) + ".jpg");
    }
    RenameParameters p;
    p.checkNameTemplate = true;
    p.nameTemplate = u"{photo.model|\"p\"}{ext}"_qs;
    p.checkNumberAtEnd = true;
    p.restartNumbersEachFolder = restart;
    ComputeNewFileNames(rows, p);
    const QStringList together = newNames(rows);
    QCOMPARE(together.at(0), u"p1.jpg"_qs);
    QCOMPARE(together.at(9000), restart ? u"p1.jpg"_qs : u"p9001.jpg"_qs);
    QCOMPARE(together.at(9702), restart ? u"p2.jpg"_qs : u"p9703.jpg"_qs);
    QCOMPARE(together.last(), restart ? u"p12000.jpg"_qs : u"p21701.jpg"_qs);
    for (size_t i = 0; i < rows.rows.size(); i += 97) {
        rows.rows[i].newName.clear();
        ComputeNewFileNames(rows, p, nullptr, i, i + 1);
        QCOMPARE(rows.rows[i].newName, together.at(qsizetype(i)));
    }
}
