#pragma once

#include "core/metadata/FileMetadata.h"

#include <QByteArray>

#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

// Reads the metadata of a list's files on a worker thread, in the order given, into the
// shared MetadataCache, so that the new names computed on the window's thread find them
// there. The window asks how far it got (ready()) and computes those rows only.
class MetadataPrefetch
{
public:
    MetadataPrefetch() = default;
    ~MetadataPrefetch() { stop(); }
    MetadataPrefetch(const MetadataPrefetch &) = delete;
    MetadataPrefetch &operator=(const MetadataPrefetch &) = delete;

    // Starts reading paths[0], paths[1], ... (a read under way is stopped first).
    void start(std::vector<QByteArray> paths, MetadataKinds kinds);
    // Stops after the file being read; returns once the worker has ended.
    void stop();
    bool running() const { return m_worker.joinable() && m_ready.load() < m_count; }
    // How many of the paths, from the first, are read.
    std::size_t ready() const { return m_ready.load(std::memory_order_acquire); }

private:
    std::thread m_worker;
    std::atomic<bool> m_stop{false};
    std::atomic<std::size_t> m_ready{0};
    std::size_t m_count = 0;
};
