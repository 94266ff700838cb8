#include "core/engine/settings/AppSettings.h"
#include "core/listing/FileListLoader.h"
#include "core/listing/ListingTexts.h"
#include "tests/support/TestTree.h"

#include <QFile>
#include <QTest>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Set after the file is written and closed, so that no later write moves it.
bool setModificationTime(const QString &path, const QDateTime &when)
{
    const struct timespec times[2] = {{0, UTIME_OMIT}, {time_t(when.toSecsSinceEpoch()), 0}};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

// Paths of the rows relative to root.
QStringList relativePaths(const FileRows &rows, const QString &root)
{
    QStringList paths;
    for (int i = 0; i < rows.count(); ++i)
        paths << rows.fullPath(i).mid(root.size() + 1);
    return paths;
}

// A loader that runs an action just before each entry reaches the filter.
class HookedLoader : public FileListLoader
{
public:
    std::function<void(const FoundEntry &)> before;

protected:
    void OnFileFound(const FoundEntry &entry) override
    {
        if (before)
            before(entry);
        FileListLoader::OnFileFound(entry);
    }
};

} // namespace

class TestFileListLoader : public QObject
{
    Q_OBJECT
private slots:
    void rowsOfOneFolder();
    void recursionAndFolderCount();
    void onlySubFoldersWithoutRecursion();
    void emptyFolder();
    void filters_data();
    void filters();
    void filterSettingsAreCached();
    void fileInHiddenFolderIsListed();
    void foldersThatCannotBeListed();
    void unreadableSubFolderStillCounts();
    void nonUtf8NamesKeepTheirBytes();
    void linksAreRowsNotFolders();
    void progressIsReported();
    void stoppedWalkKeepsRowsFoundSoFar();
};

void TestFileListLoader::rowsOfOneFolder()
{
    TestTree tree;
    const QDateTime when(QDate(2020, 5, 6), QTime(7, 8, 9), Qt::UTC);
    QVERIFY(tree.createFile(QStringLiteral("b.txt"), QByteArray(2048, 'x')));
    QVERIFY(tree.createFile(QStringLiteral("A.txt"), "12345"));
    QVERIFY(tree.createFile(QStringLiteral("c")));
    for (const char *name : {"b.txt", "A.txt", "c"})
        QVERIFY(setModificationTime(tree.path(QString::fromLatin1(name)), when));

    FileRows rows;
    rows.rows.emplace_back(); // a previous load's row goes away
    FileListLoader loader;
    // A trailing '/' on the folder does not double the separator of the locations.
    const FileListLoader::Result result = loader.load(tree.root() + QLatin1Char('/'), false, rows);
    QCOMPARE(result.status, FileListLoader::Status::Listed);
    QCOMPARE(result.foldersRecorded, 1);
    QCOMPARE(relativePaths(rows, tree.root()),
             (QStringList{QStringLiteral("A.txt"), QStringLiteral("b.txt"), QStringLiteral("c")}));
    QCOMPARE(rows.folders.size(), size_t(1));
    QCOMPARE(rows.folders[0].location, tree.root() + QLatin1Char('/'));
    QCOMPARE(rows.folders[0].rawPath, QFile::encodeName(tree.root()) + '/');
    for (int i = 0; i < rows.count(); ++i) {
        const FileRow &row = rows.rows[size_t(i)];
        QCOMPARE(row.serial, i + 1);
        QVERIFY(row.checked);
        QCOMPARE(row.newName, row.loadedName);
        QCOMPARE(row.mtime, when.toSecsSinceEpoch());
    }
    QCOMPARE(rows.rows[0].size, 5);
    QCOMPARE(rows.rows[1].size, 2048);
    QCOMPARE(rows.rows[2].size, 0);
}

void TestFileListLoader::recursionAndFolderCount()
{
    TestTree tree;
    QVERIFY(tree.createFile(QStringLiteral("top.txt")));
    QVERIFY(tree.createFile(QStringLiteral("one/1.txt")));
    QVERIFY(tree.createFile(QStringLiteral("one/two/2.txt")));
    QVERIFY(tree.createFile(QStringLiteral("one/two/three/3.txt")));
    QVERIFY(tree.createFile(QStringLiteral("one/z.txt")));

    FileRows rows;
    FileListLoader loader;
    FileListLoader::Result result = loader.load(tree.root(), true, rows);
    QCOMPARE(result.foldersRecorded, 4);
    QCOMPARE(ListingTexts::folderInformation(result.foldersRecorded),
             QStringLiteral("3 Folder(s) Searched"));
    QCOMPARE(relativePaths(rows, tree.root()),
             (QStringList{QStringLiteral("one/1.txt"), QStringLiteral("one/two/2.txt"),
                          QStringLiteral("one/two/three/3.txt"), QStringLiteral("one/z.txt"),
                          QStringLiteral("top.txt")}));
    QCOMPARE(rows.location(3), tree.path(QStringLiteral("one/")));
    QCOMPARE(rows.rows[4].serial, 5);

    // A second load starts from an empty record.
    result = loader.load(tree.root(), false, rows);
    QCOMPARE(result.foldersRecorded, 1);
    QCOMPARE(relativePaths(rows, tree.root()), QStringList{QStringLiteral("top.txt")});
    QCOMPARE(rows.folders.size(), size_t(1));
}

// A stop asked for while "one/two" is about to be read ends the walk there: the rows already
// found stay in order, nothing after them is read, and the result says the list is partial.
void TestFileListLoader::stoppedWalkKeepsRowsFoundSoFar()
{
    TestTree tree;
    QVERIFY(tree.createFile(QStringLiteral("top.txt")));
    QVERIFY(tree.createFile(QStringLiteral("one/1.txt")));
    QVERIFY(tree.createFile(QStringLiteral("one/two/2.txt")));
    QVERIFY(tree.createFile(QStringLiteral("one/z.txt")));

    std::atomic<bool> stop{false};
    FileRows rows;
    FileListLoader loader;
    loader.setStopFlag(&stop);
    loader.setFolderStart([&stop](const QByteArray &folder) {
        if (folder.endsWith("/two"))
            stop.store(true);
    });
    FileListLoader::Result result = loader.load(tree.root(), true, rows);
    QVERIFY(result.cancelled);
    QCOMPARE(result.status, FileListLoader::Status::Listed);
    QCOMPARE(relativePaths(rows, tree.root()), QStringList{QStringLiteral("one/1.txt")});

    // The next load starts afresh.
    stop.store(false);
    loader.setFolderStart({});
    result = loader.load(tree.root(), true, rows);
    QVERIFY(!result.cancelled);
    QCOMPARE(rows.count(), 4);
}

void TestFileListLoader::onlySubFoldersWithoutRecursion()
{
    TestTree tree;
    QVERIFY(tree.createFile(QStringLiteral("one/f.txt")));
    QVERIFY(tree.createFolder(QStringLiteral("two")));
    FileRows rows;
    FileListLoader loader;
    const FileListLoader::Result result = loader.load(tree.root(), false, rows);
    QCOMPARE(result.status, FileListLoader::Status::Listed);
    QCOMPARE(rows.count(), 0);
    QCOMPARE(result.foldersRecorded, 1);
}

void TestFileListLoader::emptyFolder()
{
    TestTree tree;
    FileRows rows;
    FileListLoader loader;
    const FileListLoader::Result result = loader.load(tree.root(), true, rows);
    QCOMPARE(result.status, FileListLoader::Status::Listed);
    QCOMPARE(rows.count(), 0);
    QCOMPARE(result.foldersRecorded, 1);
    QVERIFY(!result.hiddenSeen);
    QVERIFY(!result.readOnlySeen);
}

void TestFileListLoader::filters_data()
{
    QTest::addColumn<bool>("displayHidden");
    QTest::addColumn<bool>("displayReadOnly");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("neither") << false << false << QStringList{QStringLiteral("plain")};
    QTest::newRow("hidden") << true << false
                            << QStringList{QStringLiteral(".hidden"), QStringLiteral("plain")};
    QTest::newRow("read-only") << false << true
                               << QStringList{QStringLiteral("plain"), QStringLiteral("ro")};
    QTest::newRow("both") << true << true
                          << QStringList{QStringLiteral(".both"), QStringLiteral(".hidden"),
                                         QStringLiteral("plain"), QStringLiteral("ro")};
}

void TestFileListLoader::filters()
{
    QFETCH(bool, displayHidden);
    QFETCH(bool, displayReadOnly);
    QFETCH(QStringList, listed);

    TestTree tree;
    for (const char *name : {".hidden", "ro", ".both", "plain"})
        QVERIFY(tree.createFile(QString::fromLatin1(name)));
    QVERIFY(tree.setReadOnly(QStringLiteral("ro")));
    QVERIFY(tree.setReadOnly(QStringLiteral(".both")));

    FileRows rows;
    FileListLoader loader;
    loader.setFilters(displayHidden, displayReadOnly);
    const FileListLoader::Result result = loader.load(tree.root(), false, rows);
    QCOMPARE(relativePaths(rows, tree.root()), listed);
    // The flags say such files were met, listed or not.
    QVERIFY(result.hiddenSeen);
    QVERIFY(result.readOnlySeen);
}

void TestFileListLoader::filterSettingsAreCached()
{
    TestTree tree;
    tree.useTemporarySettings();
    QVERIFY(tree.createFile(QStringLiteral(".h")));
    QVERIFY(tree.createFile(QStringLiteral("v")));

    CAppSettings settings;
    settings.SetDisplayHiddenFiles(1);
    FileListLoader loader;
    loader.LoadListingSettings(settings);
    settings.SetDisplayHiddenFiles(0); // not seen until the settings are loaded again

    FileRows rows;
    loader.load(tree.root(), false, rows);
    QCOMPARE(relativePaths(rows, tree.root()),
             (QStringList{QStringLiteral(".h"), QStringLiteral("v")}));
    loader.LoadListingSettings(settings);
    const FileListLoader::Result result = loader.load(tree.root(), false, rows);
    QCOMPARE(relativePaths(rows, tree.root()), QStringList{QStringLiteral("v")});
    QVERIFY(result.hiddenSeen);
    QVERIFY(!result.readOnlySeen);
    CAppSettings::useStoreFile({});
}

void TestFileListLoader::fileInHiddenFolderIsListed()
{
    TestTree tree;
    QVERIFY(tree.createFile(QStringLiteral(".hid/visible.txt")));
    QVERIFY(tree.createFile(QStringLiteral(".hid/.inner")));
    FileRows rows;
    FileListLoader loader;
    const FileListLoader::Result result = loader.load(tree.root(), true, rows);
    QCOMPARE(relativePaths(rows, tree.root()), QStringList{QStringLiteral(".hid/visible.txt")});
    QCOMPARE(result.foldersRecorded, 2);
    QVERIFY(result.hiddenSeen);
}

void TestFileListLoader::foldersThatCannotBeListed()
{
    TestTree tree;
    QVERIFY(tree.createFile(QStringLiteral("file.txt")));
    FileRows rows;
    rows.rows.emplace_back();
    rows.rows.back().loadedName = QStringLiteral("kept");
    FileListLoader loader;

    QCOMPARE(loader.load(tree.path(QStringLiteral("missing")), false, rows).status,
             FileListLoader::Status::CannotList);
    QCOMPARE(loader.load(tree.path(QStringLiteral("file.txt")), false, rows).status,
             FileListLoader::Status::CannotList);
    QCOMPARE(loader.load(QString(), false, rows).status, FileListLoader::Status::NoFolder);
    QCOMPARE(rows.count(), 1);
    QCOMPARE(rows.rows[0].loadedName, QStringLiteral("kept"));

    QVERIFY(FileListLoader::canList(tree.root()));
    QVERIFY(!FileListLoader::canList(tree.path(QStringLiteral("file.txt"))));
    QVERIFY(!FileListLoader::canList(QString()));
    if (::geteuid() != 0) {
        QVERIFY(tree.createFolder(QStringLiteral("closed")));
        QVERIFY(QFile::setPermissions(tree.path(QStringLiteral("closed")), QFileDevice::ReadOwner));
        QVERIFY(!FileListLoader::canList(tree.path(QStringLiteral("closed"))));
        QFile::setPermissions(tree.path(QStringLiteral("closed")), QFileDevice::ReadOwner |
                                                                       QFileDevice::WriteOwner |
                                                                       QFileDevice::ExeOwner);
    }
}

void TestFileListLoader::unreadableSubFolderStillCounts()
{
    TestTree tree;
    QVERIFY(tree.createFile(QStringLiteral("a.txt")));
    QVERIFY(tree.createFile(QStringLiteral("b/inner.txt")));
    QVERIFY(tree.createFile(QStringLiteral("c/inner.txt")));

    // Permissions do not stop root, so the sub-folder is made unreadable by removing it after
    // the walk has met it and before it is entered.
    HookedLoader loader;
    loader.before = [&tree](const FoundEntry &entry) {
        if (entry.name == "a.txt")
            QVERIFY(tree.remove(QStringLiteral("b")));
    };
    FileRows rows;
    const FileListLoader::Result result = loader.load(tree.root(), true, rows);
    QCOMPARE(relativePaths(rows, tree.root()),
             (QStringList{QStringLiteral("a.txt"), QStringLiteral("c/inner.txt")}));
    QCOMPARE(result.foldersRecorded, 3);

    if (::geteuid() == 0)
        QSKIP("Running as root: a folder without read permission can still be read");
    QVERIFY(tree.createFile(QStringLiteral("d/inner.txt")));
    QVERIFY(QFile::setPermissions(tree.path(QStringLiteral("d")), QFileDevice::WriteOwner));
    FileListLoader plain;
    const FileListLoader::Result closed = plain.load(tree.root(), true, rows);
    QFile::setPermissions(tree.path(QStringLiteral("d")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(closed.foldersRecorded, 3);
    QCOMPARE(rows.count(), 2);
}

void TestFileListLoader::nonUtf8NamesKeepTheirBytes()
{
    TestTree tree;
    const QByteArray bad("bad\xff\xfe.txt");
    const QByteArray literalReplacement("x\xef\xbf\xbd.txt"); // U+FFFD written in UTF-8
    QVERIFY(tree.createRawFile(bad));
    QVERIFY(tree.createRawFile(literalReplacement));
    QVERIFY(tree.createFile(QStringLiteral("\u00e9t\u00e9.txt")));

    FileRows rows;
    FileListLoader loader;
    loader.load(tree.root(), false, rows);
    QCOMPARE(rows.count(), 3);
    // Each byte that is not UTF-8 is kept as U+DC80 + byte.
    QCOMPARE(rows.rows[0].loadedName, QStringLiteral("bad\xdcff\xdcfe.txt"));
    QCOMPARE(rows.rows[0].nameBytes(), bad);
    QCOMPARE(rows.fullPathBytes(0), QFile::encodeName(tree.root()) + '/' + bad);
    QCOMPARE(rows.rows[0].newName, rows.rows[0].loadedName);
    QCOMPARE(rows.rows[1].loadedName, QStringLiteral("x\ufffd.txt"));
    QCOMPARE(rows.rows[1].nameBytes(), literalReplacement);
    QCOMPARE(rows.rows[2].loadedName, QStringLiteral("\u00e9t\u00e9.txt"));
    // The temporary folder's own clean-up cannot remove a name that is not UTF-8.
    QCOMPARE(::unlink(rows.fullPathBytes(0).constData()), 0);
}

void TestFileListLoader::linksAreRowsNotFolders()
{
    TestTree tree;
    TestTree other;
    QVERIFY(other.createFile(QStringLiteral("outside.txt")));
    QVERIFY(tree.createLink(other.root(), QStringLiteral("elsewhere")));
    QVERIFY(tree.createFolder(QStringLiteral("sub")));
    QVERIFY(tree.createLink(QStringLiteral(".."), QStringLiteral("sub/up")));
    QVERIFY(tree.createFile(QStringLiteral("a.txt")));
    QVERIFY(tree.createLink(QStringLiteral("a.txt"), QStringLiteral("b-link")));
    QVERIFY(tree.createLink(QStringLiteral("gone"), QStringLiteral("c-dangling")));
    QVERIFY(tree.createFile(QStringLiteral("d.txt")));

    for (const bool recurse : {false, true}) {
        FileRows rows;
        FileListLoader loader;
        const FileListLoader::Result result = loader.load(tree.root(), recurse, rows);
        // A link to a folder is neither a row nor descended; links to a file and dangling
        // links are rows, in name order with the others.
        QCOMPARE(relativePaths(rows, tree.root()),
                 (QStringList{QStringLiteral("a.txt"), QStringLiteral("b-link"),
                              QStringLiteral("c-dangling"), QStringLiteral("d.txt")}));
        QCOMPARE(result.foldersRecorded, recurse ? 2 : 1);
    }
}

void TestFileListLoader::progressIsReported()
{
    TestTree tree;
    constexpr int files = 5000;
    for (int i = 0; i < files; ++i)
        QVERIFY(tree.createRawFile(QByteArray::number(i)));
    QList<int> reports;
    FileListLoader loader;
    loader.setProgress([&reports](int listed) { reports << listed; });
    FileRows rows;
    loader.load(tree.root(), false, rows);
    QCOMPARE(rows.count(), files);
    QVERIFY(reports.size() >= 2);
    QVERIFY(reports.size() < 10);
    QCOMPARE(reports.last(), files);
    QVERIFY(std::is_sorted(reports.begin(), reports.end()));
}

QTEST_GUILESS_MAIN(TestFileListLoader)
#include "tst_FileListLoader.moc"
