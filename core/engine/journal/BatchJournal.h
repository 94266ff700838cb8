#pragma once

#include "core/engine/journal/JournalStore.h"

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

class FileRows;
struct BatchResult;

// The journal entry of one batch of rows: begin() writes the plan of every checked row
// whose rename will be passed to the system, before the first rename; finish() records
// what the renames gave.
class BatchJournal
{
public:
    // The temporary names a batch moves files through: (index into the rows, name), rising.
    using ParkedNames = std::vector<std::pair<int, QByteArray>>;

    // False with error when the plan could not be written: then nothing may be renamed.
    // Writes nothing (and succeeds) when no row is to be renamed. With undoes set, the entry
    // is the undo of that entry.
    bool begin(const FileRows &rows, QString &error, const ParkedNames &parked = {},
               const QString &undoes = {});
    // Records the outcome; a failure to do so is added to result.journalError. Rows given
    // to notAttempted are recorded as not renamed because the batch was stopped first.
    void finish(BatchResult &result);
    void notAttempted(int row) { m_notAttempted.push_back(row); }
    const QString &id() const { return m_writer.id(); }

    // Called after each rename that succeeded.
    void renamed()
    {
        ++m_renamesDone;
        if (m_afterRename)
            m_afterRename(m_renamesDone);
    }

    // Called with the number of renames done so far after each rename of every batch begun
    // from then on. Only the test programs install one, to stop a batch at a chosen rename
    // as a crash or a Ctrl+C would; the shipped programs leave it empty.
    using AfterRename = void (*)(int renamesDone);
    static void setAfterRenameHook(AfterRename hook);

private:
    AfterRename m_afterRename = nullptr;
    int m_renamesDone = 0;
    JournalStore::Writer m_writer;
    std::vector<int> m_planRows; // the row of each plan row, rising
    std::vector<int> m_notAttempted;
    bool m_begun = false;
};

// The single-file rename: renames oldName in folder (its bytes, ending in '/') to newName,
// journaled like a batch of one row. On failure error says why, and nothing was renamed.
bool renameSingleFile(const QByteArray &folder, const QByteArray &oldName, const QString &newName,
                      QString &error);
