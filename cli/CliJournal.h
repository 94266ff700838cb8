#pragma once

struct CliOptions;

// The journal's commands; each returns the process's exit status (0 done, 1 refused or
// failed).
int runHistory(const CliOptions &options);
int runUndo(const CliOptions &options);
int runKeep(const CliOptions &options);

// One line on standard error for each batch that was cut off and not yet ended.
void printInterruptedNotice();
