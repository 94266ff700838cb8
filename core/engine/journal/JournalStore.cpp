#include "core/engine/journal/JournalStore.h"

#include "core/engine/rename/RenameOperation.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <numeric>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace JournalStore {
namespace {

constexpr qint64 kLargestFile = qint64(256) << 20;
const QByteArray kSuffix = QByteArrayLiteral(".journal");
const QByteArray kTemporarySuffix = QByteArrayLiteral(".tmp");

QString stateHome()
{
    const QString configured = qEnvironmentVariable("XDG_STATE_HOME");
    // XDG base directories must be absolute: a relative value is ignored.
    if (configured.startsWith(QLatin1Char('/')))
        return configured;
    return QDir::homePath() + QStringLiteral("/.local/state");
}

class Fd
{
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

QString failure(const QString &what, int error)
{
    return QStringLiteral("%1: %2").arg(what, systemErrorText(error));
}

// Enters name below parent without following a link, making it (0700) when asked; the
// folder must be ours, and open to nobody else when private is set.
int enterFolder(int parent, const QByteArray &name, bool create, bool privateFolder,
                const QString &shown, QString &error)
{
    if (create && ::mkdirat(parent, name.constData(), 0700) != 0 && errno != EEXIST) {
        error = failure(QStringLiteral("Could not make the journal folder %1").arg(shown), errno);
        return -1;
    }
    struct stat st;
    if (::fstatat(parent, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        error =
            errno == ENOENT
                ? QString()
                : failure(QStringLiteral("Could not open the journal folder %1").arg(shown), errno);
        return -1;
    }
    if (S_ISLNK(st.st_mode)) {
        error =
            QStringLiteral("The journal folder %1 is a symbolic link; it is not used.").arg(shown);
        return -1;
    }
    Fd fd(::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
        error = failure(QStringLiteral("Could not open the journal folder %1").arg(shown), errno);
        return -1;
    }
    if (st.st_uid != ::geteuid() || (privateFolder && (st.st_mode & 077) != 0)) {
        error = QStringLiteral("The journal folder %1 belongs to another user or is open to "
                               "others; it is not used.")
                    .arg(shown);
        return -1;
    }
    return fd.release();
}

// The journal folder's handle, or -1: with error empty when it does not exist (and create
// is off), else with the reason.
int openFolder(bool create, QString &error)
{
    error.clear();
    const QString home = stateHome();
    if (create && !QDir().mkpath(home)) {
        error = QStringLiteral("Could not make the folder %1.").arg(home);
        return -1;
    }
    Fd base(::open(QFile::encodeName(home).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (base.get() < 0) {
        if (errno != ENOENT || create)
            error = failure(QStringLiteral("Could not open the folder %1").arg(home), errno);
        return -1;
    }
    const QString app = home + QStringLiteral("/quirewell");
    Fd quirewell(enterFolder(base.get(), "quirewell", create, false, app, error));
    if (quirewell.get() < 0)
        return -1;
    return enterFolder(quirewell.get(), "journal", create, true, folderPath(), error);
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        left -= n;
    }
    return true;
}

bool writeAll(int fd, const QByteArrayList &pieces)
{
    return std::all_of(pieces.begin(), pieces.end(),
                       [fd](const QByteArray &piece) { return writeAll(fd, piece); });
}

// Opens an entry's file for reading or appending, refusing anything but a private regular
// file of ours with one link.
int openEntry(int folder, const QString &id, int access, QString &error)
{
    const QByteArray name = id.toLatin1() + kSuffix;
    Fd fd(::openat(folder, name.constData(), access | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st;
    if (fd.get() < 0) {
        error = errno == ELOOP    ? QStringLiteral("is a symbolic link")
                : errno == ENOENT ? QStringLiteral("no such entry")
                                  : failure(QStringLiteral("could not be opened"), errno);
        return -1;
    }
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        error = QStringLiteral("is not a regular file");
        return -1;
    }
    if (st.st_uid != ::geteuid() || (st.st_mode & 077) != 0 || st.st_nlink != 1) {
        error = QStringLiteral("belongs to another user, is open to others or has other links");
        return -1;
    }
    if (st.st_size > kLargestFile) {
        error = QStringLiteral("is too large");
        return -1;
    }
    return fd.release();
}

std::optional<JournalEntry> readEntry(int folder, const QString &id, QString &error, bool *running)
{
    Fd fd(openEntry(folder, id, O_RDONLY, error));
    if (fd.get() < 0)
        return std::nullopt;
    if (running)
        *running = ::flock(fd.get(), LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    QByteArray text;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = failure(QStringLiteral("could not be read"), errno);
            return std::nullopt;
        }
        if (n == 0)
            break;
        text.append(buffer, n);
        if (text.size() > kLargestFile) {
            error = QStringLiteral("is too large");
            return std::nullopt;
        }
    }
    std::optional<JournalEntry> entry = JournalFormat::parse(text, error);
    if (!entry)
        error = QStringLiteral("is not valid (%1)").arg(error);
    else if (entry->id != id) {
        error = QStringLiteral("holds the entry %1 under another name").arg(entry->id);
        return std::nullopt;
    }
    return entry;
}

// The ids of the entries in the folder, newest first; stale temporary files are listed in
// temporaries.
std::vector<QString> entryIds(int folder, std::vector<QByteArray> *temporaries = nullptr)
{
    std::vector<QString> ids;
    DIR *dir = ::fdopendir(::dup(folder));
    if (!dir)
        return ids;
    while (const dirent *e = ::readdir(dir)) {
        const QByteArray name(e->d_name);
        if (name.endsWith(kSuffix)) {
            const QString id = QString::fromLatin1(name.chopped(kSuffix.size()));
            if (JournalFormat::isValidId(id))
                ids.push_back(id);
        } else if (temporaries && name.endsWith(kTemporarySuffix)) {
            temporaries->push_back(name);
        }
    }
    ::closedir(dir);
    std::sort(ids.begin(), ids.end(), std::greater<>());
    return ids;
}

// What the entry's last line says, from its last bytes alone: finding the interrupted batches
// or the batch to undo need not read every plan.
Tail tailOf(int folder, const QString &id)
{
    Tail tail;
    QString ignored;
    Fd fd(openEntry(folder, id, O_RDONLY, ignored));
    struct stat st;
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0)
        return tail;
    char bytes[512];
    const qint64 offset = std::max<qint64>(0, st.st_size - qint64(sizeof bytes));
    const ssize_t n = ::pread(fd.get(), bytes, sizeof bytes, offset);
    if (n <= 0 || bytes[n - 1] != '\n')
        return tail;
    QByteArray last(bytes, n - 1);
    last = last.mid(last.lastIndexOf('\n') + 1);
    tail.readable = true;
    tail.running = ::flock(fd.get(), LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    tail.ended = last.startsWith("undone ") || last == "kept";
    if (last.startsWith("finished ")) {
        tail.finished = true;
        tail.renamed = last.split(' ').value(1).toLongLong();
    }
    return tail;
}

bool endsComplete(int folder, const QString &id)
{
    const Tail tail = tailOf(folder, id);
    return tail.finished || tail.ended;
}

QString entryError(const QString &id, const QString &reason)
{
    return QStringLiteral("The journal entry %1 %2.").arg(id, reason);
}

std::vector<Listed> readEntries(int folder, bool unfinishedOnly)
{
    std::vector<Listed> entries;
    for (const QString &id : entryIds(folder)) {
        if (unfinishedOnly && endsComplete(folder, id))
            continue;
        Listed listed;
        listed.id = id;
        QString reason;
        listed.entry = readEntry(folder, id, reason, &listed.running);
        if (!listed.entry)
            listed.error = entryError(id, reason);
        entries.push_back(std::move(listed));
    }
    return entries;
}

// Removes the entries beyond the newest kKept, and temporary files nobody is writing.
void prune(int folder)
{
    std::vector<QByteArray> temporaries;
    const std::vector<QString> ids = entryIds(folder, &temporaries);
    for (size_t i = kKept; i < ids.size(); ++i)
        ::unlinkat(folder, (ids[i].toLatin1() + kSuffix).constData(), 0);
    for (const QByteArray &name : temporaries) {
        Fd fd(::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (fd.get() >= 0 && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(folder, name.constData(), 0);
    }
}

QString newId(int attempt)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return now.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz-")) +
           QStringLiteral("%1").arg(attempt, 2, 10, QLatin1Char('0'));
}

} // namespace

QString folderPath()
{
    return stateHome() + QStringLiteral("/quirewell/journal");
}

std::vector<QString> ids(QString &error)
{
    Fd folder(openFolder(false, error));
    return folder.get() < 0 ? std::vector<QString>() : entryIds(folder.get());
}

Tail readTail(const QString &id)
{
    QString error;
    Fd folder(openFolder(false, error));
    return folder.get() < 0 || !JournalFormat::isValidId(id) ? Tail() : tailOf(folder.get(), id);
}

std::vector<Listed> list(QString &error)
{
    Fd folder(openFolder(false, error));
    return folder.get() < 0 ? std::vector<Listed>() : readEntries(folder.get(), false);
}

std::vector<Listed> listUnfinished()
{
    QString error;
    Fd folder(openFolder(false, error));
    return folder.get() < 0 ? std::vector<Listed>() : readEntries(folder.get(), true);
}

std::optional<JournalEntry> read(const QString &id, QString &error, bool *running)
{
    if (!JournalFormat::isValidId(id)) {
        error = QStringLiteral("\"%1\" is not a journal id.").arg(id);
        return std::nullopt;
    }
    Fd folder(openFolder(false, error));
    if (folder.get() < 0) {
        if (error.isEmpty())
            error = entryError(id, QStringLiteral("does not exist"));
        return std::nullopt;
    }
    QString reason;
    std::optional<JournalEntry> entry = readEntry(folder.get(), id, reason, running);
    if (!entry)
        error = entryError(id, reason);
    return entry;
}

bool appendEnding(const QString &id, const QByteArray &record, QString &error)
{
    Fd folder(openFolder(false, error));
    if (folder.get() < 0) {
        if (error.isEmpty())
            error = entryError(id, QStringLiteral("does not exist"));
        return false;
    }
    QString reason;
    Fd fd(openEntry(folder.get(), id, O_WRONLY | O_APPEND, reason));
    if (fd.get() < 0) {
        error = entryError(id, reason);
        return false;
    }
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        error = entryError(id, QStringLiteral("is still being written by another process"));
        return false;
    }
    if (!writeAll(fd.get(), record) || ::fsync(fd.get()) != 0) {
        error = failure(QStringLiteral("Could not complete the journal entry %1").arg(id), errno);
        return false;
    }
    return true;
}

Writer::~Writer()
{
    if (m_file >= 0)
        ::close(m_file);
    if (m_folder >= 0)
        ::close(m_folder);
}

bool Writer::begin(JournalEntry &entry, QString &error)
{
    return begin(entry, JournalFormat::planBody(entry), error);
}

bool Writer::begin(JournalEntry &entry, const JournalFormat::PlanBody &body, QString &error)
{
    m_folder = openFolder(true, error);
    if (m_folder < 0)
        return false;
    QByteArray temporary;
    for (int attempt = 0; attempt < 100 && m_file < 0; ++attempt) {
        entry.id = newId(attempt);
        temporary = entry.id.toLatin1() + kTemporarySuffix;
        struct stat st;
        if (::fstatat(m_folder, (entry.id.toLatin1() + kSuffix).constData(), &st,
                      AT_SYMLINK_NOFOLLOW) == 0)
            continue;
        m_file = ::openat(m_folder, temporary.constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (m_file < 0 && errno != EEXIST) {
            error = failure(QStringLiteral("Could not write the journal in %1").arg(folderPath()),
                            errno);
            return false;
        }
    }
    if (m_file < 0) {
        error = QStringLiteral("Could not find a free journal name in %1.").arg(folderPath());
        return false;
    }
    m_id = entry.id;
    entry.time = QDateTime::currentSecsSinceEpoch();
    const QByteArray name = entry.id.toLatin1() + kSuffix;
    const QByteArrayList text = QByteArrayList{JournalFormat::headerText(entry)} + body.pieces() +
                                QByteArrayList{JournalFormat::reserveText()};
    m_size = std::accumulate(text.begin(), text.end(), qint64(0),
                             [](qint64 n, const QByteArray &piece) { return n + piece.size(); });
    const bool written = ::fchmod(m_file, 0600) == 0 && ::flock(m_file, LOCK_EX) == 0 &&
                         writeAll(m_file, text) && ::fsync(m_file) == 0;
    const bool named = written && ::renameat2(m_folder, temporary.constData(), m_folder,
                                              name.constData(), RENAME_NOREPLACE) == 0;
    if (!named || ::fsync(m_folder) != 0) {
        error =
            failure(QStringLiteral("Could not write the journal in %1").arg(folderPath()), errno);
        // No rename follows, so no entry may claim one.
        ::unlinkat(m_folder, (named ? name : temporary).constData(), 0);
        return false;
    }
    prune(m_folder);
    return true;
}

bool Writer::finish(const JournalOutcome &outcome, QString &error)
{
    // The usual outcome takes the end of the reserve line, which begin() wrote and synced:
    // the file keeps its size and its blocks, so fdatasync writes the data alone and need
    // not wait for the file system to commit everything else pending (such as the batch's
    // own renames, which are as durable as any rename). A longer outcome is appended and
    // the whole file synced.
    const QByteArray text = '\n' + JournalFormat::outcomeText(outcome);
    bool synced = false;
    if (m_file >= 0 && text.size() <= JournalFormat::kReserved - qsizetype(sizeof "reserve") + 1) {
        synced = ::pwrite(m_file, text.constData(), size_t(text.size()), m_size - text.size()) ==
                     text.size() &&
                 ::fdatasync(m_file) == 0;
    } else if (m_file >= 0) {
        synced = writeAll(m_file, text.mid(1)) && ::fsync(m_file) == 0;
    }
    if (!synced) {
        error = failure(QStringLiteral("Could not complete the journal entry %1").arg(m_id), errno);
        return false;
    }
    return true;
}

} // namespace JournalStore
