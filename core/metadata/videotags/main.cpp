// quirewell-video-tags: reads the video tags of the files Quirewell passes it, one at a time,
// so that a file that makes MediaInfo run away or crash takes down only this process.
// Started by VideoTagReaders with its socket as descriptor 3; ends when the socket closes.

#include "core/metadata/VideoMetadata.h"
#include "core/metadata/VideoTagMessages.h"
#include "core/system/ChildProcess.h"

#include <cstdio>

namespace {

// Room for MediaInfo on any honest file; a crafted one that asks for more gets bad_alloc.
constexpr qint64 kMostMemory = qint64(1) << 30;
// Quirewell kills a reader after a few seconds; this bound is for a reader whose Quirewell
// is gone while it works (it would see the closed socket only when done).
constexpr unsigned kMostSecondsPerFile = 30;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

} // namespace

int main()
{
    const int socket = ChildProcess::kChildSocket;
    if (!ChildProcess::isSocket(socket)) {
        std::fputs("quirewell-video-tags: Quirewell starts this program itself\n", stderr);
        return 2;
    }
    ChildProcess::closeDescriptorsFrom(socket + 1);
    // AddressSanitizer reserves terabytes of address space: there the time bound alone holds.
    if (ChildProcess::limitSelf(kSanitized ? 0 : kMostMemory) != 0) {
        std::fputs("quirewell-video-tags: cannot limit itself\n", stderr);
        return 2;
    }
    for (;;) {
        char request[VideoTagMessages::kRequestBytes + 1];
        FileDescriptor file;
        int error = 0;
        const qint64 n =
            ChildProcess::receiveMessage(socket, request, sizeof request, &file, error);
        if (n <= 0)
            return n == 0 ? 0 : 1;
        const qint64 size = VideoTagMessages::parseRequest(request, n);
        FileMetadata metadata;
        if (size >= 0 && file.isValid()) {
            ChildProcess::endAfter(kMostSecondsPerFile);
            readVideoMetadata(file.get(), size, metadata);
            ChildProcess::endAfter(0);
        }
        file.reset();
        const QByteArray answer = VideoTagMessages::answer(metadata);
        if (ChildProcess::sendMessage(socket, answer.constData(), answer.size()) != 0)
            return 1;
    }
}
