#include "core/engine/journal/JournalUndo.h"
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
#include <sys/resource.h>
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

QList<QByteArray> sorted(QList<QByteArray> paths)
{
    std::sort(paths.begin(), paths.end());
    return paths;
}

// Every row gets a running number at the end of its name, then the batch runs.
BatchOutcome renameWithNumbersAtEnd(FileRows &rows, BatchResult &batch)
{
    RenameParameters params;
    params.checkNumberAtEnd = true;
    ComputeNewFileNames(rows, params);
    RecordingPrompter prompter;
    return runBatchRename(rows, true, prompter, &batch);
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

// Lowers the soft limit of open descriptors while it lives, so that code holding one per
// folder of a deep tree fails.
class DescriptorLimit
{
public:
    explicit DescriptorLimit(rlim_t limit)
    {
        m_set = ::getrlimit(RLIMIT_NOFILE, &m_saved) == 0;
        rlimit lowered = m_saved;
        lowered.rlim_cur = std::min(limit, m_saved.rlim_cur);
        m_set = m_set && ::setrlimit(RLIMIT_NOFILE, &lowered) == 0;
    }
    ~DescriptorLimit()
    {
        if (m_set)
            ::setrlimit(RLIMIT_NOFILE, &m_saved);
    }
    bool isSet() const { return m_set; }

private:
    rlimit m_saved{};
    bool m_set = false;
};

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
        QCOMPARE(sorted(listedPaths(rows, fastRoot())), sorted(files));
        QCOMPARE(result.foldersRecorded, 2001);

        BatchResult batch;
        QCOMPARE(renameWithNumbersAtEnd(rows, batch), BatchOutcome::Ran);
        QCOMPARE(batch.renamed, int(files.size()));
        struct stat st;
        const QByteArray deepest = fastRoot() + '/' + files.last().chopped(1) + "f1";
        // "d" sorts before "f": the deepest file is met first and receives 1.
        QCOMPARE(::lstat(deepest.constData(), &st), 0);
        QVERIFY(removeTree(fastRoot() + "/d"));
    }

    // Past the path limit a folder cannot be opened by its path: the walk goes down by names
    // relative to open folders, so it lists every file once, and the look-ups of the new names
    // reach every file too.
    void treeBeyondThePathLimitEnds()
    {
        const QList<QByteArray> files = createFolderChain(fastRoot(), 2000, "ddd", 100);
        QVERIFY(!files.isEmpty());
        QVERIFY(fastRoot().size() + files.last().size() > PATH_MAX);

        FileListLoader::Result result;
        FileRows rows = loadAll(fastRoot(), true, &result);
        const QList<QByteArray> paths = listedPaths(rows, fastRoot());
        QCOMPARE(QSet<QByteArray>(paths.begin(), paths.end()).size(), paths.size());
        QCOMPARE(QSet<QByteArray>(paths.begin(), paths.end()),
                 QSet<QByteArray>(files.begin(), files.end()));
        QCOMPARE(result.foldersRecorded, 2001);

        const std::vector<std::uint8_t> present = lookUpPresence(rows);
        QCOMPARE(std::count(present.begin(), present.end(), 1), qsizetype(files.size()));
        RenameParameters params;
        params.checkRemoveInitialCharacters = true;
        ComputeNewFileNames(rows, params);
        QVERIFY(removeTree(fastRoot() + "/ddd"));
    }

    // 5,000 one-letter folders with a file in each: the deepest paths are about 10,000 bytes,
    // far beyond what one system call takes. Every file is listed, renamed and renamed back to
    // the exact tree, while the process may hold only a few descriptors.
    void treeFarBeyondThePathLimitIsListedRenamedAndUndone()
    {
        constexpr int kDepth = 5000;
        const QList<QByteArray> files = createFolderChain(fastRoot(), kDepth, "d", 1);
        QCOMPARE(files.size(), kDepth);
        QVERIFY(fastRoot().size() + 1 + files.last().size() > 2 * PATH_MAX);
        const FolderSnapshot before = FolderSnapshot::take(fastRoot());
        QCOMPARE(before.entries().size(), size_t(2 * kDepth));

        QString undoId;
        {
            const DescriptorLimit limit(256);
            QVERIFY(limit.isSet());
            FileListLoader::Result result;
            FileRows rows = loadAll(fastRoot(), true, &result);
            QVERIFY(result.unreadFolders.empty());
            QCOMPARE(result.foldersRecorded, kDepth + 1);
            QCOMPARE(sorted(listedPaths(rows, fastRoot())), sorted(files));

            BatchResult batch;
            QCOMPARE(renameWithNumbersAtEnd(rows, batch), BatchOutcome::Ran);
            QCOMPARE(batch.renamed, kDepth);
            QVERIFY(batch.failures.empty());

            QString error;
            const std::optional<UndoPlan> plan = planDefaultUndo(error);
            QVERIFY2(plan, qPrintable(error));
            QVERIFY(plan->leftAlone.empty());
            QCOMPARE(plan->reverse.rows.size(), size_t(kDepth));
            // Every file is at its new name before the undo.
            const RowCounts counts = classifyEntry(plan->original);
            QCOMPARE(counts.done, kDepth);
            const UndoResult undo = runUndo(*plan);
            QCOMPARE(undo.restored, kDepth);
            QVERIFY(undo.leftAlone.empty());
            QVERIFY(undo.error.isEmpty());
            const std::optional<JournalEntry> entry = JournalStore::read(plan->original.id, error);
            QVERIFY2(entry, qPrintable(error));
            QCOMPARE(entry->undoneBy, undo.undoId);
        }
        const FolderSnapshot after = FolderSnapshot::take(fastRoot());
        QVERIFY2(before == after, qPrintable(before.differenceTo(after)));
        QVERIFY(removeTree(fastRoot() + "/d"));
    }

    // Deep folders with a second sub-folder, met after the walk below the first came back: the
    // walk let go of their handles on the way down and must find each folder again.
    void deepFoldersWithSecondSubFoldersAreWalkedOn()
    {
        const QList<QByteArray> files = createFolderChain(fastRoot(), 300, "d", 1);
        QCOMPARE(files.size(), 300);
        QList<QByteArray> expected = files;
        for (const int level : {70, 129, 200, 300}) {
            // "e" sorts after "d"; files[level - 1] is "d/.../d/f" at that level.
            const QByteArray second = files[level - 1].chopped(1) + "e";
            QCOMPARE(::mkdir((fastRoot() + '/' + second).constData(), 0755), 0);
            QVERIFY(createManyFiles(fastRoot() + '/' + second, 1, "g"));
            expected << second + "/g0000000";
        }
        const DescriptorLimit limit(128);
        QVERIFY(limit.isSet());
        FileListLoader::Result result;
        const FileRows rows = loadAll(fastRoot(), true, &result);
        QVERIFY(result.unreadFolders.empty());
        QCOMPARE(result.foldersRecorded, 300 + 4 + 1);
        QCOMPARE(sorted(listedPaths(rows, fastRoot())), sorted(expected));
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
