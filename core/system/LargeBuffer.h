#pragma once

#include <cstddef>
#include <new>

// Memory for buffers that grow to many megabytes (a million rows, a huge folder's entries).
// Such buffers are mapped on their own and backed by huge pages where the kernel allows it:
// filling them then takes one page fault per 2 MiB rather than one per 4 KiB, which is most
// of the cost of building a large table on some virtual machines. Smaller ones come from the
// usual heap.
void *allocateLargeBuffer(std::size_t bytes);
void releaseLargeBuffer(void *buffer, std::size_t bytes);

template <class T> struct LargeBufferAllocator
{
    using value_type = T;

    LargeBufferAllocator() = default;
    template <class U> LargeBufferAllocator(const LargeBufferAllocator<U> &) {}

    T *allocate(std::size_t n)
    {
        if (n > std::size_t(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T *>(allocateLargeBuffer(n * sizeof(T)));
    }
    void deallocate(T *p, std::size_t n) { releaseLargeBuffer(p, n * sizeof(T)); }

    template <class U> bool operator==(const LargeBufferAllocator<U> &) const { return true; }
};
