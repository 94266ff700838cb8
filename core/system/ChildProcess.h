#pragma once

#include "core/system/FileDescriptor.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstddef>

// Programs this process starts and talks with over a socket, and the limits such a program
// puts on itself. Calls returning int give 0 on success or the system's error number.
namespace ChildProcess {

// The descriptor number a started program finds its socket at.
constexpr int kChildSocket = 3;

// A connected pair of local sockets that keep the bounds of each message (SOCK_SEQPACKET),
// both close-on-exec: no program started later inherits them.
int socketPair(FileDescriptor &first, FileDescriptor &second);

// Starts program (posix_spawn: no copy of this process's page tables) with no arguments but
// its name, this process's environment, its standard input, output and error, and socket as
// its descriptor kChildSocket; every other descriptor is close-on-exec and stays behind. The
// process id, or -1 with error set.
qint64 start(const QByteArray &program, int socket, int &error);

// Sends one message of size bytes and, when passedFd >= 0, a copy of that descriptor
// (SCM_RIGHTS). A peer that has gone away gives EPIPE, never SIGPIPE.
int sendMessage(int socket, const void *data, std::size_t size, int passedFd = -1);
// Receives one message into buffer: its size, 0 when the peer has gone away, or -1 with
// error set (EMSGSIZE for a message longer than capacity). A descriptor passed with it goes to
// passed (close-on-exec) when passed is given, and is closed otherwise.
qint64 receiveMessage(int socket, void *buffer, std::size_t capacity, FileDescriptor *passed,
                      int &error);
// Waits up to milliseconds for fd to have something to read or to be closed at the other
// end: 1 when it has, 0 when the time ran out, or -1 with error set.
int waitReadable(int fd, int milliseconds, int &error);

// Ends the process pid at once (SIGKILL) and waits for its end, so it leaves no zombie.
void killAndReap(qint64 pid);

// For a program that reads untrusted input: no core dumps, and at most addressSpace bytes
// of memory (0: no bound on it).
int limitSelf(qint64 addressSpace);
// Ends this process (SIGALRM's default action) after seconds unless called again first; 0
// cancels. A bound for the time a program spends on one piece of work.
void endAfter(unsigned seconds);
// Closes every descriptor from first up, whatever the program was started with.
void closeDescriptorsFrom(int first);
// Whether fd is a socket.
bool isSocket(int fd);
// The path of the program this process runs (/proc/self/exe), or empty.
QByteArray executablePath();

} // namespace ChildProcess
