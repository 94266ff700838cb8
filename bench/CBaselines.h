#pragma once

// The plain C loops every measurement is compared with: what the kernel and the C library
// allow, with no Qt and no C++ containers in the loop.

#include <cstddef>
#include <cstdint>

namespace cbase {

// Names kept by the walk: one arena of NUL-terminated names.
struct WalkResult
{
    char *names = nullptr;
    size_t used = 0, capacity = 0;
    long files = 0;
    unsigned long long sum = 0; // of sizes, times and modes, so nothing is optimised away
};

// opendir/readdir + fstatat(AT_SYMLINK_NOFOLLOW) over folder and every sub-folder, keeping
// each file's name, size, time and mode.
void walk(const char *folder, WalkResult *result);
void freeWalk(WalkResult *result);

// The rows of a list as C sees them: full paths and the names inside them.
struct CRow
{
    const char *path; // folder + name, NUL-terminated
    const char *name; // points into path
};

// For each row: lstat the full path, then build the new name (remove `removeLength` initial
// characters of the title, number at end from `endStart`, replace every `find` by `replace`,
// ASCII upper case) into out, one NUL-terminated name after the other. Returns bytes used.
size_t statThenComputeNames(const CRow *rows, size_t count, int removeLength, int endStart,
                            const char *find, const char *replace, char *out);

// renameat2(RENAME_NOREPLACE) of each name in folderFd to its new name; returns failures.
int renameLoop(int folderFd, const char *const *from, const char *const *to, size_t count);
// Between two timed batches over the same files: renames to[i] back to from[i] in folder
// (from the second call on; renamed says whether a batch ran), then writes everything back
// to the disk. Ends the program when a file cannot be put back.
void putBackAndSync(const char *folder, const char *const *from, const char *const *to,
                    size_t count, bool *renamed);

// Reads every regular file of folder in 64 KiB blocks and counts its lines: the least any
// reader of a journal does. Returns the lines, or -1 when the folder cannot be read.
long long readLinesOfFiles(const char *folder);

// Open-addressing hash set over ASCII-lowercased bytes: index of the first name of the
// earliest-starting equal pair, or -1.
long firstDuplicate(const char *const *names, size_t count);

} // namespace cbase
