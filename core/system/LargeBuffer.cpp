#include "core/system/LargeBuffer.h"

#include <cstdint>

#include <sys/mman.h>

namespace {

// Huge page size on x86-64 and arm64 with 4 KiB pages; elsewhere the advice is only a hint.
constexpr std::size_t kHugePage = std::size_t(2) << 20;
// Below this a buffer comes from the heap: mapping it alone would waste most of a huge page.
constexpr std::size_t kMappedFrom = 2 * kHugePage;

std::size_t mappedLength(std::size_t bytes)
{
    return (bytes + kHugePage - 1) & ~(kHugePage - 1);
}

} // namespace

void *allocateLargeBuffer(std::size_t bytes)
{
    if (bytes < kMappedFrom)
        return ::operator new(bytes);
    const std::size_t length = mappedLength(bytes);
    // One huge page more than needed, so that the buffer can start on a huge-page boundary;
    // the unused head and tail are given back at once.
    const std::size_t mapped = length + kHugePage;
    void *region =
        ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (region == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(region);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~std::uintptr_t(kHugePage - 1);
    if (aligned > start)
        ::munmap(region, aligned - start);
    if (const std::size_t tail = start + mapped - (aligned + length))
        ::munmap(reinterpret_cast<void *>(aligned + length), tail);
    void *buffer = reinterpret_cast<void *>(aligned);
    ::madvise(buffer, length, MADV_HUGEPAGE); // advice only: without it the pages are small
    return buffer;
}

void releaseLargeBuffer(void *buffer, std::size_t bytes)
{
    if (!buffer)
        return;
    if (bytes < kMappedFrom) {
        ::operator delete(buffer);
        return;
    }
    ::munmap(buffer, mappedLength(bytes));
}
