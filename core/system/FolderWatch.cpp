#include "core/system/FolderWatch.h"

#include <cerrno>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Every change that can take a name away from a folder or the folder from its path.
// Attribute and content changes are left out.
constexpr uint32_t kWatchedEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                    IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

FileDescriptor openQueue()
{
    const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    return fd >= 0 ? FileDescriptor(fd) : FileDescriptor::failed(errno);
}

} // namespace

FolderWatch::FolderWatch() : m_queue(openQueue()) {}

void FolderWatch::reopen()
{
    m_queue.reset();
    m_queue = openQueue();
}

int FolderWatch::watch(const char *path)
{
    if (!m_queue)
        return -1;
    return ::inotify_add_watch(m_queue.get(), path, kWatchedEvents);
}

bool FolderWatch::drain(const std::function<void(int watch)> &changed)
{
    if (!m_queue)
        return true;
    bool complete = true;
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(m_queue.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return complete; // EAGAIN: the queue is empty
        for (ssize_t at = 0; at < n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW)
                complete = false;
            else
                changed(event->wd);
        }
    }
}
