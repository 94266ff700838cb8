#include "core/system/Process.h"

#include <csignal>
#include <cstdlib>

#include <unistd.h>

namespace Process {

qint64 id()
{
    return qint64(::getpid());
}

quint32 effectiveUserId()
{
    return quint32(::geteuid());
}

void killNow()
{
    std::raise(SIGKILL);
    std::abort();
}

void raiseInterrupt()
{
    std::raise(SIGINT);
}

} // namespace Process
