#include "preview/PreviewLoader.h"

#include <QFileInfo>

namespace {

constexpr qsizetype kCacheBytes = 32 * 1024 * 1024;
constexpr qsizetype kCachePreviews = 64;

// A file written since its preview was made gets a new key.
QString KeyOf(const QString &path, QSize box)
{
    const QFileInfo file(path);
    return QStringLiteral("%1x%2 %3 %4 ")
               .arg(box.width())
               .arg(box.height())
               .arg(file.lastModified().toMSecsSinceEpoch())
               .arg(file.size())
        + path;
}

}

PreviewLoader::PreviewLoader(QObject *parent)
    : QObject(parent), m_cache(kCacheBytes), m_worker([this] { work(); })
{
}

PreviewLoader::~PreviewLoader()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
        m_jobs.clear();
    }
    m_wake.notify_one();
    m_worker.join();
}

void PreviewLoader::want(const QString &path, QSize box, const QStringList &ahead)
{
    m_wanted = KeyOf(path, box);
    if (const Thumbnail *cached = m_cache.object(m_wanted)) {
        m_wanted.clear();
        emit ready(*cached);
    }
    {
        const std::lock_guard lock(m_mutex);
        m_jobs.clear();
        const auto queue = [&](const QString &key, const QString &file) {
            if (key != m_running && !m_cache.contains(key))
                m_jobs.push_back({key, file, box});
        };
        if (!m_wanted.isEmpty())
            queue(m_wanted, path);
        for (const QString &next : ahead)
            queue(KeyOf(next, box), next);
    }
    m_wake.notify_one();
}

void PreviewLoader::cancel()
{
    m_wanted.clear();
}

bool PreviewLoader::busy()
{
    const std::lock_guard lock(m_mutex);
    return !m_jobs.empty() || !m_running.isEmpty();
}

void PreviewLoader::work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
        if (m_stop)
            return;
        const Job job = m_jobs.front();
        m_jobs.pop_front();
        m_running = job.key;
        lock.unlock();
        const Thumbnail thumbnail = LoadThumbnail(job.path, job.box);
        // Queued to the loader's thread; dropped with the loader if it is gone.
        QMetaObject::invokeMethod(this, [this, key = job.key, thumbnail] { arrived(key, thumbnail); },
                                  Qt::QueuedConnection);
        lock.lock();
        m_running.clear();
    }
}

void PreviewLoader::arrived(const QString &key, const Thumbnail &thumbnail)
{
    // A file that could not be read is tried again when asked for again.
    if (!thumbnail.image.isNull()) {
        const qsizetype cost = std::max(thumbnail.image.sizeInBytes(), kCacheBytes / kCachePreviews);
        m_cache.insert(key, new Thumbnail(thumbnail), cost);
    }
    if (key != m_wanted)
        return;
    m_wanted.clear();
    emit ready(thumbnail);
}
