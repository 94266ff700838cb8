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
        shard.entries.clear();
        shard.values.clear();
    }
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
    {
        Shard &shard = shardOf(version);
        const std::lock_guard guard(shard.lock);
        const auto it = shard.entries.find(version);
        if (it != shard.entries.end()) {
            const FileMetadata &known = shard.values[it->second];
            if ((known.kindsRead & kinds) == kinds)
                return known;
            result = known;
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
    Shard &shard = shardOf(version);
    const std::lock_guard guard(shard.lock);
    if (shard.entries.size() >= kMostEntriesPerShard) {
        shard.entries.clear();
        shard.values.clear();
    }
    const auto [at, added] = shard.entries.try_emplace(version, quint32(shard.values.size()));
    if (added)
        shard.values.emplace_back();
    FileMetadata &kept = shard.values[at->second];
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
