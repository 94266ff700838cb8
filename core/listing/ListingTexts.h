#pragma once

#include "core/engine/names/RowProblems.h"

#include <QString>

// Every text of the file list and its summaries, exactly as the user sees them.
namespace ListingTexts {

// Size as the desktop shell writes it: "N bytes" under 1024, else three significant digits
// in KB, MB, GB, TB, PB or EB, truncated ("1.50 KB", "10.0 KB", "999 KB", "0.99 MB").
QString byteSize(qint64 bytes);

// "%H:%M:%S       %A, %B %d, %Y" in local time with English names; empty when the time
// cannot be converted.
QString lastWriteTime(qint64 secondsSinceEpoch);

// The same two texts as Latin-1 bytes written at text, for callers that format many rows:
// the number of bytes written (0 for a time that cannot be converted). text must hold
// kTextRoom bytes.
constexpr int kTextRoom = 96;
int writeByteSize(qint64 bytes, char *text);
int writeLastWriteTime(qint64 secondsSinceEpoch, char *text);

// The file statistics pane: "%d File(s) Listed from Folder [%s]" with the ignored-files suffixes.
QString fileStatistics(int rowCount, const QString &folder, bool hiddenIgnored,
                       bool readOnlyIgnored);
// The tooltip of a marked "New File Name" cell: why the name cannot be used.
QString problemToolTip(RowProblem problem, const QString &detail);
// Appended to the file statistics while rows are marked: " (N New File Name(s) Marked as
// Conflicts)"; empty for none.
QString conflictCount(qsizetype marked);
// Appended after it while the name template leaves rows without a value: " (N File(s)
// Without a Template Value)"; empty for none.
QString missingValueCount(qsizetype rows);
// The folder information pane from the number of folders recorded by the walk (the chosen one
// included); 0 (nothing recorded) reads like 1: "File(s) from Sub Folder(s) Not Listed".
// unread: of the sub-folders, those that could not be read.
QString folderInformation(int foldersRecorded, int unread = 0);
// Caption bar text for the listed folder (empty: the prompt).
QString folderCaption(const QString &folder);

// Added to the file statistics when a load was cancelled: the rows found so far are listed.
QString listingCancelled(); // " (Listing Cancelled: the List is Partial)"

QString couldNotList(const QString &folder);
QString noFilesFound(const QString &folder);

// Status pane texts before any load.
QString fileStatisticsLabel();    // "File(s) Statistics"
QString folderInformationLabel(); // "Folder(s) Information"

} // namespace ListingTexts
