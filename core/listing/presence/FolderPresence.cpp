#include "core/listing/presence/FolderPresence.h"

#include "core/engine/names/FileRows.h"
#include "core/engine/names/NewNameRule.h"

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// Every change that can take a name away from a folder or the folder from its path.
// Attribute and content changes leave presence alone.
constexpr uint32_t kWatchedEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                    IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

int openQueue()
{
    return ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
}

} // namespace

FolderPresence::FolderPresence() : m_fd(openQueue()) {}

FolderPresence::~FolderPresence()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray FolderPresence::key(const QByteArray &folder)
{
    return folder.endsWith('/') ? folder : folder + '/';
}

void FolderPresence::start(const QByteArray &topFolder)
{
    // A fresh queue drops the old watches and whatever they had queued.
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = openQueue();
    m_folders.clear();
    m_watchFolders.clear();
    m_allDirty = m_fd < 0;
    m_top = topFolder;
    struct stat st;
    m_topKnown = !m_top.isEmpty() && ::stat(m_top.constData(), &st) == 0;
    m_topDevice = m_topKnown ? st.st_dev : 0;
    m_topInode = m_topKnown ? st.st_ino : 0;
}

void FolderPresence::watch(const QByteArray &folder)
{
    Folder entry;
    if (m_fd >= 0)
        entry.watch = ::inotify_add_watch(m_fd, folder.constData(), kWatchedEvents);
    entry.dirty = entry.watch < 0;
    if (entry.watch >= 0)
        m_watchFolders.insert(entry.watch, key(folder));
    m_folders.insert(key(folder), entry);
}

void FolderPresence::markDirty(const QByteArray &folder)
{
    m_folders[key(folder)].dirty = true;
}

void FolderPresence::markAllDirty()
{
    m_allDirty = true;
}

void FolderPresence::drainEvents()
{
    if (m_fd < 0)
        return;
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // EAGAIN: the queue is empty
        for (ssize_t at = 0; at < n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                markAllDirty();
                continue;
            }
            // Any event of a watched folder, IN_IGNORED and IN_UNMOUNT included.
            for (auto it = m_watchFolders.constFind(event->wd);
                 it != m_watchFolders.cend() && it.key() == event->wd; ++it)
                m_folders[it.value()].dirty = true;
        }
    }
}

void FolderPresence::checkTopFolder()
{
    struct stat st;
    if (!m_topKnown || ::stat(m_top.constData(), &st) != 0 || st.st_dev != m_topDevice ||
        st.st_ino != m_topInode)
        markAllDirty();
}

void FolderPresence::refresh()
{
    drainEvents();
    checkTopFolder();
}

bool FolderPresence::isDirty(const QByteArray &folder) const
{
    if (m_allDirty)
        return true;
    const auto it = m_folders.constFind(key(folder));
    return it == m_folders.cend() || it->dirty;
}

std::vector<std::uint8_t> FolderPresence::presence(const FileRows &rows)
{
    refresh();
    if (m_allDirty)
        return lookUpPresence(rows);

    std::vector<std::uint8_t> folderDirty(rows.folders.size());
    for (size_t f = 0; f < rows.folders.size(); ++f)
        folderDirty[f] = isDirty(rows.folders[f].rawPath);

    // Rows of clean folders are present; the others are looked up together.
    std::vector<std::uint8_t> present(rows.rows.size(), 1);
    std::vector<size_t> lookedUp;
    FileRows subset;
    for (size_t i = 0; i < rows.rows.size(); ++i) {
        const FileRow &row = rows.rows[i];
        // An empty name's full path is the folder itself, which no watch covers.
        if (folderDirty[row.folder] || row.loadedName.isEmpty()) {
            lookedUp.push_back(i);
            subset.rows.push_back(row);
        }
    }
    if (lookedUp.empty())
        return present;
    if (lookedUp.size() == rows.rows.size())
        return lookUpPresence(rows);
    subset.folders = rows.folders;
    const std::vector<std::uint8_t> found = lookUpPresence(subset);
    for (size_t k = 0; k < lookedUp.size(); ++k)
        present[lookedUp[k]] = found[k];
    return present;
}
