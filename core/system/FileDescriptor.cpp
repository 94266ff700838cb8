#include "core/system/FileDescriptor.h"

#include <cerrno>

#include <unistd.h>

void FileDescriptor::reset(int fd)
{
    if (m_fd >= 0 && m_fd != fd)
        ::close(m_fd);
    m_fd = fd;
    m_error = 0;
}

int FileDescriptor::close()
{
    if (m_fd < 0)
        return 0;
    // Linux releases the descriptor even when close() fails: it must not be closed again.
    const int result = ::close(std::exchange(m_fd, -1));
    return result == 0 ? 0 : errno;
}
