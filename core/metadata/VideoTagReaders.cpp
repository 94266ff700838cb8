#include "core/metadata/VideoTagReaders.h"

#include "core/metadata/VideoTagMessages.h"
#include "core/system/ChildProcess.h"
#include "core/system/FileSystem.h"
#include "core/system/SystemError.h"

#include <QElapsedTimer>

#include <algorithm>
#include <thread>

namespace {

constexpr int kMillisecondsPerFile = 3000;

bool isProgram(const QByteArray &path)
{
    FileSystem::FileStatus status;
    return !path.isEmpty() &&
           FileSystem::statusAt(FileSystem::kCurrentFolder, path.constData(), status,
                                FileSystem::Links::Followed) == 0 &&
           status.type == FileSystem::FileType::Regular && (status.permissions & 0111) != 0;
}

QString startProblem(const QString &detail)
{
    return QStringLiteral("cannot start the video tag reader: ") + detail;
}

} // namespace

VideoTagReaders &VideoTagReaders::shared()
{
    // Never destroyed: a thread may still be reading while the program ends. Its readers end
    // on their own when this process is gone and their sockets close.
    static VideoTagReaders *readers =
        new VideoTagReaders(findProgram(), int(std::max(1u, std::thread::hardware_concurrency())),
                            kMillisecondsPerFile);
    return *readers;
}

QByteArray VideoTagReaders::findProgram()
{
    const QByteArray running = ChildProcess::executablePath();
    const qsizetype slash = running.lastIndexOf('/');
    if (slash > 0) {
        const QByteArray installed = running.left(slash + 1) +
                                     QByteArrayLiteral(QUIREWELL_VIDEO_TAGS_FROM_BINDIR) +
                                     QByteArrayLiteral("/quirewell-video-tags");
        if (isProgram(installed))
            return installed;
    }
    // The build tree's reader serves only programs of that tree: an installed program never
    // runs what happens to lie where it was once built.
    const QByteArray tree = QByteArrayLiteral(QUIREWELL_BUILD_TREE "/");
    const QByteArray built = QByteArrayLiteral(QUIREWELL_VIDEO_TAGS_BUILT);
    return running.startsWith(tree) && isProgram(built) ? built : QByteArray();
}

VideoTagReaders::VideoTagReaders(QByteArray program, int mostProcesses, int millisecondsPerFile)
    : m_program(std::move(program)), m_mostProcesses(std::max(1, mostProcesses)),
      m_millisecondsPerFile(millisecondsPerFile)
{}

VideoTagReaders::~VideoTagReaders()
{
    for (Process &process : m_idle)
        ChildProcess::killAndReap(process.id);
}

int VideoTagReaders::processCount()
{
    const std::lock_guard guard(m_lock);
    return m_running;
}

VideoTagReaders::Outcome VideoTagReaders::read(int fd, qint64 size, FileMetadata &out)
{
    // A kept process may have ended while it waited (killed from outside): the request it
    // could not take goes to a new one.
    for (int attempt = 0;; ++attempt) {
        Process process;
        QString problem;
        if (!take(process, problem)) {
            out.problem = problem;
            return Outcome::NotStarted;
        }
        const QByteArray request = VideoTagMessages::request(size);
        if (ChildProcess::sendMessage(process.socket.get(), request.constData(), request.size(),
                                      fd) != 0) {
            discard(process);
            if (attempt == 0)
                continue;
            return Outcome::GaveUp;
        }
        const Outcome outcome = answer(process, out);
        if (outcome == Outcome::Read)
            giveBack(std::move(process));
        else
            discard(process);
        return outcome;
    }
}

bool VideoTagReaders::take(Process &process, QString &problem)
{
    {
        std::unique_lock guard(m_lock);
        m_freed.wait(guard, [this] { return !m_idle.empty() || m_running < m_mostProcesses; });
        if (!m_idle.empty()) {
            process = std::move(m_idle.back());
            m_idle.pop_back();
            return true;
        }
        ++m_running; // this thread starts one: the place is taken now
    }
    if (m_program.isEmpty()) {
        problem = startProblem(QStringLiteral("it is not installed"));
    } else {
        FileDescriptor theirs;
        int error = ChildProcess::socketPair(process.socket, theirs);
        if (error == 0)
            process.id = ChildProcess::start(m_program, theirs.get(), error);
        if (process.id > 0)
            return true;
        problem = startProblem(systemErrorText(error));
    }
    process.socket.reset();
    const std::lock_guard guard(m_lock);
    --m_running;
    m_freed.notify_one();
    return false;
}

void VideoTagReaders::giveBack(Process &&process)
{
    const std::lock_guard guard(m_lock);
    m_idle.push_back(std::move(process));
    m_freed.notify_one();
}

void VideoTagReaders::discard(Process &process)
{
    process.socket.reset();
    ChildProcess::killAndReap(process.id);
    const std::lock_guard guard(m_lock);
    --m_running;
    m_freed.notify_one();
}

VideoTagReaders::Outcome VideoTagReaders::answer(Process &process, FileMetadata &out)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const qint64 left = m_millisecondsPerFile - clock.elapsed();
        if (left <= 0)
            return Outcome::GaveUp;
        int error = 0;
        const int ready = ChildProcess::waitReadable(process.socket.get(), int(left), error);
        if (ready > 0)
            break;
        if (ready < 0 && error != EINTR)
            return Outcome::GaveUp;
    }
    QByteArray message(VideoTagMessages::kMostAnswerBytes, Qt::Uninitialized);
    int error = 0;
    const qint64 n = ChildProcess::receiveMessage(process.socket.get(), message.data(),
                                                  message.size(), nullptr, error);
    if (n <= 0) // 0: the reader ended (crashed, or killed by its own limits)
        return Outcome::GaveUp;
    message.truncate(n);
    FileMetadata read;
    if (!VideoTagMessages::parseAnswer(message, read))
        return Outcome::GaveUp;
    out.set(MetadataField::VideoDuration, read.value(MetadataField::VideoDuration));
    out.set(MetadataField::VideoCreated, read.value(MetadataField::VideoCreated));
    return Outcome::Read;
}
