#include "core/engine/rename/BatchRename.h"

#include "core/engine/journal/BatchJournal.h"
#include "core/engine/names/FileNames.h"
#include "core/engine/names/FileRows.h"
#include "core/engine/names/NameCompare.h"
#include "core/engine/rename/ChainRename.h"
#include "core/engine/rename/RenameOperation.h"
#include "core/system/FileDescriptor.h"
#include "core/system/FileRename.h"
#include "core/system/FileSystem.h"
#include "core/system/LargeBuffer.h"

#include <QChar>

#include <bit>
#include <cstring>

namespace BatchTexts {
QString noFiles()
{
    return QStringLiteral("No Files in the List to Rename.");
}
QString duplicates()
{
    return QStringLiteral("Could Not Rename Files as New File Names have Duplicate Names.");
}
QString noChecked()
{
    return QStringLiteral("No Checked Files to Rename.");
}
QString confirm(int checkedCount)
{
    return QStringLiteral("You can Preview New File Name and Current File Name from the List of "
                          "Files.\n\nRename %1 Checked Files from the List Now ?")
        .arg(checkedCount);
}
QString notAttempted()
{
    return QStringLiteral("Not renamed: the batch was cancelled before this file");
}

QString journalFailed(const QString &reason)
{
    return QStringLiteral("Nothing was renamed: the undo journal could not be written.\n\n") +
           reason;
}
} // namespace BatchTexts

int findDuplicateNewName(const FileRows &rows)
{
    const size_t n = rows.rows.size();
    if (n < 2)
        return -1;
    // Open addressing over row indices, at most half full.
    const size_t capacity = std::bit_ceil(n * 2);
    const size_t mask = capacity - 1;
    std::vector<qint32> table(capacity, -1);
    std::vector<quint32> hashes(n);
    int first = -1;
    for (size_t j = 0; j < n; ++j) {
        const QString &name = rows.rows[j].newName;
        const quint32 h = caseFoldedHash(name);
        hashes[j] = h;
        size_t slot = h & mask;
        for (;;) {
            const qint32 i = table[slot];
            if (i < 0) {
                table[slot] = qint32(j);
                break;
            }
            if (hashes[size_t(i)] == h && sameIgnoringCase(rows.rows[size_t(i)].newName, name)) {
                // The earliest row that has an equal later row, as a pairwise scan finds it.
                if (first < 0 || i < first)
                    first = i;
                break;
            }
            slot = (slot + 1) & mask;
        }
    }
    return first;
}

namespace {

// The folder of the rows being renamed, opened once for all of its rows in a row: a name
// relative to an open folder spares the system a walk of the whole path for every file.
class OpenFolder
{
public:
    // The handle of folder number index, or -1 when it cannot be opened.
    int handle(quint32 index, const QByteArray &path)
    {
        if (m_opened && index == m_index)
            return m_folder.get();
        m_folder.reset();
        m_opened = true;
        m_index = index;
        m_folder =
            path.isEmpty() ? FileDescriptor() : FileSystem::openFolderHandle(path.constData());
        return m_folder.get();
    }

private:
    FileDescriptor m_folder;
    quint32 m_index = 0;
    bool m_opened = false;
};

} // namespace

// The rows from `from` on that the batch would have passed to the system, after a stop.
void leaveRest(const FileRows &rows, int from, BatchJournal &journal, BatchResult &result)
{
    for (int i = from; i < rows.count(); ++i) {
        const FileRow &row = rows.rows[size_t(i)];
        if (row.checked && row.newName != row.loadedName) {
            ++result.cancelled;
            journal.notAttempted(i);
        }
    }
}

namespace {

// The renames of a batch in row order, with the bytes of both names of each made ready
// before the first rename, one after the other in one buffer. Between two system calls the
// loop then reads a few bytes that lie together: checking and encoding each row's names
// there, from strings spread over the heap, made a batch of 100,000 renames a tenth slower
// than the system calls alone, while doing it beforehand takes a few milliseconds.
class PreparedRenames
{
public:
    struct Rename
    {
        qint32 row;
        quint32 folder;
        qint64 names; // where the old name starts in the buffer, or one of the values below
    };
    // A checked row whose new name is its old one: moving a file onto its own name would
    // only fail with "File exists".
    static constexpr qint64 kUnchanged = -1;
    // Names the rename's own checks refuse or that need a closer look; they go the whole
    // way through renameInFolder, which says why.
    static constexpr qint64 kUnprepared = -2;

    explicit PreparedRenames(const FileRows &rows)
    {
        m_renames.reserve(size_t(rows.checkedCount()));
        m_bytes.reserve(size_t(rows.checkedCount()) * 32);
        QByteArray oldName, newName;
        for (int i = 0; i < rows.count(); ++i) {
            const FileRow &row = rows.rows[size_t(i)];
            if (!row.checked)
                continue;
            Rename &rename = m_renames.emplace_back(Rename{i, row.folder, kUnprepared});
            if (row.newName == row.loadedName) {
                rename.names = kUnchanged;
            } else if (isAcceptedName(row.newName) && encodeFileName(row.newName, newName) &&
                       encodeFileName(row.loadedName, oldName) && isPlainName(oldName)) {
                rename.names = qint64(m_bytes.size());
                m_bytes.insert(m_bytes.end(), oldName.begin(), oldName.end());
                m_bytes.push_back('\0');
                m_bytes.insert(m_bytes.end(), newName.begin(), newName.end());
                m_bytes.push_back('\0');
            }
        }
    }

    const auto &renames() const { return m_renames; }
    const char *oldName(const Rename &rename) const { return m_bytes.data() + rename.names; }
    const char *newName(const Rename &rename) const
    {
        const char *old = oldName(rename);
        return old + std::strlen(old) + 1;
    }

private:
    static bool isPlainName(const QByteArray &name)
    {
        return !name.isEmpty() && !name.contains('\0') && !name.contains('/');
    }

    std::vector<Rename, LargeBufferAllocator<Rename>> m_renames;
    std::vector<char, LargeBufferAllocator<char>> m_bytes;
};

} // namespace

BatchResult RenameCheckedFiles(const FileRows &rows, const BatchProgress &progress,
                               const BatchStop *stop)
{
    const FileSystem::LongPathScope longPaths; // the folders of a deep tree, reached once each
    BatchResult result;
    BatchJournal journal;
    if (!journal.begin(rows, result.journalError))
        return result;
    const PreparedRenames prepared(rows);
    const int total = rows.count();
    QString error;
    OpenFolder folder;
    QByteArray source; // reused from row to row
    auto next = prepared.renames().begin();
    const auto end = prepared.renames().end();
    for (int i = 0; i < total; ++i) {
        if (stop && stop->load(std::memory_order_relaxed)) {
            leaveRest(rows, i, journal, result);
            break;
        }
        if (next != end && next->row == i) {
            const PreparedRenames::Rename &rename = *next++;
            if (rename.names == PreparedRenames::kUnchanged) {
                ++result.unchanged;
            } else {
                const QByteArray &path = rows.folders[rename.folder].rawPath;
                const int fd = folder.handle(rename.folder, path);
                bool renamed = rename.names >= 0 && fd >= 0 &&
                               FileRename::renameNoReplace(fd, prepared.oldName(rename),
                                                           prepared.newName(rename)) == 0;
                if (!renamed) {
                    // The whole way, which tries again: the checks of the names, the ways
                    // around a file system without RENAME_NOREPLACE, and the reason.
                    encodeFileName(rows.rows[size_t(i)].loadedName, source);
                    renamed = renameInFolder(path, source, rows.rows[size_t(i)].newName, error, fd);
                }
                if (renamed) {
                    ++result.renamed;
                    journal.renamed();
                } else {
                    result.failures.push_back({i, error});
                }
            }
        }
        if (progress && ((i + 1) % 256 == 0 || i + 1 == total))
            progress(i + 1, total);
    }
    journal.finish(result);
    return result;
}

BatchOutcome runBatchRename(const FileRows &rows, bool subFoldersListed, BatchPrompter &prompter,
                            BatchResult *result, const BatchProgress &progress)
{
    return runBatchRename(rows, subFoldersListed, false, prompter, result, progress);
}

BatchOutcome runBatchRename(const FileRows &rows, bool subFoldersListed, bool resolveChains,
                            BatchPrompter &prompter, BatchResult *result,
                            const BatchProgress &progress, const BatchStop *stop)
{
    if (rows.count() == 0) {
        prompter.warn(BatchTexts::noFiles());
        return BatchOutcome::RefusedEmpty;
    }
    // Files of several folders may share a name, so the check is left out for them.
    if (!subFoldersListed && findDuplicateNewName(rows) >= 0) {
        prompter.warn(BatchTexts::duplicates());
        return BatchOutcome::RefusedDuplicates;
    }
    const int checked = rows.checkedCount();
    if (checked == 0) {
        prompter.warn(BatchTexts::noChecked());
        return BatchOutcome::RefusedNoChecked;
    }
    if (prompter.ask(BatchTexts::confirm(checked)) != BatchPrompter::Answer::Yes)
        return BatchOutcome::Declined;
    BatchResult ran = resolveChains ? renameCheckedFilesInChains(rows, progress, stop)
                                    : RenameCheckedFiles(rows, progress, stop);
    if (ran.journalId.isEmpty() && !ran.journalError.isEmpty()) {
        prompter.warn(BatchTexts::journalFailed(ran.journalError));
        return BatchOutcome::JournalFailed;
    }
    if (result)
        *result = std::move(ran);
    return BatchOutcome::Ran;
}
