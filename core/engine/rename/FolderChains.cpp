#include "core/engine/rename/FolderChains.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/rename/ChainRename.h"
#include "core/engine/rename/OtherSpellings.h"
#include "core/engine/rename/RenameOperation.h"
#include "core/system/FileDescriptor.h"
#include "core/system/FileRename.h"
#include "core/system/FileSystem.h"

#include <QHash>

namespace {

// An open handle of a folder for the time of one phase; none for an empty path.
FileDescriptor openPhaseFolder(const QByteArray &path)
{
    return path.isEmpty() ? FileDescriptor() : FileSystem::openFolderHandle(path.constData());
}

} // namespace

FolderChains::FolderChains(const FileRows &rows, quint32 folder, const std::vector<int> &rowIndices,
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

void FolderChains::addParkedNames(BatchJournal::ParkedNames &parked) const
{
    for (size_t c = 0; c < m_cycles.size(); ++c)
        parked.push_back({m_movers[size_t(m_cycles[c].front())].row, m_parkedNames[c]});
}

void FolderChains::plan()
{
    const FileDescriptor dir = openPhaseFolder(m_path);
    if (dir)
        link(dir.get());
    findCycles();
    if (!m_cycles.empty())
        m_parking.prepare(dir.get(), m_cycles.size(), m_rows, m_movers);
    for (size_t c = 0; c < m_cycles.size(); ++c)
        m_parkedNames.push_back(m_parking.freeName(dir.get()));
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

void FolderChains::run(StepCounter &steps, BatchJournal &journal, BatchResult &result)
{
    m_journal = &journal;
    const FileDescriptor dir = openPhaseFolder(m_path);
    m_fd = dir.get();
    for (size_t i = 0; i < m_movers.size(); ++i) {
        Mover &m = m_movers[i];
        if (m.next >= 0 || m.inCycle)
            continue;
        if (m.state == MoverState::Waiting)
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
        if (m.state == MoverState::Done)
            ++result.renamed;
        else
            result.failures.push_back({m.row, m.error});
    }
    m_fd = -1;
}

void FolderChains::fail(Mover &m, const QString &error)
{
    m.state = MoverState::Failed;
    m.error = error;
}

const QString &FolderChains::loadedName(const Mover &m) const
{
    return m_rows.rows[size_t(m.row)].loadedName;
}

const QString &FolderChains::newName(const Mover &m) const
{
    return m_rows.rows[size_t(m.row)].newName;
}

// Points each mover at the mover whose old name its new name is: the same bytes, or, where
// the file system folds case, a spelling of the same name that reaches that file.
void FolderChains::link(int fd)
{
    QHash<QByteArray, int> byOldName;
    byOldName.reserve(qsizetype(m_movers.size()));
    for (size_t i = 0; i < m_movers.size(); ++i)
        byOldName.insert(m_movers[i].oldName, int(i));
    OtherSpellings spellings(fd, m_movers);
    for (size_t i = 0; i < m_movers.size(); ++i) {
        Mover &m = m_movers[i];
        if (m.state != MoverState::Waiting)
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

// Each mover has at most one successor, so every cycle is found by walking from each mover
// until a mover seen before.
void FolderChains::findCycles()
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

// from and toBytes are the bytes of both names; plain: both are one name of this folder, as
// listed, as the checks accepted it or as chosen for a temporary name. A step of plain names
// is tried as one system call first; one that fails goes the whole way, which tries again,
// says why and takes the ways around a file system without RENAME_NOREPLACE.
bool FolderChains::renameStep(const QByteArray &from, const QByteArray &toBytes, const QString &to,
                              bool plain, QString &error)
{
    const bool renamed =
        plain && m_fd >= 0 &&
        FileRename::renameNoReplace(m_fd, from.constData(), toBytes.constData()) == 0;
    if (!renamed && !renameInFolder(m_path, from, to, error, m_fd))
        return false;
    m_journal->renamed();
    return true;
}

// With files checked (an undo), whether m's old name still holds the file of the plan.
bool FolderChains::stillTheFile(const Mover &m, QString &error) const
{
    if (!m_checkFiles)
        return true;
    FileSystem::FileStatus status;
    if (m.inode != 0 && m_fd >= 0 &&
        FileSystem::statusAt(m_fd, m.oldName.constData(), status) == 0 &&
        status.device == m_device && status.inode == m.inode)
        return true;
    error = changedFileText();
    return false;
}

// Renames m to its new name; false with m's error set.
bool FolderChains::moveToTarget(Mover &m, QString &error)
{
    if (!stillTheFile(m, error) ||
        !renameStep(m.oldName, m.target, newName(m), m.plainOldName, error))
        return false;
    m.state = MoverState::Done;
    return true;
}

void FolderChains::move(Mover &m)
{
    QString error;
    if (!moveToTarget(m, error))
        fail(m, error);
}

// Once mover start is settled, the movers waiting for it (and those waiting for them) are
// renamed, or fail naming the file that is still in their way.
void FolderChains::settleWaiting(int start, StepCounter &steps)
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
            if (blocker.state == MoverState::Done)
                move(p);
            else
                fail(p, blockedByText(loadedName(blocker)));
            steps.step();
            settled.push_back(m_preds[size_t(k)]);
        }
    }
}

// c[j]'s new name is c[j + 1]'s old name and the last one's is c[0]'s. c[0] is parked, the
// others move from the end, and c[0] takes c[1]'s old name last. When a step fails, the
// steps done are moved back so that no file stays under the temporary name.
void FolderChains::rotate(const std::vector<int> &cycle, const QByteArray &parked)
{
    const size_t k = cycle.size();
    const auto at = [&](size_t j) -> Mover & { return m_movers[size_t(cycle[j])]; };
    QString error;
    // Taken since it was chosen, the temporary name fails the cycle: another name could not
    // be journaled before its use.
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
            at(0).state = MoverState::Done;
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
