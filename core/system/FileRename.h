#pragma once

// Renames inside one folder that never replace an entry. folder borrows an open folder (a
// FileDescriptor's get(), or FileSystem::kCurrentFolder); names are single entries of it.
// Results are 0 or the system's error number.
namespace FileRename {

// One renameat2(RENAME_NOREPLACE): the quick way for loops of many renames, whose failures
// then go through moveNoReplace.
int renameNoReplace(int folder, const char *from, const char *to);

// One renameat(): from takes the name to, replacing what was there (a file written beside its
// final name and put in place at once).
int renameReplacing(int folder, const char *from, const char *to);

struct MoveResult
{
    int error = 0;
    // The move failed after the file got its new name as a second link, and that link could
    // not be removed again: the file is under both names.
    bool leftUnderBothNames = false;
};

// Moves from to to, never replacing anything:
//  - renameat2(RENAME_NOREPLACE);
//  - where the file system refuses that flag (and from is not a folder): link + unlink, or,
//    without hard links, an empty file reserved with O_CREAT | O_EXCL that is renamed over
//    only while it is still that empty file of ours.
// The error is the rename's own when the ways around it are not supported either.
MoveResult moveNoReplace(int folder, const char *from, const char *to);

} // namespace FileRename
