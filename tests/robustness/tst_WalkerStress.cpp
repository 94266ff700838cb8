#include "core/engine/names/NewNameRule.h"
#include "core/engine/rename/BatchRename.h"
#include "core/engine/rename/RenameOperation.h"
#include "core/engine/settings/AppSettings.h"
#include "core/listing/FileListLoader.h"
#include "tests/robustness/FastTemporaryDir.h"
#include "tests/robustness/FolderSnapshot.h"
#include "tests/robustness/TreeBuilders.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TestTree.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTest>

#include <climits>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The rows' full paths relative to root, in bytes; fails the test on a path listed twice.
QList<QByteArray> listedPaths(const FileRows &rows, const QByteArray &root)
{
    QList<QByteArray> paths;
    QSet<QByteArray> seen;
    for (int i = 0; i < rows.count(); ++i) {
        const QByteArray path = rows.fullPathBytes(i).mid(root.size() + 1);
        if (seen.contains(path))
            qWarning("listed twice: %s", qPrintable(printablePath(path)));
        seen.insert(path);
        paths << path;
    }
    return paths;
}

FileRows loadAll(const QByteArray &root, bool recurse, FileListLoader::Result *result = nullptr)
{
    FileListLoader loader;
    loader.setFilters(true, true);
    FileRows rows;
    const FileListLoader::Result r = loader.load(QFile::decodeName(root), recurse, rows);
    if (result)
        *result = r;
    return rows;
}

} // namespace

// Trees that a walk must survive: link cycles, great depth, great width, names that are
// not text. The walk must end, list every file once and leave operations on the exact file.
class WalkerStressTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_tree = std::make_unique<TestTree>();
        m_tree->useTemporarySettings();
        m_fast = std::make_unique<FastTemporaryDir>();
        QVERIFY(m_fast->isValid());
    }
    void cleanup()
    {
        CAppSettings::useStoreFile(QString());
        m_tree.reset();
        m_fast.reset();
    }

    void linkCyclesEndAndFolderLinksAreNotListed()
    {
        QVERIFY(m_tree->createFile(QStringLiteral("a/b/file1"), "one"));
        QVERIFY(m_tree->createFile(QStringLiteral("top"), "top"));
        QVERIFY(m_tree->createLink(QStringLiteral(".."), QStringLiteral("a/loop")));
        QVERIFY(m_tree->createLink(QStringLiteral("."), QStringLiteral("a/b/self")));
        QVERIFY(m_tree->createLink(QStringLiteral("../../a"), QStringLiteral("a/b/back")));
        QVERIFY(m_tree->createLink(m_tree->root(), QStringLiteral("absolute")));
        QVERIFY(m_tree->createLink(QStringLiteral("/"), QStringLiteral("a/systemRoot")));
        QVERIFY(m_tree->createLink(QStringLiteral("nowhere"), QStringLiteral("dangling")));
        QVERIFY(m_tree->createLink(QStringLiteral("ring2"), QStringLiteral("ring1")));
        QVERIFY(m_tree->createLink(QStringLiteral("ring1"), QStringLiteral("ring2")));

        FileListLoader::Result result;
        const FileRows rows = loadAll(root(), true, &result);
        QList<QByteArray> paths = listedPaths(rows, root());
        std::sort(paths.begin(), paths.end());
        // Links to folders are folders: never listed, never entered. Dangling links and link
        // rings lead to no folder and stay rows.
        const QList<QByteArray> expected{"a/b/file1", "dangling", "ring1", "ring2", "top"};
        QCOMPARE(paths, expected);
        QCOMPARE(result.foldersRecorded, 3);

        // Renaming a link renames the link itself: its target folder stays where it was.
        const FolderSnapshot before = FolderSnapshot::take(root() + "/a/b");
        QString error;
        QVERIFY(renameInFolder(root() + "/a/", "loop", QStringLiteral("loop2"), error));
        QVERIFY(m_tree->exists(QStringLiteral("a/loop2")));
        QVERIFY(before == FolderSnapshot::take(root() + "/a/b"));
        QCOMPARE(QFile::symLinkTarget(m_tree->path(QStringLiteral("a/loop2"))),
                 QFileInfo(m_tree->root()).canonicalFilePath());
    }

    // 2,000 one-letter folders: the deepest path stays below the system's path limit, so
    // every file must be listed, and a batch must reach the deepest file.
    void deepTreeIsListedAndRenamedToTheBottom()
    {
        const QList<QByteArray> files = createFolderChain(fastRoot(), 2000, "d", 250);
        QVERIFY(!files.isEmpty());
        QVERIFY(fastRoot().size() + 1 + files.last().size() < PATH_MAX);

        FileListLoader::Result result;
        FileRows rows = loadAll(fastRoot(), true, &result);
        QList<QByteArray> paths = listedPaths(rows, fastRoot());
        std::sort(paths.begin(), paths.end());
        QList<QByteArray> expected = files;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(paths, expected);
        QCOMPARE(result.foldersRecorded, 2001);

        RenameParameters params;
        params.checkNumberAtEnd = true;
        ComputeNewFileNames(rows, params);
        RecordingPrompter prompter;
        BatchResult batch;
        QCOMPARE(runBatchRename(rows, true, prompter, &batch), BatchOutcome::Ran);
        QCOMPARE(batch.renamed, int(files.size()));
        struct stat st;
        const QByteArray deepest = fastRoot() + '/' + files.last().chopped(1) + "f1";
        // "d" sorts before "f": the deepest file is met first and receives 1.
        QCOMPARE(::lstat(deepest.constData(), &st), 0);
        QVERIFY(removeTree(fastRoot() + "/d"));
    }

    // Past the path limit a folder cannot be opened by its path: the walk must still end,
    // list nothing twice, and list every file whose path the system accepts.
    void treeBeyondThePathLimitEnds()
    {
        const QList<QByteArray> files = createFolderChain(fastRoot(), 2000, "ddd", 100);
        QVERIFY(!files.isEmpty());
        QVERIFY(fastRoot().size() + files.last().size() > PATH_MAX);

        FileListLoader::Result result;
        FileRows rows = loadAll(fastRoot(), true, &result);
        const QList<QByteArray> paths = listedPaths(rows, fastRoot());
        QCOMPARE(QSet<QByteArray>(paths.begin(), paths.end()).size(), paths.size());
        for (const QByteArray &file : files) {
            const bool reachable = fastRoot().size() + 1 + file.size() < PATH_MAX;
            if (reachable)
                QVERIFY2(paths.contains(file), file.left(40).constData());
        }
        for (const QByteArray &path : paths)
            QVERIFY(files.contains(path));
        QVERIFY(result.foldersRecorded >= 2);

        // The new names' look-ups meet the same limit and must not fail the run.
        RenameParameters params;
        params.checkRemoveInitialCharacters = true;
        ComputeNewFileNames(rows, params);
        QVERIFY(removeTree(fastRoot() + "/ddd"));
    }

    void folderOfTwoHundredThousandEntries()
    {
        constexpr int kCount = 200000;
        QVERIFY(createManyFiles(fastRoot(), kCount, "f"));
        FileListLoader::Result result;
        FileRows rows = loadAll(fastRoot(), false, &result);
        QCOMPARE(rows.count(), kCount);
        QCOMPARE(result.foldersRecorded, 1);
        for (int i = 0; i < kCount; ++i) {
            // Sorted by name, each name once: row i is file i.
            char expected[16];
            std::snprintf(expected, sizeof expected, "f%07d", i);
            if (rows.rows[size_t(i)].loadedName != QLatin1String(expected))
                QFAIL(qPrintable(
                    QStringLiteral("row %1 is %2").arg(i).arg(rows.rows[size_t(i)].loadedName)));
        }
        const std::vector<std::uint8_t> present = lookUpPresence(rows);
        QCOMPARE(std::count(present.begin(), present.end(), 1), kCount);
        QVERIFY(removeTree(fastRoot()));
    }

    // Tabs, line breaks and bytes that are not UTF-8: each file is listed once under its
    // exact bytes, and a batch moves each file, not a namesake of its decoded name.
    void oddNamesAreRenamedExactly()
    {
        const QList<QByteArray> names{"\xff",
                                      "\xfe",
                                      "\xef\xbf\xbd",
                                      "a\tb",
                                      "a\nb",
                                      "\x80"
                                      "abc",
                                      "back\\slash",
                                      "\xc3\x28.txt"};
        for (int i = 0; i < names.size(); ++i)
            QVERIFY(m_tree->createRawFile(names[i], "content " + QByteArray::number(i)));

        FileRows rows = loadAll(root(), false);
        QCOMPARE(rows.count(), int(names.size()));
        QList<QByteArray> paths = listedPaths(rows, root());
        QCOMPARE(QSet<QByteArray>(paths.begin(), paths.end()),
                 QSet<QByteArray>(names.begin(), names.end()));
        const std::vector<std::uint8_t> present = lookUpPresence(rows);
        QCOMPARE(std::count(present.begin(), present.end(), 1), rows.count());

        // Without parameters nothing may move, even where the shown name is not the bytes.
        const FolderSnapshot before = FolderSnapshot::take(root());
        ComputeNewFileNames(rows, RenameParameters{});
        // Names that differ only in bytes that are not UTF-8 are not duplicates.
        RecordingPrompter prompter;
        BatchResult batch;
        QCOMPARE(runBatchRename(rows, false, prompter, &batch), BatchOutcome::Ran);
        QVERIFY2(before == FolderSnapshot::take(root()),
                 qPrintable(before.differenceTo(FolderSnapshot::take(root()))));

        RenameParameters params;
        params.checkNumberAtStart = true;
        ComputeNewFileNames(rows, params);
        QCOMPARE(runBatchRename(rows, false, prompter, &batch), BatchOutcome::Ran);
        QCOMPARE(batch.renamed, rows.count());
        FolderSnapshot expected;
        for (int i = 0; i < rows.count(); ++i)
            expected.entries()[QByteArray::number(i + 1) + paths[i]] =
                before.entries().at(paths[i]);
        const FolderSnapshot after = FolderSnapshot::take(root());
        QVERIFY2(expected == after, qPrintable(expected.differenceTo(after)));
    }

private:
    QByteArray root() const { return QFile::encodeName(m_tree->root()); }
    QByteArray fastRoot() const { return QFile::encodeName(m_fast->path()); }
    std::unique_ptr<TestTree> m_tree;
    std::unique_ptr<FastTemporaryDir> m_fast; // for the deep and the wide trees
};

QTEST_GUILESS_MAIN(WalkerStressTest)
#include "tst_WalkerStress.moc"
