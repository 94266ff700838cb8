#include "core/system/FolderReader.h"

#include "core/system/FileSystem.h"

#include <cerrno>

#include <dirent.h>

namespace {

DIR *stream(void *handle)
{
    return static_cast<DIR *>(handle);
}

bool isDots(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

} // namespace

FolderReader::FolderReader(int folder)
{
    // A fresh open of "." works from a base-only handle too, and starts at the first entry.
    open(FileSystem::openFolderAt(folder, "."));
}

FolderReader::FolderReader(const char *path)
{
    open(FileSystem::openFolder(path));
}

void FolderReader::open(FileDescriptor descriptor)
{
    if (!descriptor) {
        m_error = descriptor.error();
        return;
    }
    m_stream = ::fdopendir(descriptor.get());
    if (m_stream)
        descriptor.release(); // the stream owns it now
    else
        m_error = errno;
}

FolderReader::~FolderReader()
{
    if (m_stream)
        ::closedir(stream(m_stream));
}

int FolderReader::folder() const
{
    return m_stream ? ::dirfd(stream(m_stream)) : -1;
}

const char *FolderReader::next()
{
    if (!m_stream)
        return nullptr;
    while (const dirent *entry = ::readdir(stream(m_stream))) {
        if (!isDots(entry->d_name))
            return entry->d_name;
    }
    return nullptr;
}
