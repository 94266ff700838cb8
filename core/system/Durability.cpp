#include "core/system/Durability.h"

#include <cerrno>

#include <unistd.h>

namespace Durability {

int syncFile(int fd)
{
    return ::fsync(fd) == 0 ? 0 : errno;
}

int syncData(int fd)
{
    return ::fdatasync(fd) == 0 ? 0 : errno;
}

int syncFolder(int fd)
{
    return ::fsync(fd) == 0 ? 0 : errno;
}

} // namespace Durability
