#include "desktop/view/MetadataPrefetch.h"

#include "core/metadata/MetadataCache.h"

void MetadataPrefetch::start(std::vector<QByteArray> paths, MetadataKinds kinds)
{
    stop();
    m_stop = false;
    m_ready = 0;
    m_count = paths.size();
    m_worker = std::thread([this, paths = std::move(paths), kinds] {
        for (const QByteArray &path : paths) {
            if (m_stop.load(std::memory_order_relaxed))
                return;
            MetadataCache::shared().read(path, kinds);
            m_ready.fetch_add(1, std::memory_order_release);
        }
    });
}

void MetadataPrefetch::stop()
{
    m_stop = true;
    if (m_worker.joinable())
        m_worker.join();
}
