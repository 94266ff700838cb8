#include "core/system/FileDescriptor.h"
#include "core/system/FileRename.h"
#include "core/system/FileSystem.h"
#include "core/system/FolderReader.h"
#include "tests/support/FatMount.h"
#include "tests/support/TestTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <climits>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using FileSystem::FileStatus;
using FileSystem::FileType;

namespace {

bool isOpenDescriptor(int fd)
{
    return fd >= 0 && ::fcntl(fd, F_GETFD) != -1;
}

// A folder of entries of every kind: source.txt (the file being renamed), target.txt, a
// folder, link (to target.txt) and dangling (a link to nothing).
struct Entries : TestTree
{
    Entries()
    {
        ok = isValid() && createFile(QStringLiteral("source.txt"), "source") &&
             createFile(QStringLiteral("target.txt"), "target") &&
             createFolder(QStringLiteral("folder")) &&
             createLink(QStringLiteral("target.txt"), QStringLiteral("link")) &&
             createLink(QStringLiteral("nothing"), QStringLiteral("dangling"));
        handle = FileSystem::openFolderHandle(QFile::encodeName(root()).constData());
    }
    bool ok = false;
    FileDescriptor handle;
};

// A chain of kLevels folders named "ddd" below root, made relative to handles; at level
// kLinkLevel a link "lnk" to "ddd" beside it, and in the deepest folder a file "f".
struct DeepChain
{
    static constexpr int kLevels = 1400;
    static constexpr int kLinkLevel = 1000;

    explicit DeepChain(const QByteArray &root)
    {
        int fd = ::open(root.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        QByteArray path = root;
        for (int level = 1; fd >= 0 && level <= kLevels; ++level) {
            if (level == kLinkLevel + 1 && ::symlinkat("ddd", fd, "lnk") != 0)
                break;
            if (::mkdirat(fd, "ddd", 0755) != 0)
                break;
            const int next = ::openat(fd, "ddd", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            ::close(fd);
            fd = next;
            path += "/ddd";
            folders << path;
            struct stat st;
            if (fd < 0 || ::fstat(fd, &st) != 0)
                break;
            identities << std::pair<quint64, quint64>(st.st_dev, st.st_ino);
        }
        if (fd >= 0) {
            const int file = ::openat(fd, "f", O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            struct stat st;
            ok = file >= 0 && ::fstat(file, &st) == 0 && folders.size() == kLevels;
            fileInode = st.st_ino;
            if (file >= 0)
                ::close(file);
            ::close(fd);
        }
    }
    // The identity of the folder a handle is open on.
    static std::pair<quint64, quint64> identityOf(const FileDescriptor &handle)
    {
        FileStatus status;
        if (FileSystem::status(handle.get(), status) != 0)
            return {};
        return {status.device, status.inode};
    }

    bool ok = false;
    QList<QByteArray> folders; // full paths, level 1 first
    QList<std::pair<quint64, quint64>> identities;
    quint64 fileInode = 0;
};

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

} // namespace

// The seam's own guarantees, on real files: a descriptor is closed exactly once whoever owns
// it, a no-replace rename never replaces any kind of entry, a look-up tells a link from what
// it points to, and a folder's names are read from any handle of it.
class SystemCallsTest : public QObject
{
    Q_OBJECT

private slots:
    void descriptorClosesOnceWhoeverOwnsIt();
    void renameNeverReplaces_data();
    void renameNeverReplaces();
    void renameNeverReplacesOnFat();
    void statusTellsLinksFromTargets_data();
    void statusTellsLinksFromTargets();
    void openingRefusesLinks();
    void folderReaderListsEveryNameFromAnyHandle();
    void lockHeldByAnotherOpenFileIsSeen();
    void pathsBeyondTheLimitAreReached_data();
    void pathsBeyondTheLimitAreReached();
};

void SystemCallsTest::descriptorClosesOnceWhoeverOwnsIt()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray path = QFile::encodeName(dir.path());

    FileDescriptor first = FileSystem::openFolderHandle(path.constData());
    const int fd = first.get();
    QVERIFY(isOpenDescriptor(fd));

    // A move hands the descriptor over: the source forgets it, nothing is closed.
    FileDescriptor second(std::move(first));
    QCOMPARE(first.get(), -1);
    QCOMPARE(second.get(), fd);
    QVERIFY(isOpenDescriptor(fd));

    // Moving onto a descriptor that owns one closes the one it held.
    FileDescriptor other = FileSystem::openFolderHandle(path.constData());
    const int otherFd = other.get();
    QVERIFY(isOpenDescriptor(otherFd));
    other = std::move(second);
    QVERIFY(!isOpenDescriptor(otherFd));
    QCOMPARE(other.get(), fd);
    other = std::move(other); // a self-move keeps it
    QVERIFY(isOpenDescriptor(fd));

    // Resetting to the number it holds must not close it.
    other.reset(fd);
    QVERIFY(isOpenDescriptor(fd));

    // Released, it outlives the object; destroyed while owned, it is closed.
    {
        FileDescriptor released(other.release());
        QCOMPARE(released.get(), fd);
        QCOMPARE(released.release(), fd);
    }
    QVERIFY(isOpenDescriptor(fd));
    {
        const FileDescriptor owner(fd);
    }
    QVERIFY(!isOpenDescriptor(fd));

    // A failed open says why, and close() reports what close said.
    const FileDescriptor missing = FileSystem::openFolder((path + "/missing").constData());
    QVERIFY(!missing);
    QCOMPARE(missing.error(), ENOENT);
    FileDescriptor closing = FileSystem::openFolder(path.constData());
    QVERIFY(closing);
    QCOMPARE(closing.close(), 0);
    QCOMPARE(closing.get(), -1);
    QCOMPARE(closing.close(), 0);
}

void SystemCallsTest::renameNeverReplaces_data()
{
    QTest::addColumn<bool>("withFallbacks"); // moveNoReplace, else renameNoReplace
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<int>("error");
    for (const bool fallbacks : {false, true}) {
        const char *way = fallbacks ? "move" : "rename";
        QTest::addRow("%s to a free name", way) << fallbacks << QByteArray("free.txt") << 0;
        QTest::addRow("%s onto a file", way) << fallbacks << QByteArray("target.txt") << EEXIST;
        QTest::addRow("%s onto a folder", way) << fallbacks << QByteArray("folder") << EEXIST;
        QTest::addRow("%s onto a link", way) << fallbacks << QByteArray("link") << EEXIST;
        QTest::addRow("%s onto a dangling link", way)
            << fallbacks << QByteArray("dangling") << EEXIST;
        QTest::addRow("%s onto itself", way) << fallbacks << QByteArray("source.txt") << EEXIST;
    }
}

void SystemCallsTest::renameNeverReplaces()
{
    QFETCH(bool, withFallbacks);
    QFETCH(QByteArray, to);
    QFETCH(int, error);
    Entries tree;
    QVERIFY(tree.ok && tree.handle);
    const int folder = tree.handle.get();

    int result = 0;
    if (withFallbacks) {
        const FileRename::MoveResult moved =
            FileRename::moveNoReplace(folder, "source.txt", to.constData());
        QVERIFY(!moved.leftUnderBothNames);
        result = moved.error;
    } else {
        result = FileRename::renameNoReplace(folder, "source.txt", to.constData());
    }
    QCOMPARE(result, error);

    if (error == 0) {
        QVERIFY(!tree.exists(QStringLiteral("source.txt")));
        QCOMPARE(tree.contents(QString::fromLatin1(to)), QByteArray("source"));
        return;
    }
    // Nothing moved, nothing replaced.
    QCOMPARE(tree.contents(QStringLiteral("source.txt")), QByteArray("source"));
    QCOMPARE(tree.contents(QStringLiteral("target.txt")), QByteArray("target"));
    QCOMPARE(QFile::symLinkTarget(tree.path(QStringLiteral("link"))),
             tree.path(QStringLiteral("target.txt")));
    QVERIFY(QFileInfo(tree.path(QStringLiteral("dangling"))).isSymLink());
    QVERIFY(QFileInfo(tree.path(QStringLiteral("folder"))).isDir());
}

// FAT has neither RENAME_NOREPLACE nor hard links: moveNoReplace reserves the name first.
void SystemCallsTest::renameNeverReplacesOnFat()
{
    FatMount fat;
    if (!fat.isMounted())
        QSKIP(qPrintable(fat.skipReason()));
    const QByteArray root = QFile::encodeName(fat.root());
    const FileDescriptor folder = FileSystem::openFolderHandle(root.constData());
    QVERIFY(folder);
    const auto write = [&](const char *name, const QByteArray &bytes) {
        const FileDescriptor file = FileSystem::createFileAt(folder.get(), name, 0600);
        return file && FileSystem::writeAll(file.get(), bytes.constData(), bytes.size()) == 0;
    };
    const auto contents = [&](const char *name) {
        QFile file(QFile::decodeName(root + '/' + name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    };
    QVERIFY(write("source.txt", "source") && write("target.txt", "target"));

    QCOMPARE(FileRename::moveNoReplace(folder.get(), "source.txt", "target.txt").error, EEXIST);
    QCOMPARE(contents("target.txt"), QByteArray("target"));
    QCOMPARE(FileRename::moveNoReplace(folder.get(), "source.txt", "free.txt").error, 0);
    QCOMPARE(contents("free.txt"), QByteArray("source"));
    QVERIFY(!FileSystem::existsAt(folder.get(), "source.txt"));
}

void SystemCallsTest::statusTellsLinksFromTargets_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("follow");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("type");
    QTest::addColumn<qint64>("size");
    QTest::newRow("file") << QByteArray("target.txt") << false << 0 << int(FileType::Regular)
                          << qint64(6);
    QTest::newRow("folder") << QByteArray("folder") << false << 0 << int(FileType::Folder)
                            << qint64(-1);
    QTest::newRow("link not followed")
        << QByteArray("link") << false << 0 << int(FileType::Link) << qint64(10);
    QTest::newRow("link followed")
        << QByteArray("link") << true << 0 << int(FileType::Regular) << qint64(6);
    QTest::newRow("dangling link not followed")
        << QByteArray("dangling") << false << 0 << int(FileType::Link) << qint64(7);
    QTest::newRow("dangling link followed")
        << QByteArray("dangling") << true << ENOENT << -1 << qint64(-1);
    QTest::newRow("missing") << QByteArray("missing") << false << ENOENT << -1 << qint64(-1);
}

void SystemCallsTest::statusTellsLinksFromTargets()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, follow);
    QFETCH(int, error);
    QFETCH(int, type);
    QFETCH(qint64, size);
    Entries tree;
    QVERIFY(tree.ok && tree.handle);
    QVERIFY(QFile::setPermissions(tree.path(QStringLiteral("target.txt")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const FileDescriptor &folder = tree.handle;

    FileStatus status;
    const auto links = follow ? FileSystem::Links::Followed : FileSystem::Links::NotFollowed;
    QCOMPARE(FileSystem::statusAt(folder.get(), name.constData(), status, links), error);
    QCOMPARE(FileSystem::existsAt(folder.get(), name.constData()), name != "missing");
    if (error != 0)
        return;
    QCOMPARE(int(status.type), type);
    if (size >= 0)
        QCOMPARE(status.size, size);

    // The same entry as the system describes it.
    struct stat st;
    QCOMPARE(::fstatat(folder.get(), name.constData(), &st, follow ? 0 : AT_SYMLINK_NOFOLLOW), 0);
    QCOMPARE(status.device, quint64(st.st_dev));
    QCOMPARE(status.inode, quint64(st.st_ino));
    QCOMPARE(status.links, quint64(st.st_nlink));
    QCOMPARE(status.owner, quint32(st.st_uid));
    QCOMPARE(status.permissions, quint32(st.st_mode & 07777));
    QCOMPARE(status.modifiedSeconds, qint64(st.st_mtim.tv_sec));
    if (name == "target.txt")
        QCOMPARE(status.permissions, 0640u);
}

void SystemCallsTest::openingRefusesLinks()
{
    Entries tree;
    QVERIFY(tree.ok && tree.handle);
    QVERIFY(tree.createLink(QStringLiteral("folder"), QStringLiteral("folderLink")));
    const FileDescriptor &folder = tree.handle;

    const FileDescriptor viaLink =
        FileSystem::openFileAt(folder.get(), "link", FileSystem::FileAccess::Read);
    QVERIFY(!viaLink);
    QCOMPARE(viaLink.error(), ELOOP);
    const FileDescriptor folderViaLink = FileSystem::openFolderAt(folder.get(), "folderLink");
    QVERIFY(!folderViaLink);
    QVERIFY(folderViaLink.error() == ELOOP || folderViaLink.error() == ENOTDIR);

    // A new file is never made through a link, not even one that points nowhere.
    const FileDescriptor throughDangling = FileSystem::createFileAt(folder.get(), "dangling", 0600);
    QVERIFY(!throughDangling);
    QCOMPARE(throughDangling.error(), EEXIST);
    QVERIFY(!tree.exists(QStringLiteral("nothing")));

    FileDescriptor created = FileSystem::createFileAt(folder.get(), "new.txt", 0600);
    QVERIFY(created);
    QCOMPARE(FileSystem::writeAll(created.get(), "abcdef", 6), 0);
    QCOMPARE(FileSystem::writeAllAt(created.get(), "XY", 2, 2), 0);
    QCOMPARE(created.close(), 0);
    QCOMPARE(tree.contents(QStringLiteral("new.txt")), QByteArray("abXYef"));
    struct stat st;
    QCOMPARE(::fstatat(folder.get(), "new.txt", &st, 0), 0);
    QCOMPARE(st.st_mode & 0777, 0600u);
}

void SystemCallsTest::folderReaderListsEveryNameFromAnyHandle()
{
    Entries tree;
    QVERIFY(tree.ok && tree.handle);
    const QByteArray odd = "caf\xe9\nline";
    QVERIFY(tree.createRawFile(odd));
    const QSet<QByteArray> expected{"source.txt", "target.txt", "folder", "link", "dangling", odd};

    const auto names = [](FolderReader &reader) {
        QSet<QByteArray> seen;
        while (const char *name = reader.next())
            seen.insert(QByteArray(name));
        return seen;
    };
    // A handle that serves only as a base, read twice: each reader starts at the top.
    const FileDescriptor &base = tree.handle;
    for (int round = 0; round < 2; ++round) {
        FolderReader reader(base.get());
        QVERIFY(reader.isOpen());
        QVERIFY(FileSystem::existsAt(reader.folder(), "source.txt"));
        QCOMPARE(names(reader), expected);
    }
    const QByteArray root = QFile::encodeName(tree.root());
    FolderReader byPath(root.constData());
    QCOMPARE(names(byPath), expected);

    FolderReader missing((root + "/missing").constData());
    QVERIFY(!missing.isOpen());
    QCOMPARE(missing.error(), ENOENT);
    QCOMPARE(missing.next(), nullptr);
    FolderReader notAFolder(-1);
    QVERIFY(!notAFolder.isOpen());
    QCOMPARE(notAFolder.folder(), -1);
}

void SystemCallsTest::pathsBeyondTheLimitAreReached_data()
{
    QTest::addColumn<bool>("inScope");
    QTest::newRow("each path on its own") << false;
    QTest::newRow("in a scope that keeps folders open") << true;
}

// Paths of about 5,600 bytes, beyond what one call takes: every call that takes a path reaches
// the entry such a path names, following links as one call would, and fails as one would.
// In a scope, folders met in any order are the right ones, with few descriptors held.
void SystemCallsTest::pathsBeyondTheLimitAreReached()
{
    QFETCH(bool, inScope);
    TestTree tree;
    const QByteArray root = QFile::encodeName(tree.root());
    const DeepChain chain(root);
    QVERIFY(chain.ok);
    std::optional<FileSystem::LongPathScope> scope;
    if (inScope)
        scope.emplace();
    const QByteArray deepest = chain.folders.last();
    QVERIFY(deepest.size() > PATH_MAX);
    const int cwd = FileSystem::kCurrentFolder;

    FileStatus status;
    QCOMPARE(FileSystem::statusAt(cwd, (deepest + "/f").constData(), status), 0);
    QCOMPARE(status.inode, chain.fileInode);
    QVERIFY(FileSystem::existsAt(cwd, (deepest + "/f").constData()));
    QVERIFY(!FileSystem::existsAt(cwd, (deepest + "/g").constData()));
    QCOMPARE(FileSystem::statusAt(cwd, (deepest + "/g").constData(), status), ENOENT);

    // Through the link beside level kLinkLevel: the same file.
    QByteArray viaLink = chain.folders[DeepChain::kLinkLevel - 1] + "/lnk";
    for (int level = DeepChain::kLinkLevel + 2; level <= DeepChain::kLevels; ++level)
        viaLink += "/ddd";
    QCOMPARE(FileSystem::statusAt(cwd, (viaLink + "/f").constData(), status), 0);
    QCOMPARE(status.inode, chain.fileInode);

    // Make, open, remove.
    QCOMPARE(FileSystem::makeFolderAt(cwd, (deepest + "/sub").constData(), 0700), 0);
    FileDescriptor created =
        FileSystem::createFileAt(cwd, (deepest + "/sub/new").constData(), 0600);
    QVERIFY(created);
    QCOMPARE(FileSystem::writeAll(created.get(), "abc", 3), 0);
    created.reset();
    QVERIFY(!FileSystem::createFileAt(cwd, (deepest + "/sub/new").constData(), 0600));
    FileDescriptor read = FileSystem::openFileAt(cwd, (deepest + "/sub/new").constData(),
                                                 FileSystem::FileAccess::Read);
    QVERIFY(read);
    char buffer[8] = {};
    int error = 0;
    QCOMPARE(FileSystem::read(read.get(), buffer, 8, error), qint64(3));
    QCOMPARE(FileSystem::removeAt(cwd, (deepest + "/sub/new").constData()), 0);
    QVERIFY(!FileSystem::existsAt(cwd, (deepest + "/sub/new").constData()));

    // Failures as one call on the whole path would give them.
    QByteArray missing = chain.folders[DeepChain::kLevels - 2];
    missing.replace(missing.size() - 200, 4, "/xxx");
    QCOMPARE(FileSystem::statusAt(cwd, (missing + "/ddd/f").constData(), status), ENOENT);
    const QByteArray longName(300, 'n');
    QCOMPARE(FileSystem::statusAt(
                 cwd, (root + '/' + longName + deepest.mid(root.size())).constData(), status),
             ENAMETOOLONG);

    // Folders by their paths, going up, then down, then jumping about: each is the one made.
    // (Every one in a scope; without, each path costs a walk of all of its folders.)
    const int step = inScope ? 1 : 97;
    const int before = openDescriptors();
    QList<int> order;
    for (int i = DeepChain::kLevels - 1; i >= 0; i -= step)
        order << i;
    for (int i = 0; i < DeepChain::kLevels; i += step)
        order << i;
    for (int i = 0; i < DeepChain::kLevels; i += step)
        order << (i * 7919) % DeepChain::kLevels;
    int mostHeld = 0;
    for (const int i : order) {
        const FileDescriptor handle = FileSystem::openFolderHandle(chain.folders[i].constData());
        QVERIFY2(handle, chain.folders[i].right(40).constData());
        if (DeepChain::identityOf(handle) != chain.identities[i])
            QFAIL(qPrintable(QStringLiteral("level %1 opened another folder").arg(i + 1)));
        mostHeld = std::max(mostHeld, openDescriptors() - before);
    }
    QVERIFY2(mostHeld <= 80, qPrintable(QString::number(mostHeld)));
}

void SystemCallsTest::lockHeldByAnotherOpenFileIsSeen()
{
    Entries tree;
    QVERIFY(tree.ok && tree.handle);
    const FileDescriptor &folder = tree.handle;
    const FileDescriptor writer =
        FileSystem::openFileAt(folder.get(), "target.txt", FileSystem::FileAccess::Append);
    const FileDescriptor reader =
        FileSystem::openFileAt(folder.get(), "target.txt", FileSystem::FileAccess::Read);
    QVERIFY(writer && reader);
    using FileSystem::LockKind;
    using FileSystem::LockWait;
    QCOMPARE(FileSystem::lock(writer.get(), LockKind::Exclusive, LockWait::DontWait), 0);
    const int refused = FileSystem::lock(reader.get(), LockKind::Shared, LockWait::DontWait);
    QVERIFY(FileSystem::isHeldElsewhere(refused));
    QVERIFY(!FileSystem::isHeldElsewhere(0));

    char buffer[16];
    int error = 0;
    QCOMPARE(FileSystem::read(reader.get(), buffer, sizeof buffer, error), qint64(6));
    QCOMPARE(FileSystem::readAt(reader.get(), buffer, 2, 4, error), qint64(2));
    QCOMPARE(QByteArray(buffer, 2), QByteArray("et"));
    QCOMPARE(FileSystem::read(reader.get(), buffer, sizeof buffer, error), qint64(0));
}

QTEST_GUILESS_MAIN(SystemCallsTest)
#include "tst_SystemCalls.moc"
