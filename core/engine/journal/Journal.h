#pragma once

#include "core/system/LargeBuffer.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// One batch of renames as the journal records it: written and synced before the first
// rename, completed with the outcomes afterwards, so that the batch can be undone even
// after the program was killed in the middle of it.
//
// The text format, one record a line, fields separated by one space:
//
//   quirewell-journal 4            (versions 1 to 3 are read too: version 1 has no "parked"
//                                   records, neither has "reserve"; before version 4 a folder
//                                   has no DEVICE and INODE, and there is no "cancelled")
//   id ID
//   time SECONDS                   (since the epoch, UTC)
//   kind batch|single|undo
//   undoes ID                      (kind undo only: the batch it reverses)
//   folder N DEVICE INODE PATH     (N = 0, 1, ... in order; PATH ends in '/'; the folder's
//                                   device and inode, both 0 when it could not be looked at)
//   row FOLDER DEVICE INODE OLD NEW
//   parked ROW NAME                (zero or more, rising rows: the row's file is moved to the
//                                   temporary NAME in its folder before it takes its new name)
//   planned COUNT                  (the number of row lines; the plan ends here)
//   reserve                        (followed by spaces up to its line break: room written with
//                                   the plan, so that the outcome can take its end in place)
//   failed ROW REASON              (after the batch, zero or more, rising row numbers)
//   cancelled COUNT                (at most one: rows not renamed because the batch was
//                                   stopped first; before version 4 FAILED counts them)
//   finished RENAMED FAILED UNCHANGED
//   undone ID | kept               (later, at most one: how the entry was ended)
//
// Paths, names and reasons are written byte for byte, except that '%', bytes up to the
// space and bytes from 0x7F are written %HH; a reason may be empty ("-").

enum class JournalKind
{
    Batch,  // the batch rename of the checked rows
    Single, // the single-file rename
    Undo    // the undo of an earlier entry
};

struct JournalRow
{
    quint32 folder = 0; // index into JournalEntry::folders
    quint64 device = 0; // device and inode of the file when the plan was written;
    quint64 inode = 0;  // both 0 when the file could not be looked at
    QByteArray oldName;
    QByteArray newName;
    QByteArray parkedName; // the temporary name on the way, or empty
};

// The device and inode of a folder the batch renamed in, so that an undo acts only where it
// still is the same folder; both 0 when unknown.
struct FolderIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
};

struct JournalFailure
{
    quint32 row = 0; // index into JournalEntry::rows
    QString reason;
};

struct JournalOutcome
{
    int renamed = 0;
    int failed = 0; // includes rows refused before the plan was written
    int unchanged = 0;
    int cancelled = 0; // rows the batch was stopped before (counted in failed before version 4)
    std::vector<JournalFailure> failures;
};

struct JournalEntry
{
    QString id;
    qint64 time = 0;
    JournalKind kind = JournalKind::Batch;
    QString undoes; // kind Undo only
    std::vector<QByteArray> folders;
    std::vector<FolderIdentity> folderIdentities; // one per folder; empty before version 4
    std::vector<JournalRow> rows;

    std::optional<JournalOutcome> outcome; // absent while the batch runs or after a crash
    QString undoneBy;                      // the id of the undo that reversed this entry
    bool kept = false;                     // an interrupted batch the user chose to keep

    bool ended() const { return !undoneBy.isEmpty() || kept; }
    bool interrupted() const { return !outcome && !ended(); }
    QByteArray path(const JournalRow &row, const QByteArray &name) const
    {
        return folders[row.folder] + name;
    }
    // The deepest folder that holds every row's folder, for showing where the batch ran.
    QByteArray commonFolder() const;
};

namespace JournalFormat {

constexpr int kVersion = 4;
// The length of the "reserve" line, line break included.
constexpr int kReserved = 1024;

// The plan part: everything up to and including the "planned" line.
QByteArray planText(const JournalEntry &entry);
// The lines before the folders ("quirewell-journal" to "kind", or "undoes"), and the rest.
QByteArray headerText(const JournalEntry &entry);
class PlanBody;
PlanBody planBody(const JournalEntry &entry);

// The folder and row lines of a plan and its "planned" line, built row by row.
class PlanBody
{
public:
    void reserve(qsizetype rows);
    // Folders are numbered in the order they are added.
    void addFolder(const QByteArray &path, FolderIdentity identity);
    // newName is written as its bytes (encodeFileName).
    void addRow(quint32 folder, quint64 device, quint64 inode, const QByteArray &oldName,
                QStringView newName);
    void addRow(const JournalRow &row);
    // The temporary name the last row added goes through (a "parked" record).
    void parkLastRow(const QByteArray &name);
    // The text in pieces to be written one after the other, or whole. The pieces refer to
    // the body's own buffers (no copy of the rows): they are valid while it is unchanged.
    QByteArrayList pieces() const;
    QByteArray text() const { return pieces().join(); }

private:
    void startRow(quint32 folder, quint64 device, quint64 inode, const QByteArray &oldName);
    void endRow();

    QByteArray m_folders;
    // A plan of a million rows runs to tens of megabytes, written once before the first
    // rename: in a buffer of huge pages, its memory costs a few page faults.
    std::vector<char, LargeBufferAllocator<char>> m_rows;
    QByteArray m_row; // a row that is not written through one pointer, built here first
    QByteArray m_parked;
    quint32 m_folderCount = 0;
    quint64 m_rowCount = 0;
};
QByteArray reserveText();
QByteArray outcomeText(const JournalOutcome &outcome);
QByteArray undoneText(const QString &undoId);
QByteArray keptText();

// Reads a whole journal file. Anything that is not exactly the format above (a truncated
// line, an unknown record, a wrong version, a count that does not match, a name that could
// not be a file name) is refused: returns nothing, with error saying what and where.
std::optional<JournalEntry> parse(const QByteArray &text, QString &error);

// %HH escapes, as in the file; an empty text is "-".
void appendEscaped(QByteArray &out, const QByteArray &bytes);

// Whether id is one the journal makes (digits and '-' only), so that it can be a file name.
bool isValidId(const QString &id);

} // namespace JournalFormat
