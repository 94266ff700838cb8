#pragma once

#include "core/system/FileDescriptor.h"

#include <functional>

// A queue of change notifications for folders (inotify). From the moment a folder is
// watched, the kernel queues every change watched for until the queue is drained.
class FolderWatch
{
public:
    FolderWatch(); // opens a queue; isOpen() says whether that worked
    FolderWatch(const FolderWatch &) = delete;
    FolderWatch &operator=(const FolderWatch &) = delete;

    bool isOpen() const { return m_queue.isValid(); }
    // Drops every watch and whatever they had queued, and opens a fresh queue.
    void reopen();

    // Watches the folder at path (links in it followed) for entries created, removed or moved
    // in or out, and for the folder itself being removed or moved: the watch's number, or -1
    // when it cannot be watched.
    int watch(const char *path);

    // Takes every queued change without waiting and calls changed(watch) for each one (the
    // end of a watch and an unmount included). False when the queue overflowed: changes were
    // lost, and nothing tells which folders they concerned.
    bool drain(const std::function<void(int watch)> &changed);

private:
    FileDescriptor m_queue;
};
