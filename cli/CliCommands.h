#pragma once

struct CliOptions;

// The three commands; each returns the process's exit status (0 done, 1 refused or failed).
int runList(const CliOptions &options);
int runPreview(const CliOptions &options);
int runRename(const CliOptions &options);
