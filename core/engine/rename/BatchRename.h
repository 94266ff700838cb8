#pragma once

#include <QString>

#include <atomic>
#include <functional>
#include <vector>

class FileRows;

// Index of the first row of a pair whose new names are equal ignoring case, or -1.
// Linear in the number of rows.
int findDuplicateNewName(const FileRows &rows);

// The texts of the batch rename, exactly as the user sees them.
namespace BatchTexts {
QString noFiles();    // "No Files in the List to Rename."
QString duplicates(); // "Could Not Rename Files as New File Names have Duplicate Names."
QString noChecked();  // "No Checked Files to Rename."
QString confirm(int checkedCount);
QString journalFailed(const QString &reason);
QString notAttempted(); // the journal's reason for a row the batch was stopped before
} // namespace BatchTexts

struct RenameFailure
{
    int row;
    QString error;
};

struct BatchResult
{
    int renamed = 0;
    int unchanged = 0; // checked rows whose new name equals the loaded name
    int cancelled = 0; // checked rows not renamed because the batch was stopped before them
    std::vector<RenameFailure> failures;
    QString journalId;    // the journal entry of the batch; empty when none was written
    QString journalError; // why the journal could not be written (then nothing was renamed)
                          // or completed
};

// How the front end asks and shows. The desktop view answers with message boxes,
// quirewell-cli on the terminal.
class BatchPrompter
{
public:
    enum class Answer
    {
        Yes,
        No,
        Cancel
    };
    virtual ~BatchPrompter() = default;
    virtual void warn(const QString &message) = 0;   // warning icon, OK
    virtual Answer ask(const QString &question) = 0; // question icon, Yes/No/Cancel
};

enum class BatchOutcome
{
    RefusedEmpty,
    RefusedDuplicates,
    RefusedNoChecked,
    Declined,      // No or Cancel: nothing changed
    Ran,           // renames attempted; the caller reloads the list
    JournalFailed, // the journal could not be written: nothing renamed
};

// Progress of the renames: (rows done, rows in all). May be empty.
using BatchProgress = std::function<void(int done, int total)>;

// Set from anywhere (a key, a signal handler) to stop a batch after its current rename; the
// journal then records the rows left as not renamed.
using BatchStop = std::atomic<bool>;

// Renames every checked row to its new name, in list order; a failed row is recorded and
// the loop goes on. Rows are not changed. The batch is journaled first (BatchJournal); when
// that fails, nothing is renamed and result.journalError says why.
BatchResult RenameCheckedFiles(const FileRows &rows, const BatchProgress &progress = {},
                               const BatchStop *stop = nullptr);

// The whole batch command: empty list, duplicates (unless the rows were listed with their
// sub-folders, where files of several folders may share a name), no checked row,
// confirmation, renames. result receives the renames' outcome when the outcome is Ran.
BatchOutcome runBatchRename(const FileRows &rows, bool subFoldersListed, BatchPrompter &prompter,
                            BatchResult *result = nullptr, const BatchProgress &progress = {});
// The same; with resolveChains set the renames go through renameCheckedFilesInChains
// (ChainRename.h), so that chains, swaps and rotations of names succeed.
BatchOutcome runBatchRename(const FileRows &rows, bool subFoldersListed, bool resolveChains,
                            BatchPrompter &prompter, BatchResult *result = nullptr,
                            const BatchProgress &progress = {}, const BatchStop *stop = nullptr);
