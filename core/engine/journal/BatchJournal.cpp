#include "core/engine/journal/BatchJournal.h"

#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/rename/BatchRename.h"
#include "core/engine/rename/RenameOperation.h"
#include "core/system/FileSystem.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <atomic>
#include <tuple>

namespace {

// The journal names folders by their absolute path, so that an undo from another working
// folder finds them.
QByteArray absoluteFolder(const QByteArray &folder)
{
    if (folder.startsWith('/'))
        return folder;
    QByteArray cwd = QFile::encodeName(QDir::currentPath());
    if (!cwd.endsWith('/'))
        cwd += '/';
    return cwd + folder;
}

// The device and inode of name in the folder, or zeros when it cannot be looked at.
std::pair<quint64, quint64> identify(int folderFd, const QByteArray &name)
{
    FileSystem::FileStatus status;
    if (folderFd >= 0 && FileSystem::statusAt(folderFd, name.constData(), status) == 0)
        return {status.device, status.inode};
    return {0, 0};
}

std::atomic<BatchJournal::AfterRename> g_afterRenameHook{nullptr};

} // namespace

bool BatchJournal::begin(const FileRows &rows, QString &error, const ParkedNames &parked,
                         const QString &undoes)
{
    // The plan's text is built straight from the rows: a batch of many files spends no more
    // than a copy of each name on it.
    JournalFormat::PlanBody body;
    body.reserve(rows.count());
    m_planRows.reserve(size_t(rows.count()));
    qint64 lastFolder = -1;
    quint32 folderCount = 0;
    FileDescriptor folderFd;
    QByteArray oldName;
    auto nextParked = parked.begin();
    for (int i = 0; i < rows.count(); ++i) {
        const FileRow &row = rows.rows[size_t(i)];
        // The rows the batch passes to the system; the others change nothing.
        if (!row.checked || row.newName == row.loadedName || !isAcceptedName(row.newName))
            continue;
        const FileFolder &folder = rows.folders[row.folder];
        if (qint64(row.folder) != lastFolder) {
            lastFolder = row.folder;
            const QByteArray path = absoluteFolder(folder.rawPath);
            body.addFolder(path, JournalStore::folderIdentity(path));
            ++folderCount;
            folderFd.reset();
        }
        encodeFileName(row.loadedName, oldName);
        // The file as the listing found it, which spares a look-up per row; rows that did
        // not come from a listing are looked at now.
        std::pair<quint64, quint64> id{folder.device, row.inode};
        if (row.inode == 0 || folder.device == 0) {
            if (!folderFd)
                folderFd = FileSystem::openFolderHandle(folder.rawPath.constData());
            id = identify(folderFd.get(), oldName);
        }
        body.addRow(folderCount - 1, id.first, id.second, oldName, row.newName);
        m_planRows.push_back(i);
        while (nextParked != parked.end() && nextParked->first < i)
            ++nextParked;
        if (nextParked != parked.end() && nextParked->first == i)
            body.parkLastRow(nextParked->second);
    }
    folderFd.reset();
    if (m_planRows.empty())
        return true;
    JournalEntry entry;
    entry.kind = undoes.isEmpty() ? JournalKind::Batch : JournalKind::Undo;
    entry.undoes = undoes;
    m_begun = m_writer.begin(entry, body, error);
    m_afterRename = g_afterRenameHook.load(std::memory_order_relaxed);
    return m_begun;
}

void BatchJournal::setAfterRenameHook(AfterRename hook)
{
    g_afterRenameHook.store(hook, std::memory_order_relaxed);
}

void BatchJournal::finish(BatchResult &result)
{
    if (!m_begun)
        return;
    JournalOutcome outcome;
    outcome.renamed = result.renamed;
    outcome.failed = int(result.failures.size());
    outcome.unchanged = result.unchanged;
    const auto record = [&](int row, const QString &reason) {
        const auto planned = std::lower_bound(m_planRows.begin(), m_planRows.end(), row);
        if (planned != m_planRows.end() && *planned == row)
            outcome.failures.push_back({quint32(planned - m_planRows.begin()), reason});
    };
    for (const RenameFailure &failure : result.failures)
        record(failure.row, failure.error);
    // Rows the batch never reached count as failed, so that an undo leaves them alone.
    for (const int row : m_notAttempted)
        record(row, BatchTexts::notAttempted());
    if (!m_notAttempted.empty()) {
        std::sort(outcome.failures.begin(), outcome.failures.end(),
                  [](const JournalFailure &a, const JournalFailure &b) { return a.row < b.row; });
    }
    outcome.cancelled = result.cancelled;
    result.journalId = m_writer.id();
    QString error;
    if (!m_writer.finish(outcome, error))
        result.journalError = error;
}

bool renameSingleFile(const QByteArray &folder, const QByteArray &oldName, const QString &newName,
                      QString &error)
{
    error = refusedNameReason(newName);
    if (!error.isEmpty())
        return false;
    JournalEntry entry;
    entry.kind = JournalKind::Single;
    entry.folders.push_back(absoluteFolder(folder));
    JournalRow &row = entry.rows.emplace_back();
    row.oldName = oldName;
    row.newName = encodeFileName(newName);
    const FileDescriptor folderFd = FileSystem::openFolderHandle(folder.constData());
    std::tie(row.device, row.inode) = identify(folderFd.get(), oldName);

    JournalStore::Writer writer;
    if (!writer.begin(entry, error))
        return false;
    const bool renamed = renameInFolder(folder, oldName, newName, error);
    JournalOutcome outcome;
    outcome.renamed = renamed ? 1 : 0;
    outcome.failed = renamed ? 0 : 1;
    if (!renamed)
        outcome.failures.push_back({0, error});
    QString ignored; // the rename's own result is what the user needs to know
    writer.finish(outcome, ignored);
    return renamed;
}
