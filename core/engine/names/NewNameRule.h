#pragma once

#include "core/engine/names/RowProblems.h"
#include "core/engine/settings/RenameParameters.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

class FileRows;
class NewNameHashes;

// One running number: its value at the current row and what each row adds to it. It starts
// at a stored 32-bit value and counts on past the 32-bit limits without wrapping; a value
// beyond the 64-bit limits is never written, the rows from there on are reported instead.
struct RunningNumber
{
    qint64 value = 1;
    qint64 step = 1;
    bool outOfRange = false;

    // Moves on by rows rows.
    void skip(qint64 rows);
};

// The two running counters of one run.
struct RenameCounters
{
    RunningNumber start;
    RunningNumber end;
    static RenameCounters from(const RenameParameters &p)
    {
        return {{p.numberAtStart, p.stepNumberAtStart}, {p.numberAtEnd, p.stepNumberAtEnd}};
    }
    // Both counters as they are rows rows further on.
    void skip(qint64 rows)
    {
        start.skip(rows);
        end.skip(rows);
    }
};

// Title and extension of a name as the file system reports them for a found file:
// title = the part before the last '.', the whole name without '.', empty for ".profile".
QString fileTitle(const QString &name);

// The new name of one row. fileFound says whether a file was found at the row's full path;
// when it was not, title and extension are empty. Advances the counters whose operation is on.
// A step that cannot be applied to this row says why in failure (when given) and the row
// keeps its loaded name.
QString computeNewName(const RenameParameters &params, const QString &loadedName, bool fileFound,
                       RenameCounters &counters, RuleFailure *failure = nullptr);

// Whether a file is at each row's full path: present[i] != 0 when row i's entry exists.
std::vector<std::uint8_t> lookUpPresence(const FileRows &rows);
// Whether the rule with these parameters depends on that presence (its steps on the title
// do); when not, the names are the same whatever it is.
bool newNamesNeedPresence(const RenameParameters &params);

// Recomputes every row's new name, in list order, from params. present, when given, is the
// caller's knowledge of which rows' files exist (same size as rows); otherwise each row is
// looked up. Touches nothing but FileRow::newName and the rule's marks in FileRows::problems.
// hashes, when given (reset for these rows), takes every row computed, for the marking.
void ComputeNewFileNames(FileRows &rows, const RenameParameters &params,
                         const std::vector<std::uint8_t> *present = nullptr,
                         NewNameHashes *hashes = nullptr);
// Rows [from, to) only, on the calling thread, with the names the whole run gives them
// (the counters at row k are those of row k of the whole list, or of its folder's run of
// rows when the numbers restart in every folder). present, when given, covers
// every row; without it every row is looked up when the rule needs it.
void ComputeNewFileNames(FileRows &rows, const RenameParameters &params,
                         const std::vector<std::uint8_t> *present, std::size_t from, std::size_t to,
                         NewNameHashes *hashes = nullptr);
