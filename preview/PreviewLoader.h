#pragma once

#include "preview/Thumbnail.h"

#include <QCache>
#include <QObject>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Makes previews on a thread of its own, so the window never waits for a
// decode. The photo wanted now comes first; work queued for photos the user
// has passed over is dropped; then the neighbours in the direction of travel
// are prepared into a cache (at most 64 previews or 32 MB). Images come back
// to the thread that owns the loader (the user-interface thread); a result
// for a photo no longer wanted goes into the cache, never on the screen.
class PreviewLoader : public QObject
{
    Q_OBJECT

public:
    explicit PreviewLoader(QObject *parent = nullptr);
    ~PreviewLoader() override;

    // Wants the preview of `path` for a box of `box` device pixels: emitted at
    // once when cached, else made before anything else. `ahead` are prepared
    // after it, in their order.
    void want(const QString &path, QSize box, const QStringList &ahead);
    // Wants none: a result still being made is not shown.
    void cancel();
    // A wanted preview has not come yet.
    bool waiting() const { return !m_wanted.isEmpty(); }
    // Work is queued or being done; its results may still be on their way.
    bool busy();

signals:
    void ready(const Thumbnail &thumbnail);

private:
    struct Job
    {
        QString key;
        QString path;
        QSize box;
    };

    void work();
    void arrived(const QString &key, const Thumbnail &thumbnail);

    // User-interface thread only.
    QCache<QString, Thumbnail> m_cache;
    QString m_wanted;

    // Shared with the worker, under m_mutex.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    QString m_running;
    bool m_stop = false;
    std::thread m_worker;
};
