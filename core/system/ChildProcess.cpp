#include "core/system/ChildProcess.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace ChildProcess {

int socketPair(FileDescriptor &first, FileDescriptor &second)
{
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds) != 0)
        return errno;
    first.reset(fds[0]);
    second.reset(fds[1]);
    return 0;
}

qint64 start(const QByteArray &program, int socket, int &error)
{
    // dup2 onto the same number would keep close-on-exec set: move the socket out of the
    // way first.
    FileDescriptor moved;
    if (socket == kChildSocket) {
        moved.reset(::fcntl(socket, F_DUPFD_CLOEXEC, kChildSocket + 1));
        if (!moved) {
            error = errno;
            return -1;
        }
        socket = moved.get();
    }
    posix_spawn_file_actions_t actions;
    if ((error = posix_spawn_file_actions_init(&actions)) != 0)
        return -1;
    posix_spawnattr_t attributes;
    if ((error = posix_spawnattr_init(&attributes)) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return -1;
    }
    // The program starts with every signal at its default action and none blocked, whatever
    // this process and the calling thread did with them (its time bound is SIGALRM's default).
    sigset_t all, none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    error = posix_spawn_file_actions_adddup2(&actions, socket, kChildSocket);
    pid_t pid = -1;
    if (error == 0) {
        char *const arguments[] = {const_cast<char *>(program.constData()), nullptr};
        error = ::posix_spawn(&pid, program.constData(), &actions, &attributes, arguments, environ);
    }
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? qint64(pid) : -1;
}

int sendMessage(int socket, const void *data, std::size_t size, int passedFd)
{
    iovec part{const_cast<void *>(data), size};
    msghdr message{};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    if (passedFd >= 0) {
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        cmsghdr *header = CMSG_FIRSTHDR(&message);
        header->cmsg_level = SOL_SOCKET;
        header->cmsg_type = SCM_RIGHTS;
        header->cmsg_len = CMSG_LEN(sizeof(int));
        std::memcpy(CMSG_DATA(header), &passedFd, sizeof(int));
    }
    for (;;) {
        if (::sendmsg(socket, &message, MSG_NOSIGNAL) >= 0)
            return 0;
        if (errno != EINTR)
            return errno;
    }
}

qint64 receiveMessage(int socket, void *buffer, std::size_t capacity, FileDescriptor *passed,
                      int &error)
{
    iovec part{buffer, capacity};
    msghdr message{};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int) * 4)] = {};
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    ssize_t n;
    do {
        n = ::recvmsg(socket, &message, MSG_CMSG_CLOEXEC);
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        error = errno;
        return -1;
    }
    // Every descriptor that came is owned here, whatever else is wrong with the message.
    for (cmsghdr *header = CMSG_FIRSTHDR(&message); header;
         header = CMSG_NXTHDR(&message, header)) {
        if (header->cmsg_level != SOL_SOCKET || header->cmsg_type != SCM_RIGHTS)
            continue;
        const std::size_t count = (header->cmsg_len - CMSG_LEN(0)) / sizeof(int);
        for (std::size_t i = 0; i < count; ++i) {
            int fd;
            std::memcpy(&fd, CMSG_DATA(header) + i * sizeof(int), sizeof(int));
            if (passed && !passed->isValid())
                passed->reset(fd);
            else
                ::close(fd);
        }
    }
    if (message.msg_flags & (MSG_TRUNC | MSG_CTRUNC)) {
        error = EMSGSIZE;
        return -1;
    }
    return qint64(n);
}

int waitReadable(int fd, int milliseconds, int &error)
{
    pollfd watched{fd, POLLIN, 0};
    const int n = ::poll(&watched, 1, milliseconds);
    if (n < 0) {
        error = errno;
        return -1;
    }
    return n > 0 ? 1 : 0;
}

void killAndReap(qint64 pid)
{
    if (pid <= 0)
        return;
    ::kill(pid_t(pid), SIGKILL);
    while (::waitpid(pid_t(pid), nullptr, 0) < 0 && errno == EINTR) {
    }
}

int limitSelf(qint64 addressSpace)
{
    const rlimit noCore{0, 0};
    if (::setrlimit(RLIMIT_CORE, &noCore) != 0)
        return errno;
    if (addressSpace > 0) {
        const rlimit memory{rlim_t(addressSpace), rlim_t(addressSpace)};
        if (::setrlimit(RLIMIT_AS, &memory) != 0)
            return errno;
    }
    return 0;
}

void endAfter(unsigned seconds)
{
    ::alarm(seconds);
}

void closeDescriptorsFrom(int first)
{
    ::close_range(unsigned(first), UINT_MAX, 0);
}

bool isSocket(int fd)
{
    struct stat status;
    return ::fstat(fd, &status) == 0 && S_ISSOCK(status.st_mode);
}

QByteArray executablePath()
{
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path);
    if (n <= 0 || std::size_t(n) >= sizeof path)
        return {};
    return QByteArray(path, n);
}

} // namespace ChildProcess
