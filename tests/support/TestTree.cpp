#include "tests/support/TestTree.h"

#include "core/engine/settings/AppSettings.h"
#include "tests/support/RemoveTree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Folders are opened up first: a test may leave one read-only.
int openUp(const char *path, const struct stat *st, int type, struct FTW *)
{
    if (type == FTW_D)
        ::chmod(path, st->st_mode | S_IRWXU);
    return 0;
}

int removeOne(const char *path, const struct stat *, int type, struct FTW *)
{
    return type == FTW_DP ? ::rmdir(path) : ::unlink(path);
}

} // namespace

TestTree::TestTree() = default;

// QTemporaryDir removes by decoded names and so leaves behind names that are not UTF-8;
// this removes by the bytes.
TestTree::~TestTree()
{
    const QByteArray folder = QFile::encodeName(root());
    if (!m_dir.isValid() || folder.isEmpty())
        return;
    ::nftw(folder.constData(), openUp, 32, FTW_PHYS);
    ::nftw(folder.constData(), removeOne, 32, FTW_DEPTH | FTW_PHYS);
    // What nftw cannot reach: paths beyond the system's limit.
    if (::access(folder.constData(), F_OK) == 0)
        removeTree(folder);
}

bool TestTree::createFile(const QString &relative, const QByteArray &data, const QDateTime &mtime)
{
    const QString full = path(relative);
    if (!QDir().mkpath(QFileInfo(full).absolutePath()))
        return false;
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    if (file.write(data) != data.size() || !file.flush())
        return false;
    // Set after the data is flushed: a later write would move the time again.
    if (mtime.isValid() && !file.setFileTime(mtime, QFileDevice::FileModificationTime))
        return false;
    return true;
}

bool TestTree::createRawFile(const QByteArray &relative, const QByteArray &data)
{
    const QByteArray full = QFile::encodeName(root()) + '/' + relative;
    const int fd = ::open(full.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, data.constData(), size_t(data.size())) == data.size();
    return ::close(fd) == 0 && ok;
}

bool TestTree::createFolder(const QString &relative)
{
    return QDir().mkpath(path(relative));
}

bool TestTree::setReadOnly(const QString &relative, bool readOnly)
{
    struct stat st;
    const QByteArray full = QFile::encodeName(path(relative));
    if (::lstat(full.constData(), &st) != 0)
        return false;
    const mode_t mode = readOnly ? (st.st_mode & ~S_IWUSR) : (st.st_mode | S_IWUSR);
    return ::chmod(full.constData(), mode & 07777) == 0;
}

bool TestTree::createLink(const QString &target, const QString &relativeLink)
{
    return ::symlink(QFile::encodeName(target).constData(),
                     QFile::encodeName(path(relativeLink)).constData()) == 0;
}

bool TestTree::remove(const QString &relative)
{
    const QString full = path(relative);
    const QFileInfo info(full);
    if (info.isDir() && !info.isSymLink())
        return QDir(full).removeRecursively();
    return QFile::remove(full) || ::unlink(QFile::encodeName(full).constData()) == 0;
}

bool TestTree::exists(const QString &relative) const
{
    struct stat st;
    return ::lstat(QFile::encodeName(path(relative)).constData(), &st) == 0;
}

QByteArray TestTree::contents(const QString &relative) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList TestTree::entries() const
{
    QStringList out;
    QDirIterator it(root(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir base(root());
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        QString rel = base.relativeFilePath(info.filePath());
        if (info.isDir() && !info.isSymLink())
            rel += QLatin1Char('/');
        out << rel;
    }
    out.sort();
    return out;
}

void TestTree::useTemporarySettings()
{
    // An empty store, so that quirewell-cli --config accepts it before anything is stored.
    QFile(settingsFile()).open(QIODevice::WriteOnly | QIODevice::Append);
    CAppSettings::useStoreFile(settingsFile());
}

QString TestTree::settingsFile() const
{
    return m_settingsDir.path() + QStringLiteral("/settings.ini");
}
