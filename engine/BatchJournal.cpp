#include "engine/BatchJournal.h"

#include "engine/BatchRename.h"
#include "engine/FileNames.h"
#include "engine/FileRows.h"
#include "engine/RenameOperation.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <csignal>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

void identify(int folderFd, JournalRow &row)
{
    struct stat st;
    if (folderFd >= 0 &&
        ::fstatat(folderFd, row.oldName.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        row.device = quint64(st.st_dev);
        row.inode = quint64(st.st_ino);
    }
}

// Adds folder to the entry unless it is already its last one; returns its index.
quint32 folderIndex(JournalEntry &entry, const QByteArray &folder)
{
    if (entry.folders.empty() || entry.folders.back() != folder)
        entry.folders.push_back(folder);
    return quint32(entry.folders.size() - 1);
}

} // namespace

bool BatchJournal::begin(const FileRows &rows, QString &error)
{
    JournalEntry entry;
    entry.kind = JournalKind::Batch;
    qint64 openIndex = -1;
    int folderFd = -1;
    for (int i = 0; i < rows.count(); ++i) {
        const FileRow &row = rows.rows[size_t(i)];
        // The rows the batch passes to the system; the others change nothing.
        if (!row.checked || row.newName == row.loadedName ||
            !refusedNameReason(row.newName).isEmpty())
            continue;
        const FileFolder &folder = rows.folders[row.folder];
        if (openIndex != qint64(row.folder)) {
            if (folderFd >= 0)
                ::close(folderFd);
            folderFd = ::open(folder.rawPath.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
            openIndex = row.folder;
        }
        JournalRow &planned = entry.rows.emplace_back();
        planned.folder = folderIndex(entry, absoluteFolder(folder.rawPath));
        planned.oldName = row.nameBytes();
        planned.newName = encodeFileName(row.newName);
        identify(folderFd, planned);
        m_planRows.push_back(i);
    }
    if (folderFd >= 0)
        ::close(folderFd);
    if (entry.rows.empty())
        return true;
    m_begun = m_writer.begin(entry, error);
    m_killAfter = qEnvironmentVariableIntValue("QUIREWELL_TEST_KILL_AFTER");
    return m_begun;
}

void BatchJournal::killNow()
{
    std::raise(SIGKILL);
    std::abort();
}

void BatchJournal::finish(BatchResult &result)
{
    if (!m_begun)
        return;
    JournalOutcome outcome;
    outcome.renamed = result.renamed;
    outcome.failed = int(result.failures.size());
    outcome.unchanged = result.unchanged;
    for (const RenameFailure &failure : result.failures) {
        const auto planned = std::lower_bound(m_planRows.begin(), m_planRows.end(), failure.row);
        if (planned != m_planRows.end() && *planned == failure.row)
            outcome.failures.push_back({quint32(planned - m_planRows.begin()), failure.error});
    }
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
    const int folderFd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    identify(folderFd, row);
    if (folderFd >= 0)
        ::close(folderFd);

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
