#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

// Work over many rows shared out among the cores.
namespace RowThreads {

// Below this many rows per thread, starting a thread costs more than it saves.
constexpr std::size_t kRowsPerThread = 8192;

// How many threads share n rows: one per core, as long as each gets enough rows.
inline std::size_t threadsFor(std::size_t n)
{
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    return std::max<std::size_t>(1, std::min(cores, n / kRowsPerThread));
}

// Runs run(p) for p in [0, parts), each on a thread of its own, 0 on the calling thread.
template <typename Run> void onThreads(std::size_t parts, const Run &run)
{
    std::vector<std::thread> helpers;
    for (std::size_t p = 1; p < parts; ++p)
        helpers.emplace_back([&run, p] { run(p); });
    run(0);
    for (std::thread &t : helpers)
        t.join();
}

// Runs work(from, to) over [0, n) in contiguous parts, one per thread, the first on the
// calling thread.
template <typename Work> void shareOut(std::size_t n, const Work &work)
{
    const std::size_t parts = threadsFor(n);
    onThreads(parts, [&](std::size_t p) { work(n * p / parts, n * (p + 1) / parts); });
}

// Runs work(from, to) over [0, n) in pieces that the threads claim in turn, for rows whose
// cost varies: a thread slowed by its rows (or by the machine) then does fewer of them, where
// with one part each the others would wait for it. About 32 pieces per thread.
template <typename Work> void shareOutInPieces(std::size_t n, const Work &work)
{
    const std::size_t parts = threadsFor(n);
    const std::size_t piece = std::max<std::size_t>(256, (n + parts * 32 - 1) / (parts * 32));
    std::atomic<std::size_t> next{0};
    onThreads(parts, [&](std::size_t) {
        for (;;) {
            const std::size_t from = next.fetch_add(piece, std::memory_order_relaxed);
            if (from >= n)
                return;
            work(from, std::min(n, from + piece));
        }
    });
}

} // namespace RowThreads
