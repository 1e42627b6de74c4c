#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
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

// A hand-over from one thread to another through Qt's thread pool or a
// thread Qt starts: what the first did before HandOver(key) happens before
// what the second does after TakeOver(key). Qt's own locks do the work; these
// only tell ThreadSanitizer, which cannot see inside Qt's libraries as Debian
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
// from inside a job. Owned by the application object, which waits for the
// jobs still running when it goes.
QThreadPool& JobThreads();

// A way back from a job thread to the thread of `receiver`: made there, used
// from anywhere. Each call is run on the receiver's thread, in order, unless
// the receiver has been destroyed by then. What is handed back travels
// through a queue with a lock of its own rather than through Qt's event
// queue, so that the thread checker sees the hand-over.
class PostTo {
public:
    explicit PostTo(QObject* receiver);
    void operator()(std::function<void()> call) const;

private:
    std::shared_ptr<const QPointer<QObject>> m_receiver;
    QObject* m_host;
};

// A job started by RunJob: whether it still runs, and a wait for its end.
class JobHandle {
public:
    struct State;
    JobHandle() = default;
    explicit JobHandle(std::shared_ptr<State> state) : m_state(std::move(state)) {}
    bool running() const;
    // Blocks until the job's work has returned (not until its result has
    // been handed back). For destructors of the job's owner only.
    void wait() const;

private:
    std::shared_ptr<State> m_state;
};

// Runs `body` on a job thread.
JobHandle StartJob(std::function<void()> body);

// Runs `work()` on a job thread and calls `done(result)` on `receiver`'s
// thread once it has finished. The hand-over belongs to `receiver`: when it
// is destroyed first, `done` is never called (the work still runs to its end
// or its next cancel check).
template <typename Work, typename Done> JobHandle RunJob(QObject* receiver, Work work, Done done) {
    using Result = std::invoke_result_t<Work&>;
    // Shared, so that the job and its hand-back can be std::functions
    // whatever the work and the receiver's callback hold.
    struct Parts {
        Work work;
        Done done;
        std::optional<Result> result;
    };
    auto parts = std::make_shared<Parts>(Parts{std::move(work), std::move(done), std::nullopt});
    return StartJob([parts, post = PostTo(receiver)] {
        parts->result.emplace(parts->work());
        post([parts] { parts->done(std::move(*parts->result)); });
    });
}
