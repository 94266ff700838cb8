#pragma once

#include "core/engine/rename/BatchRename.h"
#include "tests/robustness/FolderSnapshot.h"

#include <QByteArray>
#include <QString>

class FileRows;
struct FileRow;

// What one batch did, as checked against the folders before and after it.
struct BatchObservation
{
    const FileRows &rows;
    QByteArray listedRoot; // the listed folder, no trailing '/'
    FolderSnapshot before; // the listed folder just before the batch
    FolderSnapshot after;
    bool answeredYes = false;
    bool subFolderListing = false; // the rows were listed with their sub-folders
    BatchOutcome outcome = BatchOutcome::Declined;
    BatchResult result;
};

struct BatchTally
{
    int files = 0; // files present in the listed folders before the batches
    int renamed = 0;
    int failed = 0;
};

// Replays the batch on the snapshot taken before it: rows in list order, a failed row stays,
// every other checked row moves from its old name to its new one without replacing
// anything. Returns the first broken rule, or an empty text when the folder after the batch
// is exactly the replayed one and every failure had a cause.
QString checkBatch(const BatchObservation &seen, BatchTally &tally);

// Why the new name the rule gave row lost part of its loaded name (a byte turned into U+FFFD,
// a character cut in half), or an empty text.
QString lostBytes(const FileRow &row);
