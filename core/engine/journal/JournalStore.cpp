#include "core/engine/journal/JournalStore.h"

#include "core/engine/rename/RenameOperation.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include "core/system/Durability.h"
#include "core/system/FileRename.h"
#include "core/system/FileSystem.h"
#include "core/system/FolderReader.h"
#include "core/system/Process.h"

#include <algorithm>
#include <cerrno>
#include <numeric>

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

using FileSystem::FileStatus;
using FileSystem::FileType;

QString failure(const QString &what, int error)
{
    return QStringLiteral("%1: %2").arg(what, systemErrorText(error));
}

// Enters name below parent without following a link, making it (0700) when asked; the
// folder must belong to this user, and open to nobody else when private is set.
FileDescriptor enterFolder(int parent, const QByteArray &name, bool create, bool privateFolder,
                           const QString &shown, QString &error)
{
    const int made = create ? FileSystem::makeFolderAt(parent, name.constData(), 0700) : 0;
    if (made != 0 && made != EEXIST) {
        error = failure(QStringLiteral("Could not make the journal folder %1").arg(shown), made);
        return {};
    }
    FileStatus st;
    if (const int looked = FileSystem::statusAt(parent, name.constData(), st); looked != 0) {
        error = looked == ENOENT
                    ? QString()
                    : failure(QStringLiteral("Could not open the journal folder %1").arg(shown),
                              looked);
        return {};
    }
    if (st.type == FileType::Link) {
        error =
            QStringLiteral("The journal folder %1 is a symbolic link; it is not used.").arg(shown);
        return {};
    }
    FileDescriptor fd = FileSystem::openFolderAt(parent, name.constData());
    const int opened = fd ? FileSystem::status(fd.get(), st) : fd.error();
    if (opened != 0) {
        error = failure(QStringLiteral("Could not open the journal folder %1").arg(shown), opened);
        return {};
    }
    if (st.owner != Process::effectiveUserId() || (privateFolder && (st.permissions & 077) != 0)) {
        error = QStringLiteral("The journal folder %1 belongs to another user or is open to "
                               "others; it is not used.")
                    .arg(shown);
        return {};
    }
    return fd;
}

// The journal folder's handle, or none: with error empty when it does not exist (and create
// is off), else with the reason.
FileDescriptor openFolder(bool create, QString &error)
{
    error.clear();
    const QString home = stateHome();
    if (create && !QDir().mkpath(home)) {
        error = QStringLiteral("Could not make the folder %1.").arg(home);
        return {};
    }
    const FileDescriptor base = FileSystem::openFolder(QFile::encodeName(home).constData());
    if (!base) {
        if (base.error() != ENOENT || create)
            error = failure(QStringLiteral("Could not open the folder %1").arg(home), base.error());
        return {};
    }
    const QString app = home + QStringLiteral("/quirewell");
    const FileDescriptor quirewell =
        enterFolder(base.get(), "quirewell", create, false, app, error);
    if (!quirewell)
        return {};
    return enterFolder(quirewell.get(), "journal", create, true, folderPath(), error);
}

int writeAll(int fd, const QByteArray &bytes)
{
    return FileSystem::writeAll(fd, bytes.constData(), bytes.size());
}

int writeAll(int fd, const QByteArrayList &pieces)
{
    for (const QByteArray &piece : pieces) {
        if (const int error = writeAll(fd, piece); error != 0)
            return error;
    }
    return 0;
}

// Opens an entry's file for reading or appending, refusing anything but a private regular
// file of this user with one link.
FileDescriptor openEntry(int folder, const QString &id, FileSystem::FileAccess access,
                         QString &error)
{
    const QByteArray name = id.toLatin1() + kSuffix;
    FileDescriptor fd = FileSystem::openFileAt(folder, name.constData(), access);
    FileStatus st;
    if (!fd) {
        error = fd.error() == ELOOP    ? QStringLiteral("is a symbolic link")
                : fd.error() == ENOENT ? QStringLiteral("no such entry")
                                       : failure(QStringLiteral("could not be opened"), fd.error());
        return {};
    }
    if (FileSystem::status(fd.get(), st) != 0 || st.type != FileType::Regular) {
        error = QStringLiteral("is not a regular file");
        return {};
    }
    if (st.owner != Process::effectiveUserId() || (st.permissions & 077) != 0 || st.links != 1) {
        error = QStringLiteral("belongs to another user, is open to others or has other links");
        return {};
    }
    if (st.size > kLargestFile) {
        error = QStringLiteral("is too large");
        return {};
    }
    return fd;
}

// Whether another process holds the entry open as fd locked for writing.
bool lockedByWriter(int fd)
{
    return FileSystem::isHeldElsewhere(
        FileSystem::lock(fd, FileSystem::LockKind::Shared, FileSystem::LockWait::DontWait));
}

std::optional<JournalEntry> readEntry(int folder, const QString &id, QString &error, bool *running)
{
    const FileDescriptor fd = openEntry(folder, id, FileSystem::FileAccess::Read, error);
    if (!fd)
        return std::nullopt;
    if (running)
        *running = lockedByWriter(fd.get());
    // Read straight into the text, sized from the file (a batch's journal may be tens of
    // megabytes), with room for a line or two appended meanwhile.
    FileSystem::FileStatus st;
    const qint64 expected = FileSystem::status(fd.get(), st) == 0 ? st.size : 0;
    QByteArray text(std::clamp<qint64>(expected + (1 << 16), 1 << 16, kLargestFile + 1),
                    Qt::Uninitialized);
    qint64 used = 0;
    for (;;) {
        if (used == text.size()) {
            if (used > kLargestFile) {
                error = QStringLiteral("is too large");
                return std::nullopt;
            }
            text.resize(std::min<qint64>(used * 2, kLargestFile + 1));
        }
        int readError = 0;
        const qint64 n =
            FileSystem::read(fd.get(), text.data() + used, text.size() - used, readError);
        if (n < 0) {
            error = failure(QStringLiteral("could not be read"), readError);
            return std::nullopt;
        }
        if (n == 0)
            break;
        used += n;
    }
    if (used > kLargestFile) {
        error = QStringLiteral("is too large");
        return std::nullopt;
    }
    text.truncate(used);
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
    FolderReader reader(folder);
    while (const char *entry = reader.next()) {
        const QByteArray name(entry);
        if (name.endsWith(kSuffix)) {
            const QString id = QString::fromLatin1(name.chopped(kSuffix.size()));
            if (JournalFormat::isValidId(id))
                ids.push_back(id);
        } else if (temporaries && name.endsWith(kTemporarySuffix)) {
            temporaries->push_back(name);
        }
    }
    std::sort(ids.begin(), ids.end(), std::greater<>());
    return ids;
}

// What the entry's last line says, from its last bytes alone: finding the interrupted batches
// or the batch to undo need not read every plan.
Tail tailOf(int folder, const QString &id)
{
    Tail tail;
    QString ignored;
    const FileDescriptor fd = openEntry(folder, id, FileSystem::FileAccess::Read, ignored);
    FileStatus st;
    if (!fd || FileSystem::status(fd.get(), st) != 0)
        return tail;
    char bytes[512];
    const qint64 offset = std::max<qint64>(0, st.size - qint64(sizeof bytes));
    int readError = 0;
    const qint64 n = FileSystem::readAt(fd.get(), bytes, sizeof bytes, offset, readError);
    if (n <= 0 || bytes[n - 1] != '\n')
        return tail;
    QByteArray last(bytes, n - 1);
    last = last.mid(last.lastIndexOf('\n') + 1);
    tail.readable = true;
    tail.running = lockedByWriter(fd.get());
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
        FileSystem::removeAt(folder, (ids[i].toLatin1() + kSuffix).constData());
    for (const QByteArray &name : temporaries) {
        const FileDescriptor fd =
            FileSystem::openFileAt(folder, name.constData(), FileSystem::FileAccess::Read);
        if (fd && FileSystem::lock(fd.get(), FileSystem::LockKind::Exclusive,
                                   FileSystem::LockWait::DontWait) == 0)
            FileSystem::removeAt(folder, name.constData());
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
    const FileDescriptor folder = openFolder(false, error);
    return !folder ? std::vector<QString>() : entryIds(folder.get());
}

Tail readTail(const QString &id)
{
    QString error;
    const FileDescriptor folder = openFolder(false, error);
    return !folder || !JournalFormat::isValidId(id) ? Tail() : tailOf(folder.get(), id);
}

std::vector<Listed> list(QString &error)
{
    const FileDescriptor folder = openFolder(false, error);
    return !folder ? std::vector<Listed>() : readEntries(folder.get(), false);
}

std::vector<Listed> listUnfinished()
{
    QString error;
    const FileDescriptor folder = openFolder(false, error);
    return !folder ? std::vector<Listed>() : readEntries(folder.get(), true);
}

std::optional<JournalEntry> read(const QString &id, QString &error, bool *running)
{
    if (!JournalFormat::isValidId(id)) {
        error = QStringLiteral("\"%1\" is not a journal id.").arg(id);
        return std::nullopt;
    }
    const FileDescriptor folder = openFolder(false, error);
    if (!folder) {
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
    const FileDescriptor folder = openFolder(false, error);
    if (!folder) {
        if (error.isEmpty())
            error = entryError(id, QStringLiteral("does not exist"));
        return false;
    }
    QString reason;
    const FileDescriptor fd = openEntry(folder.get(), id, FileSystem::FileAccess::Append, reason);
    if (!fd) {
        error = entryError(id, reason);
        return false;
    }
    if (FileSystem::lock(fd.get(), FileSystem::LockKind::Exclusive,
                         FileSystem::LockWait::DontWait) != 0) {
        error = entryError(id, QStringLiteral("is still being written by another process"));
        return false;
    }
    int failed = writeAll(fd.get(), record);
    if (failed == 0)
        failed = Durability::syncFile(fd.get());
    if (failed != 0) {
        error = failure(QStringLiteral("Could not complete the journal entry %1").arg(id), failed);
        return false;
    }
    return true;
}

FolderIdentity folderIdentity(const QByteArray &path)
{
    FileSystem::FileStatus status;
    if (FileSystem::statusAt(FileSystem::kCurrentFolder, path.constData(), status,
                             FileSystem::Links::Followed) == 0)
        return {status.device, status.inode};
    return {};
}

bool Writer::begin(JournalEntry &entry, QString &error)
{
    // The folders as they are now, unless the entry says already.
    if (entry.folderIdentities.size() != entry.folders.size()) {
        entry.folderIdentities.clear();
        for (const QByteArray &folder : entry.folders)
            entry.folderIdentities.push_back(folderIdentity(folder));
    }
    return begin(entry, JournalFormat::planBody(entry), error);
}

bool Writer::begin(JournalEntry &entry, const JournalFormat::PlanBody &body, QString &error)
{
    m_folder = openFolder(true, error);
    if (!m_folder)
        return false;
    QByteArray temporary;
    for (int attempt = 0; attempt < 100 && !m_file; ++attempt) {
        entry.id = newId(attempt);
        temporary = entry.id.toLatin1() + kTemporarySuffix;
        if (FileSystem::existsAt(m_folder.get(), (entry.id.toLatin1() + kSuffix).constData()))
            continue;
        m_file = FileSystem::createFileAt(m_folder.get(), temporary.constData(), 0600);
        if (!m_file && m_file.error() != EEXIST) {
            error = failure(QStringLiteral("Could not write the journal in %1").arg(folderPath()),
                            m_file.error());
            return false;
        }
    }
    if (!m_file) {
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
    const int file = m_file.get();
    int failed = FileSystem::setPermissions(file, 0600);
    if (failed == 0)
        failed =
            FileSystem::lock(file, FileSystem::LockKind::Exclusive, FileSystem::LockWait::Wait);
    if (failed == 0)
        failed = writeAll(file, text);
    if (failed == 0)
        failed = Durability::syncFile(file);
    if (failed == 0)
        failed =
            FileRename::renameNoReplace(m_folder.get(), temporary.constData(), name.constData());
    const bool named = failed == 0;
    if (failed == 0)
        failed = Durability::syncFolder(m_folder.get());
    if (failed != 0) {
        error =
            failure(QStringLiteral("Could not write the journal in %1").arg(folderPath()), failed);
        // No rename follows, so no entry may claim one.
        FileSystem::removeAt(m_folder.get(), (named ? name : temporary).constData());
        return false;
    }
    prune(m_folder.get());
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
    const int file = m_file.get();
    int failed = EBADF; // begin() did not succeed
    if (m_file && text.size() <= JournalFormat::kReserved - qsizetype(sizeof "reserve") + 1) {
        failed = FileSystem::writeAllAt(file, text.constData(), text.size(), m_size - text.size());
        if (failed == 0)
            failed = Durability::syncData(file);
    } else if (m_file) {
        failed = writeAll(file, text.mid(1));
        if (failed == 0)
            failed = Durability::syncFile(file);
    }
    if (failed != 0) {
        error =
            failure(QStringLiteral("Could not complete the journal entry %1").arg(m_id), failed);
        return false;
    }
    return true;
}

} // namespace JournalStore
