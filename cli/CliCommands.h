#pragma once

#include <QString>

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
