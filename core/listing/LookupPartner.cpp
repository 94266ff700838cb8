#include "core/listing/LookupPartner.h"

#include <algorithm>
#include <atomic>

LookupPartner::LookupPartner() : m_thread([this] { run(); }) {}

LookupPartner::~LookupPartner()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void LookupPartner::forEachChunk(std::size_t count, std::size_t chunk, const Work &work)
{
    std::atomic<std::size_t> next{0};
    const std::function<void()> drain = [&] {
        for (;;) {
            const std::size_t begin = next.fetch_add(chunk, std::memory_order_relaxed);
            if (begin >= count)
                return;
            work(begin, std::min(count, begin + chunk));
        }
    };
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_task = &drain;
        m_busy = true;
    }
    m_wake.notify_one();
    drain();

    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_task) {
        // The partner never got to it: every chunk was done here.
        m_task = nullptr;
        m_busy = false;
        return;
    }
    m_done.wait(lock, [this] { return !m_busy; });
}

void LookupPartner::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_quit || m_task; });
        if (!m_task)
            return;
        const std::function<void()> *task = m_task;
        m_task = nullptr;
        lock.unlock();
        (*task)();
        lock.lock();
        m_busy = false;
        m_done.notify_one();
    }
}
