#include "core/engine/names/FileRows.h"
#include "core/engine/names/NewNameRule.h"
#include "core/listing/FileListLoader.h"
#include "core/listing/presence/FolderPresence.h"
#include "tests/support/TestTree.h"

#include <QFile>
#include <QTest>

#include <cstdio>
#include <memory>

// A listing of folder/name rows built by hand after the folders are watched, as the walker
// does: watch, then read.
class Listing
{
public:
    explicit Listing(const TestTree &tree) : m_root(QFile::encodeName(tree.root())) {}

    void start() { presence.start(m_root); }
    // Watches folder (relative, "" for the top) and lists the given names in it.
    void addFolder(const QByteArray &folder, const QList<QByteArray> &names)
    {
        const QByteArray path = folder.isEmpty() ? m_root + '/' : m_root + '/' + folder + '/';
        presence.watch(path);
        rows.folders.push_back({QString::fromUtf8(path), path});
        for (const QByteArray &name : names) {
            FileRow row;
            row.loadedName = QString::fromUtf8(name);
            row.newName = row.loadedName;
            row.folder = quint32(rows.folders.size() - 1);
            rows.rows.push_back(row);
        }
    }
    QByteArray path(const QByteArray &relative) const { return m_root + '/' + relative; }
    bool dirty(const QByteArray &folder)
    {
        presence.refresh();
        return presence.isDirty(folder.isEmpty() ? m_root : path(folder));
    }

    FolderPresence presence;
    FileRows rows;

private:
    QByteArray m_root;
};

class TestFolderPresence : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestTree> m_tree;

    void makeFiles(const QStringList &relatives)
    {
        for (const QString &r : relatives)
            QVERIFY(m_tree->createFile(r));
    }
    // The tracker's answer must always equal a look-up of every row.
    static void verifyMatchesLookUp(Listing &listing, const std::vector<std::uint8_t> &expected)
    {
        const std::vector<std::uint8_t> got = listing.presence.presence(listing.rows);
        QCOMPARE(got, lookUpPresence(listing.rows));
        QCOMPARE(got, expected);
    }

private slots:
    void init()
    {
        m_tree = std::make_unique<TestTree>();
        QVERIFY(m_tree->isValid());
        makeFiles({QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("sub/c.txt"),
                   QStringLiteral("sub/d.txt")});
    }

    void untouchedFoldersAreCleanAndPresent()
    {
        Listing l(*m_tree);
        l.start();
        l.addFolder("", {"a.txt", "b.txt"});
        l.addFolder("sub", {"c.txt", "d.txt"});
        verifyMatchesLookUp(l, {1, 1, 1, 1});
        QVERIFY(!l.dirty(""));
        QVERIFY(!l.dirty("sub"));
        // A change of contents or attributes does not touch presence.
        QVERIFY(m_tree->createFile(QStringLiteral("a.txt"), "new contents"));
        QVERIFY(m_tree->setReadOnly(QStringLiteral("sub/c.txt")));
        QVERIFY(!l.dirty(""));
        QVERIFY(!l.dirty("sub"));
    }

    void changesAfterTheWatchDirtyOnlyTheirFolder()
    {
        Listing l(*m_tree);
        l.start();
        l.addFolder("", {"a.txt", "b.txt"});
        l.addFolder("sub", {"c.txt", "d.txt"});

        QVERIFY(m_tree->remove(QStringLiteral("sub/c.txt")));
        QVERIFY(l.dirty("sub"));
        QVERIFY(!l.dirty(""));
        verifyMatchesLookUp(l, {1, 1, 0, 1});

        // Deleted and created again: present, and the folder stays dirty.
        QVERIFY(m_tree->createFile(QStringLiteral("sub/c.txt")));
        verifyMatchesLookUp(l, {1, 1, 1, 1});
        QVERIFY(l.dirty("sub"));

        // A rename takes the old name away.
        QVERIFY(::rename(l.path("b.txt").constData(), l.path("e.txt").constData()) == 0);
        QVERIFY(l.dirty(""));
        verifyMatchesLookUp(l, {1, 0, 1, 1});

        // A file created in an untouched folder dirties it too.
        Listing l2(*m_tree);
        l2.start();
        l2.addFolder("sub", {"c.txt", "d.txt"});
        QVERIFY(!l2.dirty("sub"));
        QVERIFY(m_tree->createFile(QStringLiteral("sub/new.txt")));
        QVERIFY(l2.dirty("sub"));
    }

    void renamedOrDeletedSubFolderIsLookedUp()
    {
        Listing l(*m_tree);
        l.start();
        l.addFolder("", {"a.txt"});
        l.addFolder("sub", {"c.txt", "d.txt"});
        QVERIFY(::rename(l.path("sub").constData(), l.path("moved").constData()) == 0);
        QVERIFY(l.dirty("sub"));
        verifyMatchesLookUp(l, {1, 0, 0});
        // A new folder under the old name, holding one of the names.
        QVERIFY(m_tree->createFile(QStringLiteral("sub/d.txt")));
        verifyMatchesLookUp(l, {1, 0, 1});
    }

    void renamedAncestorOfTheTopMakesEverythingLookedUp()
    {
        // The top folder's own watch sees nothing when an ancestor is renamed.
        makeFiles({QStringLiteral("p/top/x.txt"), QStringLiteral("p/top/y.txt")});
        FolderPresence presence;
        FileRows rows;
        const QByteArray top = QFile::encodeName(m_tree->path(QStringLiteral("p/top")));
        presence.start(top);
        presence.watch(top);
        rows.folders.push_back({QString::fromUtf8(top + '/'), top + '/'});
        for (const char *name : {"x.txt", "y.txt"}) {
            FileRow row;
            row.loadedName = QString::fromUtf8(name);
            rows.rows.push_back(row);
        }
        QCOMPARE(presence.presence(rows), (std::vector<std::uint8_t>{1, 1}));

        const QByteArray p = QFile::encodeName(m_tree->path(QStringLiteral("p")));
        QVERIFY(::rename(p.constData(), (p + "-old").constData()) == 0);
        QVERIFY(m_tree->createFile(QStringLiteral("p/top/y.txt")));
        const std::vector<std::uint8_t> got = presence.presence(rows);
        QCOMPARE(got, (std::vector<std::uint8_t>{0, 1}));
        QCOMPARE(got, lookUpPresence(rows));
        QVERIFY(presence.isDirty(top));
    }

    void lostEventsMakeEverythingLookedUp()
    {
        QFile limit(QStringLiteral("/proc/sys/fs/inotify/max_queued_events"));
        QVERIFY(limit.open(QIODevice::ReadOnly));
        const int maxQueued = limit.readAll().trimmed().toInt();
        QVERIFY(maxQueued > 0);
        if (maxQueued > 1 << 20)
            QSKIP("the event queue is too long to fill in a test");

        Listing l(*m_tree);
        l.start();
        l.addFolder("", {"a.txt", "b.txt"});
        l.addFolder("sub", {"c.txt", "d.txt"});
        // Fill the queue from the top folder alone (create and delete do not merge), then
        // delete in sub: that event is lost, and only the overflow can tell.
        const QByteArray churn = l.path("churn");
        for (int i = 0; i <= maxQueued / 2; ++i) {
            FILE *f = std::fopen(churn.constData(), "w");
            QVERIFY(f);
            std::fclose(f);
            QVERIFY(::unlink(churn.constData()) == 0);
        }
        QVERIFY(m_tree->remove(QStringLiteral("sub/d.txt")));
        verifyMatchesLookUp(l, {1, 1, 1, 0});
        QVERIFY(l.dirty("sub"));
    }

    void unwatchedOrMarkedFoldersAreLookedUp()
    {
        Listing l(*m_tree);
        l.start();
        // Watching a folder that is not there fails: its rows are looked up.
        l.addFolder("gone", {"a.txt"});
        QVERIFY(l.dirty("gone"));
        l.addFolder("sub", {"c.txt", "d.txt"});
        QVERIFY(!l.dirty("sub"));
        l.presence.markDirty(l.path("sub"));
        QVERIFY(l.dirty("sub"));
        // A folder in the rows that was never watched.
        l.rows.folders.push_back({QString::fromUtf8(l.path("")), l.path("")});
        FileRow row;
        row.loadedName = QStringLiteral("b.txt");
        row.folder = quint32(l.rows.folders.size() - 1);
        l.rows.rows.push_back(row);
        verifyMatchesLookUp(l, {0, 1, 1, 1});
        QVERIFY(m_tree->remove(QStringLiteral("b.txt")));
        verifyMatchesLookUp(l, {0, 1, 1, 0});
    }

    void theLoaderWatchesEachFolderBeforeReadingIt()
    {
        makeFiles({QStringLiteral("sub/deep/e.txt")});
        const QByteArray top = QFile::encodeName(m_tree->root());
        FolderPresence presence;
        FileListLoader loader;
        loader.setFilters(true, true);
        QList<QByteArray> started;
        loader.setFolderStart([&](const QByteArray &folder) {
            presence.watch(folder);
            started << folder;
            // The top folder is read by now, a.txt is a row, and the top is watched.
            if (folder.endsWith("/sub"))
                QFile::remove(m_tree->path(QStringLiteral("a.txt")));
        });
        presence.start(top);
        FileRows rows;
        QCOMPARE(loader.load(m_tree->root(), true, rows).status, FileListLoader::Status::Listed);
        QCOMPARE(started, (QList<QByteArray>{top, top + "/sub", top + "/sub/deep"}));
        QCOMPARE(rows.count(), 5);
        const std::vector<std::uint8_t> got = presence.presence(rows);
        QCOMPARE(got, lookUpPresence(rows));
        QCOMPARE(got, (std::vector<std::uint8_t>{0, 1, 1, 1, 1}));
        QVERIFY(presence.isDirty(top));
        QVERIFY(!presence.isDirty(top + "/sub/deep"));
    }

    void startForgetsThePreviousListing()
    {
        Listing l(*m_tree);
        l.start();
        l.addFolder("sub", {"c.txt", "d.txt"});
        QVERIFY(m_tree->remove(QStringLiteral("sub/c.txt")));
        QVERIFY(l.dirty("sub"));
        // The next listing no longer has c.txt and starts clean.
        l.rows.clear();
        l.start();
        l.addFolder("sub", {"d.txt"});
        QVERIFY(!l.dirty("sub"));
        verifyMatchesLookUp(l, {1});
    }
};

QTEST_GUILESS_MAIN(TestFolderPresence)
#include "tst_FolderPresence.moc"
