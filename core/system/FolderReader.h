#pragma once

#include "core/system/FileDescriptor.h"

// Reads the names of a folder's entries, in the order the file system gives them, "." and
// ".." left out. The reader has a descriptor of its own, so the folder's other handles keep
// their positions.
class FolderReader
{
public:
    // The folder open as folder (any handle of it, one that only serves as a base included).
    explicit FolderReader(int folder);
    // The folder at path; links in path are followed.
    explicit FolderReader(const char *path);
    ~FolderReader();
    FolderReader(const FolderReader &) = delete;
    FolderReader &operator=(const FolderReader &) = delete;

    bool isOpen() const { return m_stream != nullptr; }
    // Why the folder could not be opened (an errno value), or 0.
    int error() const { return m_error; }
    // The reader's own handle of the folder, to look its entries up relative to; -1 when it
    // is not open.
    int folder() const;

    // The next entry's name, valid until the next call; nullptr at the end (or when the
    // folder could not be read on).
    const char *next();

private:
    void open(FileDescriptor descriptor);

    void *m_stream = nullptr; // the C library's folder stream
    int m_error = 0;
};
