#include "core/engine/rename/ChainRename.h"

#include "core/engine/journal/BatchJournal.h"
#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/rename/RenameOperation.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString changedFileText()
{
    return QStringLiteral("no longer the file the batch renamed");
}

QString blockedByText(const QString &blocker)
{
    return QStringLiteral("The new name is still taken by \"%1\", which could not be renamed.")
        .arg(blocker);
}

namespace {

// Steps done over steps in all, reported every 256 steps and at the end.
class StepCounter
{
public:
    StepCounter(const BatchProgress &progress, int total) : m_progress(progress), m_total(total) {}
    void step()
    {
        ++m_done;
        if (m_progress && (m_done % 256 == 0 || m_done == m_total))
            m_progress(m_done, m_total);
    }

private:
    const BatchProgress &m_progress;
    int m_total;
    int m_done = 0;
};

enum class State : quint8
{
    Waiting,
    Done,
    Failed
};

// A checked row of one folder whose new name differs from its loaded name.
struct Mover
{
    int row = 0;
    QByteArray oldName;
    QByteArray target;
    quint64 inode = 0; // as listed (or journaled); 0: not known
    int next = -1;     // the mover whose old name is this one's target
    State state = State::Waiting;
    bool inCycle = false;
    bool plainOldName = false; // one name of this folder, which a rename may take as it is
    QString error;
};

constexpr char kParkingPrefix[] = ".quirewell-swap-"; // lower case, as the whole name

// The process's own stem of temporary names: the prefix and the process id.
QByteArray parkingStem()
{
    return QByteArray(kParkingPrefix) + QByteArray::number(::getpid()) + '-';
}

QByteArray parkingName(const QByteArray &stem)
{
    static std::atomic<unsigned> counter{0};
    return stem + QByteArray::number(counter++) + QByteArrayLiteral(".tmp");
}

// The entries of the folder open as fd that a temporary name could be taken for: those that
// begin with the prefix of temporary names, in lower case, as a file system that ignores case
// would take them (names beyond ASCII folded as Unicode folds them). Nothing when the folder
// cannot be read.
std::optional<QSet<QByteArray>> entriesLikeParkingNames(int fd)
{
    const int listFd = fd < 0 ? -1 : ::openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!dir) {
        if (listFd >= 0)
            ::close(listFd);
        return std::nullopt;
    }
    const QByteArray prefix(kParkingPrefix);
    QSet<QByteArray> entries;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.') // a dot stays a dot when case is folded
            continue;
        QByteArray name(entry->d_name);
        const bool ascii =
            std::all_of(name.cbegin(), name.cend(), [](char c) { return uchar(c) < 0x80; });
        name = ascii ? name.toLower() : decodeFileName(name).toCaseFolded().toUtf8();
        if (name.startsWith(prefix))
            entries.insert(name);
    }
    ::closedir(dir);
    return entries;
}

// An open handle of a folder for the time of one phase.
class FolderFd
{
public:
    explicit FolderFd(const QByteArray &path)
        : m_fd(path.isEmpty() ? -1 : ::open(path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC))
    {}
    ~FolderFd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderFd(const FolderFd &) = delete;
    FolderFd &operator=(const FolderFd &) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// The renames of one folder: planned first (who waits for whom, which rows form cycles),
// then carried out.
class FolderChains
{
public:
    FolderChains(const FileRows &rows, quint32 folder, const std::vector<int> &rowIndices,
                 bool checkFiles)
        : m_rows(rows), m_path(rows.folders[folder].rawPath), m_device(rows.folders[folder].device),
          m_checkFiles(checkFiles)
    {
        m_movers.reserve(rowIndices.size());
        for (const int row : rowIndices) {
            Mover m;
            m.row = row;
            const FileRow &r = rows.rows[size_t(row)];
            m.oldName = encodeFileName(r.loadedName);
            m.plainOldName = !m.oldName.isEmpty() && m.oldName != "." && m.oldName != ".." &&
                             !m.oldName.contains('/') && !m.oldName.contains('\0');
            m.inode = r.inode;
            const QString refused = refusedNameReason(r.newName);
            if (refused.isEmpty())
                m.target = encodeFileName(r.newName);
            else
                fail(m, refused);
            m_movers.push_back(std::move(m));
        }
    }

    int cycleCount() const { return int(m_cycles.size()); }

    // The temporary name of each cycle's first member, for the journal.
    void addParkedNames(BatchJournal::ParkedNames &parked) const
    {
        for (size_t c = 0; c < m_cycles.size(); ++c)
            parked.push_back({m_movers[size_t(m_cycles[c].front())].row, m_parkedNames[c]});
    }

    void plan()
    {
        const FolderFd dir(m_path);
        if (dir.fd() >= 0)
            link(dir.fd());
        findCycles();
        for (size_t c = 0; c < m_cycles.size(); ++c)
            m_parkedNames.push_back(freeTemporaryName(dir.fd()));
        m_firstPred.assign(m_movers.size() + 1, 0);
        for (const Mover &m : m_movers)
            if (m.next >= 0)
                ++m_firstPred[size_t(m.next) + 1];
        for (size_t i = 1; i < m_firstPred.size(); ++i)
            m_firstPred[i] += m_firstPred[i - 1];
        m_preds.resize(size_t(m_firstPred.back()));
        std::vector<int> fill(m_firstPred.begin(), m_firstPred.end() - 1);
        for (size_t i = 0; i < m_movers.size(); ++i)
            if (m_movers[i].next >= 0)
                m_preds[size_t(fill[size_t(m_movers[i].next)]++)] = int(i);
    }

    void run(StepCounter &steps, BatchJournal &journal, BatchResult &result)
    {
        m_journal = &journal;
        const FolderFd dir(m_path);
        m_fd = dir.fd();
        for (size_t i = 0; i < m_movers.size(); ++i) {
            Mover &m = m_movers[i];
            if (m.next >= 0 || m.inCycle)
                continue;
            if (m.state == State::Waiting)
                move(m);
            steps.step();
            settleWaiting(int(i), steps);
        }
        for (size_t c = 0; c < m_cycles.size(); ++c) {
            const std::vector<int> &cycle = m_cycles[c];
            rotate(cycle, m_parkedNames[c]);
            for (size_t j = 0; j <= cycle.size(); ++j)
                steps.step(); // each member and the temporary step
            for (const int member : cycle)
                settleWaiting(member, steps);
        }
        for (const Mover &m : m_movers) {
            if (m.state == State::Done)
                ++result.renamed;
            else
                result.failures.push_back({m.row, m.error});
        }
        m_fd = -1;
    }

private:
    static void fail(Mover &m, const QString &error)
    {
        m.state = State::Failed;
        m.error = error;
    }

    const QString &loadedName(const Mover &m) const
    {
        return m_rows.rows[size_t(m.row)].loadedName;
    }
    const QString &newName(const Mover &m) const { return m_rows.rows[size_t(m.row)].newName; }

    // Points each mover at the mover whose old name its new name is: the same bytes, or,
    // where the file system folds case, a spelling of the same name that reaches that file.
    void link(int fd)
    {
        QHash<QByteArray, int> byOldName;
        byOldName.reserve(qsizetype(m_movers.size()));
        for (size_t i = 0; i < m_movers.size(); ++i)
            byOldName.insert(m_movers[i].oldName, int(i));
        OtherSpellings spellings(fd, m_movers);
        for (size_t i = 0; i < m_movers.size(); ++i) {
            Mover &m = m_movers[i];
            if (m.state != State::Waiting)
                continue;
            const auto sameBytes = byOldName.constFind(m.target);
            if (sameBytes != byOldName.cend()) {
                if (*sameBytes != int(i))
                    m.next = *sameBytes;
                continue;
            }
            const int k = spellings.moverReachedBy(m.target, newName(m));
            if (k >= 0 && k != int(i) &&
                loadedName(m_movers[size_t(k)]).compare(newName(m), Qt::CaseInsensitive) == 0)
                m.next = k;
        }
    }

    // Which mover's file a name that is no mover's old name reaches, where the file system
    // takes another spelling for it. What it needs is read at the first need only.
    class OtherSpellings
    {
    public:
        OtherSpellings(int fd, const std::vector<Mover> &movers) : m_fd(fd), m_movers(movers) {}

        // The same device and inode; or, since FUSE file systems may give each spelling its
        // own inode number, a name that is no entry of the folder itself but a mover's old
        // name ignoring case. -1 for a free name and for another file.
        int moverReachedBy(const QByteArray &name, const QString &decoded)
        {
            struct stat st;
            if (m_fd < 0 || ::fstatat(m_fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
                return -1; // free, or the rename will say why not
            if (!m_read)
                read();
            const int k = m_byFile.value({quint64(st.st_dev), quint64(st.st_ino)}, -1);
            if (k >= 0 || !m_listed || m_entries.contains(name))
                return k;
            return m_byFoldedName.value(decoded.toCaseFolded(), -1);
        }

    private:
        void read()
        {
            m_read = true;
            for (size_t k = 0; k < m_movers.size(); ++k) {
                struct stat old;
                if (::fstatat(m_fd, m_movers[k].oldName.constData(), &old, AT_SYMLINK_NOFOLLOW) ==
                    0)
                    m_byFile.insert({quint64(old.st_dev), quint64(old.st_ino)}, int(k));
                m_byFoldedName.insert(decodeFileName(m_movers[k].oldName).toCaseFolded(), int(k));
            }
            const int listFd = ::openat(m_fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            DIR *dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
            if (!dir) {
                if (listFd >= 0)
                    ::close(listFd);
                return;
            }
            while (const dirent *entry = ::readdir(dir))
                m_entries.insert(QByteArray(entry->d_name));
            ::closedir(dir);
            m_listed = true;
        }

        int m_fd;
        const std::vector<Mover> &m_movers;
        bool m_read = false;
        bool m_listed = false; // the folder's entries could be read
        QHash<std::pair<quint64, quint64>, int> m_byFile;
        QHash<QString, int> m_byFoldedName;
        QSet<QByteArray> m_entries;
    };

    // Each mover has at most one successor, so every cycle is found by walking from each
    // mover until a mover seen before.
    void findCycles()
    {
        std::vector<int> walkOf(m_movers.size(), -1);
        for (size_t s = 0; s < m_movers.size(); ++s) {
            int v = int(s);
            while (v >= 0 && walkOf[size_t(v)] < 0) {
                walkOf[size_t(v)] = int(s);
                v = m_movers[size_t(v)].next;
            }
            if (v < 0 || walkOf[size_t(v)] != int(s))
                continue;
            std::vector<int> cycle;
            int u = v;
            do {
                m_movers[size_t(u)].inCycle = true;
                cycle.push_back(u);
                u = m_movers[size_t(u)].next;
            } while (u != v);
            m_cycles.push_back(std::move(cycle));
        }
    }

    // from and toBytes are the bytes of both names; plain: both are one name of this folder,
    // as listed, as the checks accepted it or as chosen for a temporary name. A step of plain
    // names is tried as one system call first; one that fails goes the whole way, which
    // tries again, says why and takes the ways around a file system without RENAME_NOREPLACE.
    bool renameStep(const QByteArray &from, const QByteArray &toBytes, const QString &to,
                    bool plain, QString &error)
    {
        const bool renamed =
            plain && m_fd >= 0 &&
            ::renameat2(m_fd, from.constData(), m_fd, toBytes.constData(), RENAME_NOREPLACE) == 0;
        if (!renamed && !renameInFolder(m_path, from, to, error, m_fd))
            return false;
        m_journal->renamed();
        return true;
    }

    // With files checked (an undo), whether m's old name still holds the file of the plan.
    bool stillTheFile(const Mover &m, QString &error) const
    {
        if (!m_checkFiles)
            return true;
        struct stat st;
        if (m.inode != 0 && m_fd >= 0 &&
            ::fstatat(m_fd, m.oldName.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            quint64(st.st_dev) == m_device && quint64(st.st_ino) == m.inode)
            return true;
        error = changedFileText();
        return false;
    }

    // Renames m to its new name; false with m's error set.
    bool moveToTarget(Mover &m, QString &error)
    {
        if (!stillTheFile(m, error) ||
            !renameStep(m.oldName, m.target, newName(m), m.plainOldName, error))
            return false;
        m.state = State::Done;
        return true;
    }

    void move(Mover &m)
    {
        QString error;
        if (!moveToTarget(m, error))
            fail(m, error);
    }

    // Once mover start is settled, the movers waiting for it (and those waiting for them)
    // are renamed, or fail naming the file that is still in their way.
    void settleWaiting(int start, StepCounter &steps)
    {
        std::vector<int> settled{start};
        while (!settled.empty()) {
            const int n = settled.back();
            settled.pop_back();
            const Mover &blocker = m_movers[size_t(n)];
            for (int k = m_firstPred[size_t(n)]; k < m_firstPred[size_t(n) + 1]; ++k) {
                Mover &p = m_movers[size_t(m_preds[size_t(k)])];
                if (p.inCycle)
                    continue;
                if (blocker.state == State::Done)
                    move(p);
                else
                    fail(p, blockedByText(loadedName(blocker)));
                steps.step();
                settled.push_back(m_preds[size_t(k)]);
            }
        }
    }

    // Whether the folder's entries are read once rather than each temporary name looked up:
    // thousands of look-ups of names that are not there took longer than the renames of the
    // cycles above a C loop. A look-up costs about as much as reading twenty entries, and a
    // folder's size is about twenty bytes an entry or more (zero where it is not known).
    bool readFolderForTemporaryNames(int fd) const
    {
        struct stat st;
        return m_cycles.size() >= 32 && fd >= 0 && ::fstat(fd, &st) == 0 &&
               quint64(st.st_size) <= quint64(m_cycles.size()) * 20 * 20;
    }

    // A temporary name that no entry and no new name of the folder has, chosen before the
    // journal is written so that the journal names it before it is used.
    QByteArray freeTemporaryName(int fd)
    {
        if (!m_temporariesChecked) {
            m_temporariesChecked = true;
            m_parkingStem = parkingStem(); // asked once: each ask is a system call
            const QString prefix = QString::fromLatin1(kParkingPrefix);
            for (const Mover &other : m_movers) {
                if (!newName(other).startsWith(u'.'))
                    continue;
                const QString folded = newName(other).toCaseFolded();
                if (folded.startsWith(prefix))
                    m_newNamesLikeParking.insert(folded);
            }
            if (readFolderForTemporaryNames(fd))
                m_parkingLikeEntries = entriesLikeParkingNames(fd);
        }
        QByteArray name;
        for (int attempt = 0; attempt < 100; ++attempt) {
            name = parkingName(m_parkingStem);
            if (!m_newNamesLikeParking.isEmpty() &&
                m_newNamesLikeParking.contains(QString::fromLatin1(name)))
                continue;
            struct stat st;
            if (m_parkingLikeEntries
                    ? !m_parkingLikeEntries->contains(name)
                    : fd < 0 || ::fstatat(fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
                break;
        }
        return name;
    }

    // c[j]'s new name is c[j + 1]'s old name and the last one's is c[0]'s. c[0] is parked,
    // the others move from the end, and c[0] takes c[1]'s old name last. When a step fails,
    // the steps done are moved back so that no file stays under the temporary name.
    void rotate(const std::vector<int> &cycle, const QByteArray &parked)
    {
        const size_t k = cycle.size();
        const auto at = [&](size_t j) -> Mover & { return m_movers[size_t(cycle[j])]; };
        QString error;
        // Taken since it was chosen, the temporary name fails the cycle: another name could
        // not be journaled before its use.
        if (!stillTheFile(at(0), error) ||
            !renameStep(at(0).oldName, parked, QString::fromLatin1(parked), at(0).plainOldName,
                        error)) {
            fail(at(0), error);
            for (size_t j = 1; j < k; ++j)
                fail(at(j), blockedByText(loadedName(at((j + 1) % k))));
            return;
        }
        size_t failed = 0; // 0: the last step, from the temporary name
        for (size_t j = k - 1; j >= 1; --j) {
            if (!moveToTarget(at(j), error)) {
                failed = j;
                break;
            }
        }
        if (failed == 0) {
            if (renameStep(parked, at(0).target, newName(at(0)), true, error)) {
                at(0).state = State::Done;
                return;
            }
        }
        const QString blocked = blockedByText(loadedName(at(failed)));
        fail(at(failed), error);
        size_t undone = failed + 1;
        QString ignored;
        for (; undone < k; ++undone) {
            if (!renameStep(at(undone).target, at(undone).oldName, loadedName(at(undone)),
                            at(undone).plainOldName, ignored))
                break;
            fail(at(undone), blocked);
        }
        for (size_t j = 1; j < failed; ++j)
            fail(at(j), blocked);
        if (failed != 0)
            fail(at(0), blocked);
        if (undone < k ||
            !renameStep(parked, at(0).oldName, loadedName(at(0)), at(0).plainOldName, ignored))
            at(0).error += QStringLiteral("; the file is left under the temporary name \"%1\"")
                               .arg(QString::fromLatin1(parked));
    }

    const FileRows &m_rows;
    QByteArray m_path;
    quint64 m_device;
    bool m_checkFiles;
    int m_fd = -1;
    BatchJournal *m_journal = nullptr;
    std::vector<Mover> m_movers;
    std::vector<std::vector<int>> m_cycles;
    std::vector<QByteArray> m_parkedNames; // one per cycle
    std::vector<int> m_firstPred, m_preds; // movers waiting for mover i: m_preds[m_firstPred[i]..]
    bool m_temporariesChecked = false;     // the three below are filled
    QByteArray m_parkingStem;
    QSet<QString> m_newNamesLikeParking; // case-folded new names with the temporary prefix
    std::optional<QSet<QByteArray>> m_parkingLikeEntries; // read for many cycles
};

} // namespace

namespace {

BatchResult renameInChains(const FileRows &rows, const BatchProgress &progress,
                           const QString &undoes, const BatchStop *stop)
{
    BatchResult result;
    std::vector<std::vector<int>> byFolder(rows.folders.size());
    int others = 0;
    for (int i = 0; i < rows.count(); ++i) {
        const FileRow &row = rows.rows[size_t(i)];
        if (row.checked && row.newName == row.loadedName)
            ++result.unchanged;
        if (!row.checked || row.newName == row.loadedName)
            ++others;
        else
            byFolder[row.folder].push_back(i);
    }
    std::vector<FolderChains> plans;
    BatchJournal::ParkedNames parked;
    std::vector<const std::vector<int> *> planRows;
    int cycles = 0;
    for (size_t f = 0; f < byFolder.size(); ++f) {
        if (byFolder[f].empty())
            continue;
        planRows.push_back(&byFolder[f]);
        plans.emplace_back(rows, quint32(f), byFolder[f], !undoes.isEmpty());
        plans.back().plan();
        plans.back().addParkedNames(parked);
        cycles += plans.back().cycleCount();
    }
    std::sort(parked.begin(), parked.end());
    BatchJournal journal;
    if (!journal.begin(rows, result.journalError, parked, undoes)) {
        result.unchanged = 0;
        return result;
    }
    StepCounter steps(progress, rows.count() + cycles);
    for (int i = 0; i < others; ++i)
        steps.step();
    for (size_t p = 0; p < plans.size(); ++p) {
        if (stop && stop->load(std::memory_order_relaxed)) {
            for (const int row : *planRows[p]) {
                ++result.cancelled;
                journal.notAttempted(row);
            }
            continue;
        }
        plans[p].run(steps, journal, result);
    }
    std::sort(result.failures.begin(), result.failures.end(),
              [](const RenameFailure &a, const RenameFailure &b) { return a.row < b.row; });
    journal.finish(result);
    return result;
}

} // namespace

BatchResult renameCheckedFilesInChains(const FileRows &rows, const BatchProgress &progress,
                                       const BatchStop *stop)
{
    return renameInChains(rows, progress, {}, stop);
}

BatchResult renameRowsBack(const FileRows &rows, const QString &undoes)
{
    return renameInChains(rows, {}, undoes, nullptr);
}
