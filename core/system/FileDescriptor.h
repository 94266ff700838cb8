#pragma once

#include <utility>

// An open file or folder of the system, owned: closed when the descriptor is destroyed or
// reset. Move-only. A descriptor that failed to open holds the system's error number, so the
// caller can say why without reading errno after the fact.
class FileDescriptor
{
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    // An invalid descriptor that remembers why it could not be had (an errno value).
    static FileDescriptor failed(int error)
    {
        FileDescriptor descriptor;
        descriptor.m_error = error;
        return descriptor;
    }
    ~FileDescriptor() { reset(); }

    FileDescriptor(FileDescriptor &&other) noexcept
        : m_fd(std::exchange(other.m_fd, -1)), m_error(std::exchange(other.m_error, 0))
    {}
    FileDescriptor &operator=(FileDescriptor &&other) noexcept
    {
        if (this != &other) {
            reset(std::exchange(other.m_fd, -1));
            m_error = std::exchange(other.m_error, 0);
        }
        return *this;
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    bool isValid() const { return m_fd >= 0; }
    explicit operator bool() const { return isValid(); }
    // The number to pass to a call that borrows it, or -1.
    int get() const { return m_fd; }
    // Why the open failed (an errno value); 0 for a valid descriptor or an empty one.
    int error() const { return m_error; }

    // Gives up ownership without closing.
    int release() { return std::exchange(m_fd, -1); }
    // Closes the descriptor held (if any) and takes fd.
    void reset(int fd = -1);
    // Closes it now: 0, or the error close() reported (a write that did not reach the disk
    // can show up only here).
    int close();

private:
    int m_fd = -1;
    int m_error = 0;
};
