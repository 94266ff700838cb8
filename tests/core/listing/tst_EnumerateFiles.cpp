#include "core/listing/EnumerateFiles.h"
#include "tests/support/TestTree.h"

#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Records every report as "file:<path>" or "done:<folder>", relative to the walked root.
class RecordingWalker : public CEnumerateFiles
{
public:
    explicit RecordingWalker(const QString &root) : m_base(QFile::encodeName(root)) {}

    QStringList events;
    int recorded() const { return int(m_walkedFolders.size()); }
    bool isRecorded(const QByteArray &folder) const { return m_walkedFolders.contains(folder); }
    const std::vector<UnreadFolder> &unread() const { return m_unreadFolders; }
    // Run before the report of the entry with this name.
    std::function<void(const FoundEntry &)> beforeReport;

protected:
    void OnFileFound(const FoundEntry &entry) override
    {
        if (beforeReport)
            beforeReport(entry);
        events << QStringLiteral("file:") + relative(entry.path());
        QVERIFY(entry.folder.endsWith('/'));
        QVERIFY(entry.statOk);
    }
    void OnFolderDone(const QByteArray &folder) override
    {
        events << QStringLiteral("done:") + relative(folder);
        CEnumerateFiles::OnFolderDone(folder);
    }

private:
    QString relative(const QByteArray &path) const
    {
        if (path == m_base)
            return QStringLiteral(".");
        return QString::fromUtf8(path.mid(m_base.size() + 1));
    }
    QByteArray m_base;
};

QStringList split(const char *events)
{
    return QString::fromLatin1(events).split(QLatin1Char(' '));
}

} // namespace

class TestEnumerateFiles : public QObject
{
    Q_OBJECT
private slots:
    void depthFirstInNameOrder();
    void withoutRecursionFoldersAreReported();
    void sortsCaseInsensitivelyWithStableTies();
    void emptyAndMissingFolders();
    void recordedFolderIsNotWalkedAgain();
    void sameFolderIsEnteredOnce();
    void linksAreNeverDescended_data();
    void linksAreNeverDescended();
    void folderRemovedDuringWalkStillCounts();
    void deepTreeDoesNotOverflow();
    void rootFolderHasOneSlash();
};

void TestEnumerateFiles::depthFirstInNameOrder()
{
    TestTree tree;
    QVERIFY(tree.createFile(QStringLiteral("b.txt")));
    QVERIFY(tree.createFile(QStringLiteral("a.txt")));
    QVERIFY(tree.createFile(QStringLiteral("C.txt")));
    QVERIFY(tree.createFolder(QStringLiteral("A")));
    QVERIFY(tree.createFile(QStringLiteral("one/two/three/f.txt")));
    QVERIFY(tree.createFile(QStringLiteral("one/z.txt")));
    QVERIFY(tree.createFile(QStringLiteral("one/Two.txt")));

    RecordingWalker walker(tree.root());
    walker.EnumerateFolder(tree.root(), true);
    // A sub-folder's whole content comes where the sub-folder is met; the innermost folders
    // are recorded first and the chosen folder last.
    QCOMPARE(walker.events,
             split("done:A file:a.txt file:b.txt file:C.txt file:one/two/three/f.txt "
                   "done:one/two/three done:one/two file:one/Two.txt file:one/z.txt done:one "
                   "done:."));
    QCOMPARE(walker.recorded(), 5);
    QVERIFY(walker.isRecorded(QFile::encodeName(tree.root())));
    QVERIFY(walker.isRecorded(QFile::encodeName(tree.path(QStringLiteral("one/two")))));
}

void TestEnumerateFiles::withoutRecursionFoldersAreReported()
{
    TestTree tree;
    QVERIFY(tree.createFile(QStringLiteral("x.txt")));
    QVERIFY(tree.createFile(QStringLiteral("one/inner.txt")));
    QVERIFY(tree.createFolder(QStringLiteral("Two")));

    RecordingWalker walker(tree.root());
    walker.EnumerateFolder(tree.root(), false);
    QCOMPARE(walker.events, split("file:one file:Two file:x.txt done:."));
    QCOMPARE(walker.recorded(), 1);
}

void TestEnumerateFiles::sortsCaseInsensitivelyWithStableTies()
{
    TestTree tree;
    // Non-ASCII names are compared by their case-folded text, ASCII ones byte-wise folded;
    // names equal but for case keep byte order ("A" before "a").
    const char *names[] = {"b",
                           "B",
                           "a",
                           "A",
                           "Z",
                           "_x",
                           "\xc3\xa4",
                           "\xc3\x84",
                           "ab",
                           "\xc3\xa4"
                           "b",
                           "Ab",
                           "\xff",
                           "ab\xffz",
                           "AB\xffy",
                           "AB\xffz",
                           "ab\xffy"};
    for (const char *name : names)
        QVERIFY(tree.createRawFile(QByteArray(name)));

    QList<QByteArray> order;
    class NameWalker : public CEnumerateFiles
    {
    public:
        QList<QByteArray> *out = nullptr;
        void OnFileFound(const FoundEntry &entry) override { out->append(entry.name); }
    } walker;
    walker.out = &order;
    walker.EnumerateFolder(tree.root(), false);

    const QList<QByteArray> expected{"_x", "A", "a", "Ab", "ab",
                                     // What follows a byte that is not UTF-8 still counts.
                                     "AB\xffy", "ab\xffy", "AB\xffz", "ab\xffz", "B", "b", "Z",
                                     "\xc3\x84", "\xc3\xa4",
                                     "\xc3\xa4"
                                     "b",
                                     "\xff"};
    QCOMPARE(order, expected);
    // The temporary folder's own clean-up cannot remove a name that is not UTF-8.
    for (const QByteArray &name : expected)
        if (name.contains('\xff'))
            QCOMPARE(::unlink((QFile::encodeName(tree.root()) + '/' + name).constData()), 0);
}

void TestEnumerateFiles::emptyAndMissingFolders()
{
    TestTree tree;
    QVERIFY(tree.createFolder(QStringLiteral("empty")));

    RecordingWalker walker(tree.path(QStringLiteral("empty")));
    walker.EnumerateFolder(tree.path(QStringLiteral("empty")), true);
    QCOMPARE(walker.events, split("done:."));
    QCOMPARE(walker.recorded(), 1);

    // A folder that cannot be opened yields no entries and is still recorded.
    RecordingWalker missing(tree.path(QStringLiteral("gone")));
    missing.EnumerateFolder(tree.path(QStringLiteral("gone")), true);
    QCOMPARE(missing.events, split("done:."));
    QCOMPARE(missing.recorded(), 1);
}

void TestEnumerateFiles::recordedFolderIsNotWalkedAgain()
{
    TestTree tree;
    QVERIFY(tree.createFile(QStringLiteral("sub/f.txt")));
    QVERIFY(tree.createFile(QStringLiteral("g.txt")));

    RecordingWalker walker(tree.root());
    walker.EnumerateFolder(tree.path(QStringLiteral("sub")), true);
    walker.events.clear();
    // The sub-folder was recorded by the first walk: it is skipped, the rest is walked.
    walker.EnumerateFolder(tree.root(), true);
    QCOMPARE(walker.events, split("file:g.txt done:."));
    walker.EnumerateFolder(tree.root(), true);
    QCOMPARE(walker.events, split("file:g.txt done:."));
    QCOMPARE(walker.recorded(), 2);
}

// A folder met again by another path, with the same device and inode, is not entered again:
// not by a link given as the folder to walk, not through a bind mount of an ancestor.
void TestEnumerateFiles::sameFolderIsEnteredOnce()
{
    TestTree tree;
    QVERIFY(tree.createFile(QStringLiteral("a.txt")));
    QVERIFY(tree.createFile(QStringLiteral("sub/b.txt")));
    QVERIFY(tree.createFolder(QStringLiteral("sub/mount")));
    QVERIFY(tree.createLink(tree.path(QStringLiteral("sub")), QStringLiteral("alias")));

    RecordingWalker walker(tree.root());
    walker.EnumerateFolder(tree.root(), true);
    QCOMPARE(walker.events, split("file:a.txt file:sub/b.txt done:sub/mount done:sub done:."));
    walker.EnumerateFolder(tree.path(QStringLiteral("alias")), true);
    QCOMPARE(walker.events, split("file:a.txt file:sub/b.txt done:sub/mount done:sub done:."));

    const QByteArray mountPoint = QFile::encodeName(tree.path(QStringLiteral("sub/mount")));
    if (::mount(QFile::encodeName(tree.root()).constData(), mountPoint.constData(), nullptr,
                MS_BIND, nullptr) != 0)
        QSKIP(qPrintable(QStringLiteral("cannot bind-mount here (%1): the loop is not walked")
                             .arg(QString::fromLocal8Bit(std::strerror(errno)))));
    const auto unmount = qScopeGuard([&] { ::umount2(mountPoint.constData(), MNT_DETACH); });
    // sub/mount is the top folder again: its files are not listed a second time.
    RecordingWalker looped(tree.root());
    looped.EnumerateFolder(tree.root(), true);
    QCOMPARE(looped.events, split("file:a.txt file:sub/b.txt done:sub done:."));
    QCOMPARE(looped.recorded(), 2);
}

// A large folder is looked up on two threads: the same entries, each with its own sizes.
void TestEnumerateFiles::linksAreNeverDescended_data()
{
    QTest::addColumn<int>("others");
    QTest::newRow("small folder") << 0;
    QTest::newRow("large folder") << 700;
}

void TestEnumerateFiles::linksAreNeverDescended()
{
    QFETCH(int, others);
    TestTree tree;
    TestTree other;
    QVERIFY(other.createFile(QStringLiteral("outside.txt")));
    QVERIFY(tree.createFile(QStringLiteral("sub/f.txt")));
    QVERIFY(tree.createLink(tree.root(), QStringLiteral("sub/loop")));
    QVERIFY(tree.createLink(QStringLiteral(".."), QStringLiteral("sub/up")));
    QVERIFY(tree.createLink(other.root(), QStringLiteral("elsewhere")));
    QVERIFY(tree.createLink(QStringLiteral("f.txt"), QStringLiteral("sub/file-link")));
    QVERIFY(tree.createLink(QStringLiteral("nowhere"), QStringLiteral("sub/dangling")));
    QStringList expected = split("file:sub/dangling file:sub/f.txt file:sub/file-link");
    for (int i = 0; i < others; ++i) {
        const QString name = QStringLiteral("sub/p%1").arg(i, 4, 10, QLatin1Char('0'));
        QVERIFY(tree.createFile(name, QByteArray(i % 13, 'x')));
        expected << QStringLiteral("file:") + name;
    }
    expected << split("done:sub done:.");

    RecordingWalker walker(tree.root());
    FileSystem::FileType linkType = FileSystem::FileType::Other;
    int wrongSizes = 0;
    walker.beforeReport = [&](const FoundEntry &entry) {
        if (entry.name == "file-link")
            linkType = entry.type;
        if (entry.name.startsWith('p') && entry.size != entry.name.mid(1).toInt() % 13)
            ++wrongSizes;
    };
    walker.EnumerateFolder(tree.root(), true);
    // Links to folders are folders that are never entered: not reported either. Links to a
    // file and dangling links are reported as the links they are.
    QCOMPARE(walker.events, expected);
    QVERIFY(linkType == FileSystem::FileType::Link);
    QCOMPARE(wrongSizes, 0);
    QCOMPARE(walker.recorded(), 2);
}

void TestEnumerateFiles::folderRemovedDuringWalkStillCounts()
{
    TestTree tree;
    QVERIFY(tree.createFile(QStringLiteral("a.txt")));
    QVERIFY(tree.createFile(QStringLiteral("b/inner.txt")));
    QVERIFY(tree.createFile(QStringLiteral("c.txt")));

    RecordingWalker walker(tree.root());
    // The folder's entries are read before they are reported, so "b" is met as a folder and
    // its opening fails: it yields nothing and still counts.
    walker.beforeReport = [&tree](const FoundEntry &entry) {
        if (entry.name == "a.txt")
            QVERIFY(tree.remove(QStringLiteral("b")));
    };
    walker.EnumerateFolder(tree.root(), true);
    QCOMPARE(walker.events, split("file:a.txt done:b file:c.txt done:."));
    QCOMPARE(walker.recorded(), 2);
    // It is named, with the reason, among the folders that could not be read.
    QCOMPARE(walker.unread().size(), size_t(1));
    QCOMPARE(walker.unread().front().folder, QFile::encodeName(tree.path(QStringLiteral("b"))));
    QCOMPARE(walker.unread().front().error, ENOENT);
}

void TestEnumerateFiles::deepTreeDoesNotOverflow()
{
    TestTree tree;
    constexpr int depth = 2000;
    // Built and removed level by level through handles: whole paths would make the set-up
    // quadratic in the depth.
    int fd = ::open(QFile::encodeName(tree.root()).constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(fd >= 0);
    for (int i = 0; i < depth && fd >= 0; ++i) {
        QCOMPARE(::mkdirat(fd, "d", 0755), 0);
        const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
    }
    QVERIFY(fd >= 0);
    const int file = ::openat(fd, "last.txt", O_WRONLY | O_CREAT, 0644);
    QVERIFY(file >= 0);
    ::close(file);
    ::close(fd);

    RecordingWalker walker(tree.root());
    walker.EnumerateFolder(tree.root(), true);
    QCOMPARE(walker.recorded(), depth + 1);
    const QByteArray relative = QByteArray("d/").repeated(depth) + "last.txt";
    QCOMPARE(walker.events.first(), QStringLiteral("file:") + QString::fromLatin1(relative));
    QCOMPARE(walker.events.last(), QStringLiteral("done:."));

    QCOMPARE(::unlink((QFile::encodeName(tree.root()) + '/' + relative).constData()), 0);
    const int root = ::open(QFile::encodeName(tree.root()).constData(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < depth - 1; ++i) {
        QCOMPARE(::renameat(root, "d/d", root, "t"), 0);
        QCOMPARE(::unlinkat(root, "d", AT_REMOVEDIR), 0);
        QCOMPARE(::renameat(root, "t", root, "d"), 0);
    }
    ::close(root);
}

void TestEnumerateFiles::rootFolderHasOneSlash()
{
    int entries = 0;
    bool allUnderRoot = true;
    class RootWalker : public CEnumerateFiles
    {
    public:
        int *count = nullptr;
        bool *ok = nullptr;
        void OnFileFound(const FoundEntry &entry) override
        {
            ++*count;
            *ok = *ok && entry.folder == "/" && entry.path() == "/" + entry.name;
        }
    } walker;
    walker.count = &entries;
    walker.ok = &allUnderRoot;
    walker.EnumerateFolder(QByteArray("/"), false);
    QVERIFY(entries > 0);
    QVERIFY(allUnderRoot);
}

QTEST_GUILESS_MAIN(TestEnumerateFiles)
#include "tst_EnumerateFiles.moc"
