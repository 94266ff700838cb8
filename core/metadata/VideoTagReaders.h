#pragma once

#include "core/metadata/FileMetadata.h"
#include "core/system/FileDescriptor.h"

#include <QByteArray>

#include <condition_variable>
#include <mutex>
#include <vector>

// Video tags are read by MediaInfo in processes of their own (quirewell-video-tags), each
// bounded in memory by its own limits and in time by this class: a file that makes MediaInfo
// run away or crash costs a killed process, never this one. Processes start when first needed
// and are kept for later files; each request has one to itself. Safe to call from many threads.
class VideoTagReaders
{
public:
    enum class Outcome
    {
        Read,      // the fields are what the file holds (maybe nothing)
        GaveUp,    // the reader ran over its time, crashed or answered nonsense: fields empty
        NotStarted // no reader could be started: fields empty, out.problem says why
    };

    // The readers the program shares: the installed program (or the build tree's), one per
    // core, three seconds per file.
    static VideoTagReaders &shared();
    // Where the reader program is: beside the running program's installation, else, for a
    // program run from the build tree, where that tree made it; empty when neither has it.
    static QByteArray findProgram();

    VideoTagReaders(QByteArray program, int mostProcesses, int millisecondsPerFile);
    // Ends the processes kept; none may be in use.
    ~VideoTagReaders();
    VideoTagReaders(const VideoTagReaders &) = delete;
    VideoTagReaders &operator=(const VideoTagReaders &) = delete;

    // Fills the video fields of out from the open regular file fd of size bytes.
    Outcome read(int fd, qint64 size, FileMetadata &out);

    // How many processes are running now: a test sees killed ones are gone.
    int processCount();

private:
    struct Process
    {
        qint64 id = -1;
        FileDescriptor socket;
    };

    bool take(Process &process, QString &problem);
    void giveBack(Process &&process);
    void discard(Process &process);
    // Waits for the answer to the request sent, within the time per file.
    Outcome answer(Process &process, FileMetadata &out);

    const QByteArray m_program;
    const int m_mostProcesses;
    const int m_millisecondsPerFile;
    std::mutex m_lock;
    std::condition_variable m_freed;
    std::vector<Process> m_idle;
    int m_running = 0;
};
