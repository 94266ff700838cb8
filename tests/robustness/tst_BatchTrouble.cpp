#include "core/engine/rename/BatchRename.h"
#include "core/engine/settings/AppSettings.h"
#include "core/listing/FileListLoader.h"
#include "tests/robustness/FolderSnapshot.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TestTree.h"

#include <QFile>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using Files = QMap<QByteArray, QByteArray>; // name -> content
using Names = QMap<QByteArray, QByteArray>; // loaded name -> new name, UTF-8

// The file names and contents of a flat folder, content standing for each original file.
Files filesIn(const TestTree &tree, const QString &folder)
{
    Files out;
    const FolderSnapshot snapshot = FolderSnapshot::take(QFile::encodeName(tree.path(folder)));
    for (const auto &[path, content] : snapshot.entries())
        out[path] = FolderSnapshot::isFolderMarker(content) ? "<folder>" : content;
    return out;
}

} // namespace

// The trouble users of renamers have lost files to, one case each, with the exact outcome.
class BatchTroubleTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_tree = std::make_unique<TestTree>();
        m_tree->useTemporarySettings();
        QVERIFY(m_tree->createFile(QStringLiteral("outside/v"), "outside"));
    }
    void cleanup()
    {
        QCOMPARE(m_tree->contents(QStringLiteral("outside/v")), QByteArray("outside"));
        QCOMPARE(filesIn(*m_tree, QStringLiteral("outside")).size(), 1);
        CAppSettings::useStoreFile(QString());
        m_tree.reset();
    }

    void chainInListOrderStopsAtTheTakenName()
    {
        // a to b while b to c: a's target still exists when its turn comes.
        run({"a", "b"}, {{"a", "b"}, {"b", "c"}});
        QCOMPARE(files(), (Files{{"a", "a"}, {"c", "b"}}));
        QCOMPARE(m_result.failures.size(), size_t(1));
        QCOMPARE(m_result.failures[0].row, 0);
        QVERIFY(!m_result.failures[0].error.isEmpty());
    }

    void chainFreedFirstRenamesBoth()
    {
        run({"b", "c"}, {{"b", "a"}, {"c", "b"}});
        QCOMPARE(files(), (Files{{"a", "b"}, {"b", "c"}}));
        QCOMPARE(m_result.renamed, 2);
    }

    void swapChangesNothing()
    {
        run({"a", "b"}, {{"a", "b"}, {"b", "a"}});
        QCOMPARE(files(), (Files{{"a", "a"}, {"b", "b"}}));
        QCOMPARE(m_result.failures.size(), size_t(2));
    }

    void caseOnlyChangeRenames()
    {
        run({"photo.jpg"}, {{"photo.jpg", "PHOTO.JPG"}});
        QCOMPARE(files(), (Files{{"PHOTO.JPG", "photo.jpg"}}));
    }

    void unlistedFileIsNeverReplaced()
    {
        QVERIFY(m_tree->createFile(QStringLiteral("listed/.hidden"), "hidden"));
        run({"a"}, {{"a", ".hidden"}}); // hidden files are not listed
        QCOMPARE(files(), (Files{{".hidden", "hidden"}, {"a", "a"}}));
    }

    void subFolderIsNeverReplaced()
    {
        QVERIFY(m_tree->createFile(QStringLiteral("listed/sub/inner"), "inner"));
        run({"a"}, {{"a", "sub"}});
        QCOMPARE(files(), (Files{{"a", "a"}, {"sub", "<folder>"}, {"sub/inner", "inner"}}));
    }

    // Sub-folder listing skips the duplicate check: the second file of a name must fail.
    void duplicatesWithSubFolderListingKeepBothFiles()
    {
        run({"a", "b", "c"}, {{"a", "x"}, {"b", "x"}, {"c", "X"}}, true);
        QCOMPARE(files(), (Files{{"X", "c"}, {"b", "b"}, {"x", "a"}}));
        QCOMPARE(m_result.failures.size(), size_t(1));
        QCOMPARE(m_result.failures[0].row, 1);
    }

    void refusedNamesFailAndTouchNothing_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::newRow("empty") << QString();
        QTest::newRow("dot") << QStringLiteral(".");
        QTest::newRow("dot dot") << QStringLiteral("..");
        QTest::newRow("slash") << QStringLiteral("x/y");
        QTest::newRow("into outside") << QStringLiteral("../outside/v");
        QTest::newRow("absolute") << QStringLiteral("/tmp/quirewell-escape");
        QTest::newRow("NUL") << QStringLiteral("b") + QChar(u'\0') + QStringLiteral("c");
        QTest::newRow("256 bytes") << QString(256, QLatin1Char('n'));
        QTest::newRow("128 two-byte characters") << QString(128, QChar(u'\u00e9'));
    }

    void refusedNamesFailAndTouchNothing()
    {
        QFETCH(QString, newName);
        run({"a", "b"}, {{"a", newName.toUtf8()}, {"b", "c"}}, true);
        QCOMPARE(files(), (Files{{"a", "a"}, {"c", "b"}}));
        QCOMPARE(m_result.failures.size(), size_t(1));
        QVERIFY(!m_result.failures[0].error.isEmpty());
        QVERIFY(!QFile::exists(QStringLiteral("/tmp/quirewell-escape")));
    }

    void longestNameIsAccepted()
    {
        const QByteArray longest(255, 'm');
        run({"a"}, {{"a", longest}});
        QCOMPARE(files(), (Files{{longest, "a"}}));
    }

    void fileDeletedAfterThePreviewFails()
    {
        run({"a", "b"}, {{"a", "x"}, {"b", "y"}}, 0,
            [this] { QVERIFY(m_tree->remove(QStringLiteral("listed/a"))); });
        QCOMPARE(files(), (Files{{"y", "b"}}));
        QCOMPARE(m_result.failures.size(), size_t(1));
        QCOMPARE(m_result.renamed, 1);
    }

    void targetCreatedAfterThePreviewIsKept()
    {
        run({"a"}, {{"a", "x"}}, 0, [this] {
            QVERIFY(m_tree->createFile(QStringLiteral("listed/x"), "newcomer"));
            QVERIFY(m_tree->createFile(QStringLiteral("listed/z"), "another"));
        });
        QCOMPARE(files(), (Files{{"a", "a"}, {"x", "newcomer"}, {"z", "another"}}));
        QCOMPARE(m_result.failures.size(), size_t(1));
    }

private:
    // Creates listed/NAME with content NAME for each name, lists the folder, sets the new
    // names, runs mutation, then the batch, as if listed with sub-folders when asked.
    void run(const QList<QByteArray> &names, const Names &newNames, bool subFolders = false,
             const std::function<void()> &mutation = {})
    {
        for (const QByteArray &name : names)
            QVERIFY(m_tree->createFile(QStringLiteral("listed/") + QString::fromUtf8(name), name));
        FileListLoader loader;
        FileRows rows;
        loader.load(m_tree->path(QStringLiteral("listed")), false, rows);
        QCOMPARE(rows.count(), int(names.size()));
        for (FileRow &row : rows.rows)
            if (newNames.contains(row.loadedName.toUtf8()))
                row.newName = QString::fromUtf8(newNames[row.loadedName.toUtf8()]);
        if (mutation)
            mutation();
        RecordingPrompter prompter;
        m_result = {};
        QCOMPARE(runBatchRename(rows, subFolders, prompter, &m_result), BatchOutcome::Ran);
    }
    Files files() const { return filesIn(*m_tree, QStringLiteral("listed")); }

    std::unique_ptr<TestTree> m_tree;
    BatchResult m_result;
};

QTEST_GUILESS_MAIN(BatchTroubleTest)
#include "tst_BatchTrouble.moc"
