#pragma once

#include "core/metadata/FileMetadata.h"

#include <QByteArray>

#include <array>
#include <atomic>
#include <mutex>
#include <unordered_map>
#include <vector>

class VideoTagReaders;

// The metadata of files, read on demand and kept per file version (device, inode, size and
// modified time), so asking again for an unchanged file reads nothing. Only regular files are
// opened (a FIFO or a device never is). Safe to call from many threads at once.
class MetadataCache
{
public:
    // The cache the program shares.
    static MetadataCache &shared();

    // Video tags are read by the program's shared readers, or by the ones given.
    MetadataCache();
    explicit MetadataCache(VideoTagReaders &videoReaders);

    // The fields of kinds for the file at path (links followed). A file that cannot be
    // opened has FileMetadata::problem set and is asked for again next time; so are its video
    // tags when no reader could be started for them.
    FileMetadata read(const QByteArray &path, MetadataKinds kinds);

    // How many times a file was opened and read: a test sees the cache at work.
    quint64 filesRead() const { return m_filesRead.load(std::memory_order_relaxed); }
    void clear();

private:
    struct Version
    {
        quint64 device;
        quint64 inode;
        qint64 size;
        qint64 seconds;
        qint64 nanoseconds;
        bool operator==(const Version &) const = default;
    };
    struct VersionHash
    {
        size_t operator()(const Version &v) const
        {
            return std::hash<quint64>()(v.inode * 0x9E3779B97F4A7C15ull ^ v.device ^
                                        quint64(v.seconds) << 20 ^ quint64(v.nanoseconds));
        }
    };
    struct Shard
    {
        std::mutex lock;
        // The table holds indexes into values: its nodes stay within one cache line, where
        // a node holding the metadata itself took two for every probe.
        std::unordered_map<Version, quint32, VersionHash> entries;
        std::vector<FileMetadata> values;
    };
    static constexpr size_t kShards = 32;
    // Past this many files a shard starts again empty, so the memory stays bounded.
    static constexpr size_t kMostEntriesPerShard = 1u << 16;

    Shard &shardOf(const Version &version) { return m_shards[VersionHash()(version) % kShards]; }

    VideoTagReaders *m_videoReaders;
    std::array<Shard, kShards> m_shards;
    std::atomic<quint64> m_filesRead{0};
};
