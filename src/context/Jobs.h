#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <memory>
#include <type_traits>
#include <utility>

class QThreadPool;

// Long work (a folder scan, decoding and composing a wallpaper, writing its
// bitmap) runs as a job: it takes copies of what it needs when it starts,
// runs on a worker thread, stops early when its cancel flag is set, and hands
// its result back on the thread of the user interface, where the program's
// state changes. Nothing on a worker touches the application object.

#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define TESSALY_THREAD_SANITIZER 1
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif
#endif

// A hand-over from one thread to another through Qt's event queue or thread
// pool: what the first did before HandOver(key) happens before what the
// second does after TakeOver(key). Qt's own locks do the work; these only
// tell ThreadSanitizer, which cannot see inside Qt's libraries as Debian
// builds them (`make test-tsan`), and are nothing otherwise.
inline void HandOver([[maybe_unused]] const void* key) {
#ifdef TESSALY_THREAD_SANITIZER
    __tsan_release(const_cast<void*>(key));
#endif
}
inline void TakeOver([[maybe_unused]] const void* key) {
#ifdef TESSALY_THREAD_SANITIZER
    __tsan_acquire(const_cast<void*>(key));
#endif
}

// Set by whoever owns a job to make it stop at its next check; the job reads
// it on its thread.
using CancelFlag = std::shared_ptr<std::atomic<bool>>;
inline CancelFlag NewCancelFlag() {
    return std::make_shared<std::atomic<bool>>(false);
}

// The threads jobs run on: a pool of their own, so that Qt's image routines,
// which share large scalings among the threads of the global pool, still can
// from inside a job.
QThreadPool& JobThreads();

// Runs `work()` on a job thread and calls `done(result)` on `receiver`'s
// thread once it has finished. The hand-over belongs to `receiver`: when it
// is destroyed first, `done` is never called (the work still runs to its end
// or its next cancel check). Returns the future, which tells whether the work
// is still running.
template <typename Work, typename Done> auto RunJob(QObject* receiver, Work work, Done done) {
    using Result = std::invoke_result_t<Work>;
    auto* watcher = new QFutureWatcher<Result>(receiver);
    QObject::connect(watcher, &QFutureWatcherBase::finished, receiver,
                     [watcher, done = std::move(done)]() mutable {
                         TakeOver(watcher);
                         watcher->deleteLater();
                         done(watcher->future().takeResult());
                     });
    HandOver(watcher);
    QFuture<Result> future =
        QtConcurrent::run(&JobThreads(), [watcher, work = std::move(work)]() mutable {
            TakeOver(watcher);
            Result result = work();
            HandOver(watcher);
            return result;
        });
    watcher->setFuture(future);
    return future;
}
