#include "collection/PreparedWallpaper.h"

#include "context/Jobs.h"
#include "platform/Memory.h"

#include <QFileInfo>
#include <QRunnable>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <memory>
#include <utility>

struct PreparedWallpaper::Job {
    CanvasKey key;
    Compose compose;
    QImage reuse;
    std::atomic<bool> giveUp{false};
    // The result, written by the thread before it ends.
    QImage canvas;
};

namespace {

// Qt shares the work on large images (smooth scaling, format conversion)
// among the threads of its global pool, and a thread takes the priority of
// the thread that starts it. Started by the idle-priority preparation, the
// pool's threads would stay slow for every change after it; so they are
// all started here, at this thread's priority, and kept.
void startImageThreadsHere() {
    static bool started = false;
    if (std::exchange(started, true)) return;
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setExpiryTimeout(-1);
    const int n = pool->maxThreadCount();
    const auto running = std::make_shared<QSemaphore>(), go = std::make_shared<QSemaphore>();
    for (int i = 0; i < n; ++i) {
        QRunnable* wait = QRunnable::create([running, go] {
            TakeOver(&started);
            running->release();
            go->acquire();
        });
        HandOver(&started);
        pool->start(wait);
    }
    // Each waits until all are running, so that each has a thread of its own.
    running->tryAcquire(n, 2000);
    go->release(n);
}

} // namespace

FileStamp FileStamp::of(const QString& path) {
    const QFileInfo info(path);
    FileStamp stamp;
    if (!info.exists()) return stamp;
    stamp.size = info.size();
    stamp.modified = info.lastModified();
    stamp.statusChanged = info.metadataChangeTime();
    return stamp;
}

PreparedWallpaper::PreparedWallpaper() = default;

PreparedWallpaper::~PreparedWallpaper() {
    m_next.reset();
    if (m_thread) {
        m_job->giveUp = true;
        m_thread->wait();
        TakeOver(m_job.get());
        delete m_thread;
    }
}

std::optional<QList<qsizetype>> PreparedWallpaper::takePick(const PicturePick& now) {
    const std::optional<PicturePick> pick = std::exchange(m_pick, std::nullopt);
    if (!pick || !pick->fits(now)) return std::nullopt;
    return pick->chosen;
}

void PreparedWallpaper::start(const CanvasKey& key, Compose compose) {
    if (!m_canvas.isNull() && m_key == key) return;
    if (m_job && !m_job->giveUp && m_job->key == key) return;
    auto job = std::make_shared<Job>();
    job->key = key;
    job->compose = std::move(compose);
    if (m_thread) {
        // The work under way is for something else: it stops, and this one
        // starts when it has.
        m_job->giveUp = true;
        m_next = std::move(job);
        return;
    }
    startJob(std::move(job));
}

void PreparedWallpaper::startJob(std::shared_ptr<Job> job) {
    startImageThreadsHere();
    // A canvas that is no longer right is composed into again.
    job->reuse = !m_canvas.isNull() ? std::exchange(m_canvas, QImage()) : spare();
    m_job = job;
    HandOver(job.get());
    m_thread = QThread::create([job] {
        TakeOver(job.get());
        QImage canvas = job->compose(std::exchange(job->reuse, QImage()), job->giveUp);
        job->canvas = std::move(canvas);
        HandOver(job.get());
        // The pictures decoded for it are gone now.
        ReturnFreedMemory();
    });
    // The name shows in the system's thread lists (top -H, /proc).
    m_thread->setObjectName(QStringLiteral("next wallpaper"));
    QObject::connect(m_thread, &QThread::finished, &m_context, [this] { finished(); });
    // Idle priority: it only runs when nothing else wants the processor.
    m_thread->start(QThread::IdlePriority);
}

void PreparedWallpaper::finished() {
    m_thread->wait();
    TakeOver(m_job.get());
    delete m_thread;
    m_thread = nullptr;
    const std::shared_ptr<Job> job = std::exchange(m_job, nullptr);
    if (!job->giveUp && !job->canvas.isNull()) {
        m_key = job->key;
        m_canvas = std::move(job->canvas);
        // While one waits, no second canvas is held.
        m_spare = QImage();
    } else if (m_spare.isNull()) {
        m_spare = std::move(job->canvas);
    }
    if (m_next) startJob(std::exchange(m_next, nullptr));
}

void PreparedWallpaper::stop() {
    m_next.reset();
    if (m_job) m_job->giveUp = true;
}

QImage PreparedWallpaper::take(const CanvasKey& key) {
    stop();
    if (m_canvas.isNull()) return QImage();
    if (m_key == key) return std::exchange(m_canvas, QImage());
    // Stale: never shown, but its pixels can take the new composition.
    m_spare = std::exchange(m_canvas, QImage());
    return QImage();
}

void PreparedWallpaper::drop() {
    stop();
    if (!m_canvas.isNull()) m_spare = std::exchange(m_canvas, QImage());
}
