#pragma once

#include "core/metadata/FileMetadata.h"

#include <QByteArray>

#include <array>
#include <atomic>
#include <deque>
#include <mutex>
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
    // A version's hash: its low bits choose the shard, its high half places it in the
    // shard's table.
    static quint64 hashOf(const Version &v)
    {
        quint64 h = v.inode * 0x9E3779B97F4A7C15ull ^ v.device ^ quint64(v.seconds) << 20 ^
                    quint64(v.nanoseconds) ^ quint64(v.size) << 40;
        h ^= h >> 29;
        h *= 0xBF58476D1CE4E5B9ull;
        return h ^ h >> 32;
    }
    struct Shard
    {
        std::mutex lock;
        // An open-addressed table, at most half full. A slot holds an entry's index plus one
        // in its low half (0 when empty) and the high half of the entry's hash in its high
        // half, so a probe seldom reads a version that is not the one sought. A shard is only
        // ever emptied whole, so no entry is ever taken out alone.
        std::vector<quint64> table;
        std::vector<Version> versions;
        std::deque<FileMetadata> values; // never moved as it grows

        FileMetadata *find(const Version &version, quint64 hash);
        // The entry of version, added empty when there is none (added is then true).
        FileMetadata &entry(const Version &version, quint64 hash, bool &added);
        void clear();

    private:
        size_t firstSlot(quint64 hash) const { return size_t((hash >> 32) * table.size() >> 32); }
        void place(quint64 hash, quint32 index);
    };
    static constexpr size_t kShards = 32;
    // Past this many files a shard starts again empty, so the memory stays bounded.
    static constexpr size_t kMostEntriesPerShard = 1u << 16;

    Shard &shardOf(quint64 hash) { return m_shards[hash % kShards]; }

    VideoTagReaders *m_videoReaders;
    std::array<Shard, kShards> m_shards;
    std::atomic<quint64> m_filesRead{0};
};
