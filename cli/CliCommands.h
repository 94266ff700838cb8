#pragma once

#include <QString>

class FileRows;
struct BatchResult;
enum class BatchOutcome;

struct CliOptions;

// What makes the run's rename parameters unusable (an invalid regular expression or
// replacement), or an empty text.
QString parametersProblem(const CliOptions &options);

// The three commands; each returns the process's exit status (0 done, 1 refused or failed).
int runList(const CliOptions &options);
int runPreview(const CliOptions &options);
int runRename(const CliOptions &options);
// The presets' names, one per line, sorted (1: the folder could not be read).
int runPresets(const CliOptions &options);

// Renames from a list (CliMapping.cpp): exit 0 all renamed, 1 some failed, 2 refused.
int runApply(const CliOptions &options);
int runEdit(const CliOptions &options);

// Lists the folder as preview does and computes the new names: -1 when the rows are ready,
// otherwise the exit status (the messages printed).
int listWithNewNames(const CliOptions &options, FileRows &rows);
// Reports a batch of rows that ran to outcome, as rename does; done is the status when all
// went well. Returns the exit status.
int finishBatch(const FileRows &rows, BatchOutcome outcome, const BatchResult &result,
                bool interrupted, int done);
