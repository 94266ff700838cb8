#include "core/metadata/MetadataCache.h"

#include "core/metadata/AudioMetadata.h"
#include "core/metadata/PhotoMetadata.h"
#include "core/metadata/VideoTagReaders.h"
#include "core/system/FileSystem.h"
#include "core/system/SystemError.h"

#include <cerrno>

namespace {

constexpr qsizetype kJpegHead = 64 * 1024;

// The open file as a path the libraries that take a name can open: the same file whatever
// has been renamed or replaced since, and a file already checked to be regular.
QByteArray descriptorPath(int fd)
{
    return QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(fd);
}

QString openProblem(int error)
{
    if (error == EINVAL)
        return QStringLiteral("not a regular file");
    return QStringLiteral("cannot read the file: ") + systemErrorText(error);
}

} // namespace

MetadataCache &MetadataCache::shared()
{
    static MetadataCache cache;
    return cache;
}

MetadataCache::MetadataCache() : m_videoReaders(&VideoTagReaders::shared()) {}

MetadataCache::MetadataCache(VideoTagReaders &videoReaders) : m_videoReaders(&videoReaders) {}

void MetadataCache::clear()
{
    for (Shard &shard : m_shards) {
        const std::lock_guard guard(shard.lock);
        shard.clear();
    }
}

FileMetadata *MetadataCache::Shard::find(const Version &version, quint64 hash)
{
    if (table.empty())
        return nullptr;
    const quint32 tag = quint32(hash >> 32);
    for (size_t i = firstSlot(hash);; i = i + 1 == table.size() ? 0 : i + 1) {
        const quint64 slot = table[i];
        if (slot == 0)
            return nullptr;
        const quint32 index = quint32(slot) - 1;
        if (quint32(slot >> 32) == tag && versions[index] == version)
            return &values[index];
    }
}

FileMetadata &MetadataCache::Shard::entry(const Version &version, quint64 hash, bool &added)
{
    added = false;
    if (FileMetadata *known = find(version, hash))
        return *known;
    if (versions.size() >= kMostEntriesPerShard)
        clear();
    if ((versions.size() + 1) * 2 > table.size()) {
        table.assign(std::max<size_t>(64, table.size() * 2), 0);
        for (size_t i = 0; i < versions.size(); ++i)
            place(hashOf(versions[i]), quint32(i));
    }
    place(hash, quint32(versions.size()));
    versions.push_back(version);
    values.emplace_back();
    added = true;
    return values.back();
}

void MetadataCache::Shard::place(quint64 hash, quint32 index)
{
    size_t i = firstSlot(hash);
    while (table[i] != 0)
        i = i + 1 == table.size() ? 0 : i + 1;
    table[i] = (hash >> 32 << 32) | (quint64(index) + 1);
}

void MetadataCache::Shard::clear()
{
    table.clear();
    versions.clear();
    values.clear();
}

FileMetadata MetadataCache::read(const QByteArray &path, MetadataKinds kinds)
{
    FileMetadata result;
    FileSystem::FileStatus status;
    const int error = FileSystem::statusAt(FileSystem::kCurrentFolder, path.constData(), status,
                                           FileSystem::Links::Followed);
    if (error != 0 || status.type != FileSystem::FileType::Regular) {
        result.problem = openProblem(error != 0 ? error : EINVAL);
        return result;
    }
    Version version{status.device, status.inode, status.size, status.modifiedSeconds,
                    status.modifiedNanoseconds};
    quint64 hash = hashOf(version);
    {
        Shard &shard = shardOf(hash);
        const std::lock_guard guard(shard.lock);
        if (const FileMetadata *known = shard.find(version, hash)) {
            if ((known->kindsRead & kinds) == kinds)
                return *known;
            result = *known;
        }
    }
    const FileDescriptor fd =
        FileSystem::openRegularFileAt(FileSystem::kCurrentFolder, path.constData(), status, true);
    if (!fd) {
        FileMetadata failed;
        failed.problem = openProblem(fd.error());
        return failed;
    }
    // The file opened may be a newer version than the one looked at: read it all then.
    const Version opened{status.device, status.inode, status.size, status.modifiedSeconds,
                         status.modifiedNanoseconds};
    if (!(opened == version)) {
        result = FileMetadata();
        version = opened;
        hash = hashOf(version);
    }
    m_filesRead.fetch_add(1, std::memory_order_relaxed);
    const MetadataKinds missing = kinds & ~result.kindsRead;
    if (missing & kPhotoMetadata) {
        // A JPEG's EXIF block is in its first 64 KiB: read here, parsed in memory. The buffer
        // is the thread's own: allocating and freeing 64 KiB per file made malloc tidy its
        // heap every time.
        thread_local QByteArray head(kJpegHead, Qt::Uninitialized);
        int error = 0;
        const qint64 n = FileSystem::readAt(fd.get(), head.data(), kJpegHead, 0, error);
        if (!readJpegHeadMetadata(QByteArrayView(head.constData(), n > 0 ? n : 0), result))
            readPhotoMetadata(descriptorPath(fd.get()), result);
    }
    if (missing & kAudioMetadata)
        readAudioMetadata(descriptorPath(fd.get()), result);
    MetadataKinds done = missing;
    if ((missing & kVideoMetadata) &&
        m_videoReaders->read(fd.get(), status.size, result) == VideoTagReaders::Outcome::NotStarted)
        done &= ~kVideoMetadata; // asked for again: the reader may start next time
    result.kindsRead |= done;
    Shard &shard = shardOf(hash);
    const std::lock_guard guard(shard.lock);
    bool added = false;
    FileMetadata &kept = shard.entry(version, hash, added);
    if (added && done == missing) {
        // The whole of it, as most reads are: only the fields that hold something.
        for (size_t i = 0; i < kMetadataFieldCount; ++i) {
            if (!result.values[i].isNull())
                kept.values[i] = result.values[i];
        }
        kept.kindsRead = result.kindsRead;
        return result;
    }
    for (size_t i = 0; i < kMetadataFieldCount; ++i) {
        if (metadataKindOf(MetadataField(i)) & done)
            kept.values[i] = result.values[i];
    }
    kept.kindsRead |= done;
    if (done == missing)
        return kept;
    FileMetadata partial = kept;
    partial.problem = result.problem;
    return partial;
}
