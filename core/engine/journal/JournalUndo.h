#pragma once

#include "core/engine/journal/JournalStore.h"
#include "core/engine/rename/BatchRename.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What became of a planned rename, told by device and inode alone, so it holds after a
// crash as well as after a finished batch.
enum class RowState
{
    Done,    // the file is at its new name
    NotDone, // the file is at its old name
    Parked,  // the file is at the temporary name of its row (the batch stopped mid-cycle)
    Changed, // none of these: someone else moved, replaced or removed it; or its folder's path
             // names another folder now
    Unknown  // a name could not be looked at (no permission, say): nothing is known of it
};
RowState classifyRow(const JournalEntry &entry, const JournalRow &row);

// Whether each folder of the entry is still the one the batch renamed in (the device and
// inode it recorded). A journal that recorded none (before version 4) is taken as it reads.
std::vector<bool> foldersInPlace(const JournalEntry &entry);

struct RowCounts
{
    int done = 0; // parked files included: they were moved too
    int notDone = 0;
    int changed = 0; // unknown ones included
};
RowCounts classifyEntry(const JournalEntry &entry);

// A row that the undo leaves as it is, and why.
struct UndoProblem
{
    QByteArray path; // where the file was expected
    QString reason;
};

// A newer batch that the undo given no id passed over, so that its question can say so.
struct PassedOverBatch
{
    QString id; // empty: none
    qint64 time = 0;
    QByteArray folder; // the entry's commonFolder()
};

// The undo of one entry, worked out before anything is renamed.
struct UndoPlan
{
    JournalEntry original;
    JournalEntry reverse; // kind Undo: the done rows, newest first, new name (or temporary
                          // name) -> old name (an old name still taken is found when the
                          // rename comes)
    int notDone = 0;      // rows the batch never renamed: nothing to do
    std::vector<UndoProblem> leftAlone;
    int lost = 0;    // of leftAlone, the files someone else moved, replaced or removed: no undo
                     // can bring them back
    QString alsoEnd; // an interrupted undo that this one completes (ended as kept)
    // planDefaultUndo only: the newest batch passed over because it renamed nothing, and the
    // newer entries passed over because they were refused (why, naming each).
    PassedOverBatch renamedNothing;
    QStringList refused;
};
UndoPlan planUndo(JournalEntry original);

struct UndoResult
{
    QString undoId; // the undo's own journal entry; empty when nothing was renamed
    int restored = 0;
    bool stopped = false; // stopped before some of the rows: the original is not ended
    std::vector<UndoProblem> leftAlone; // the plan's and the renames' that failed
    QString error;                      // the journal could not be written: nothing was renamed
};
// Renames the plan's rows back with the never-overwriting rename, each only while its new
// name still holds the same file, journaled as a batch of its own; then ends the original
// entry as undone if every file came back but those lost. Otherwise it stays undoable, and an
// undo by its id tries the files left again. The renames go in the order that chains, swaps and
// rotations need (renameRowsBack), so that any batch undoes completely. A stopped undo (seen
// between folders) leaves the original entry open, so that the rest can be undone later.
UndoResult runUndo(const UndoPlan &plan, const BatchProgress &progress = {},
                   const BatchStop *stop = nullptr);

// The entry the undo command takes when given no id: the newest one neither undone nor
// kept that is not running, passing over batches that renamed nothing and entries refused as
// not valid (the plan names both). An interrupted undo is resumed: the entry it was undoing is
// taken, and the plan ends the interrupted one too. Nothing, with error, when there is none
// (the error names the entries refused).
std::optional<UndoPlan> planDefaultUndo(QString &error);
// Whether planDefaultUndo has a batch to take, judged from the entries' last lines alone
// (quick whatever the size of the batches): the newest entry neither ended nor running that
// renamed something or was cut off. Such a batch still counts when its files were all changed
// since; the undo then says that there is nothing to rename back.
bool hasBatchToUndo();
// The same for a given id.
std::optional<UndoPlan> planUndoOf(const QString &id, QString &error);

// Ends an interrupted entry keeping its renames ("Keep them").
bool keepEntry(const QString &id, QString &error);

// The interrupted entries not being written by anyone, newest first; unreadable entries are
// not among them.
std::vector<JournalEntry> interruptedEntries();
