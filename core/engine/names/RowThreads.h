#pragma once

#include <algorithm>
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

// Runs work(from, to) over [0, n) in contiguous parts, one per thread, the first on the
// calling thread.
template <typename Work> void shareOut(std::size_t n, const Work &work)
{
    const std::size_t parts = threadsFor(n);
    std::vector<std::thread> helpers;
    for (std::size_t p = 1; p < parts; ++p)
        helpers.emplace_back([&work, n, p, parts] { work(n * p / parts, n * (p + 1) / parts); });
    work(0, n / parts);
    for (std::thread &t : helpers)
        t.join();
}

} // namespace RowThreads
