#include "engine/BatchRename.h"

#include "engine/BatchJournal.h"
#include "engine/ChainRename.h"
#include "engine/FileNames.h"
#include "engine/FileRows.h"
#include "engine/RenameOperation.h"

#include <QChar>

#include <bit>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

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

namespace {

// A hash that agrees with QString::compare(..., Qt::CaseInsensitive): two names that compare
// equal have the same length and the same case-folded code units. Surrogates all hash alike,
// since a pair folds as one code point; names that differ there are told apart by compare().
quint32 caseFoldedHash(const QString &name)
{
    quint32 h = 2166136261u; // FNV-1a over folded UTF-16 code units
    const auto *units = reinterpret_cast<const char16_t *>(name.utf16());
    for (qsizetype k = 0; k < name.size(); ++k) {
        const char16_t c = units[k];
        char16_t folded;
        if (c < 0x80)
            folded = (c >= u'A' && c <= u'Z') ? char16_t(c | 0x20) : c;
        else if (QChar::isSurrogate(c))
            folded = 0xD800;
        else
            folded = char16_t(QChar::toCaseFolded(char32_t(c)));
        h = (h ^ folded) * 16777619u;
    }
    return h ^ quint32(name.size());
}

bool sameIgnoringCase(const QString &a, const QString &b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

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
    OpenFolder() = default;
    OpenFolder(const OpenFolder &) = delete;
    OpenFolder &operator=(const OpenFolder &) = delete;
    ~OpenFolder() { close(); }

    // The handle of folder number index, or -1 when it cannot be opened.
    int handle(quint32 index, const QByteArray &path)
    {
        if (m_opened && index == m_index)
            return m_fd;
        close();
        m_opened = true;
        m_index = index;
        m_fd = path.isEmpty() ? -1 : ::open(path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        return m_fd;
    }

private:
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    int m_fd = -1;
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

BatchResult RenameCheckedFiles(const FileRows &rows, const BatchProgress &progress,
                               const BatchStop *stop)
{
    BatchResult result;
    BatchJournal journal;
    if (!journal.begin(rows, result.journalError))
        return result;
    const int total = rows.count();
    QString error;
    OpenFolder folder;
    QByteArray source; // reused from row to row
    for (int i = 0; i < total; ++i) {
        const FileRow &row = rows.rows[size_t(i)];
        if (stop && stop->load(std::memory_order_relaxed)) {
            leaveRest(rows, i, journal, result);
            break;
        }
        if (row.checked) {
            // Moving a file onto its own name would only fail with "File exists".
            if (row.newName == row.loadedName) {
                ++result.unchanged;
            } else {
                const QByteArray &path = rows.folders[row.folder].rawPath;
                encodeFileName(row.loadedName, source);
                if (renameInFolder(path, source, row.newName, error,
                                   folder.handle(row.folder, path))) {
                    ++result.renamed;
                    journal.renamed();
                } else
                    result.failures.push_back({i, error});
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
