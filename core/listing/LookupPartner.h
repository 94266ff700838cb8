#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>

// A second thread for the walk. The look-ups of a folder's entries are independent of each
// other and mostly time in the kernel, where look-ups of different entries do not wait for
// each other: two threads taking turns at the next chunk of entries look a large folder up in
// a little over half the time. The thread starts with the object and ends with it.
class LookupPartner
{
public:
    LookupPartner();
    ~LookupPartner();
    LookupPartner(const LookupPartner &) = delete;
    LookupPartner &operator=(const LookupPartner &) = delete;

    // Calls work(begin, end) for consecutive chunks of [0, count), each once, on this thread
    // and on the partner at the same time; returns when every chunk is done. work must not
    // throw.
    using Work = std::function<void(std::size_t begin, std::size_t end)>;
    void forEachChunk(std::size_t count, std::size_t chunk, const Work &work);

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;                // a task is waiting, or the partner is to end
    std::condition_variable m_done;                // the partner finished its part
    const std::function<void()> *m_task = nullptr; // set until the partner takes it
    bool m_busy = false;                           // the partner is working at a task
    bool m_quit = false;
    std::thread m_thread;
};
