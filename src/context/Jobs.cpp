#include "context/Jobs.h"

#include <QCoreApplication>
#include <QRunnable>
#include <QThreadPool>
#include <condition_variable>
#include <deque>
#include <mutex>

struct JobHandle::State {
    mutable std::mutex mutex;
    std::condition_variable ended;
    bool running = true;
};

namespace {

// Where jobs run and where what they hand back waits for the interface
// thread. A child of the application object: before it goes, every job has
// returned, so none posts to it afterwards.
class JobHost : public QObject {
    Q_OBJECT
public:
    explicit JobHost(QObject* parent) : QObject(parent) {
        // A wallpaper change, a folder scan and a preparation at once, and
        // room for a cancelled job still winding down.
        pool.setMaxThreadCount(4);
        pool.setObjectName(QStringLiteral("jobs"));
    }
    ~JobHost() override {
        // They have been cancelled by now and stop at their next check.
        pool.waitForDone();
        // The last post of each is over (seen through the lock).
        const std::lock_guard lock(mutex);
    }

    void post(std::shared_ptr<const QPointer<QObject>> receiver, std::function<void()> call) {
        const std::lock_guard lock(mutex);
        const bool first = letters.empty();
        letters.push_back({std::move(receiver), std::move(call)});
        // One wake-up for a run of letters; it carries nothing itself. Sent
        // under the lock, so that this object is not used after the lock the
        // destructor takes.
        if (first) QMetaObject::invokeMethod(this, "deliver", Qt::QueuedConnection);
    }

    Q_INVOKABLE void deliver() {
        std::deque<Letter> now;
        {
            const std::lock_guard lock(mutex);
            now.swap(letters);
        }
        for (Letter& letter : now)
            if (!letter.receiver->isNull()) letter.call();
    }

    QThreadPool pool;

private:
    struct Letter {
        std::shared_ptr<const QPointer<QObject>> receiver;
        std::function<void()> call;
    };
    std::mutex mutex;
    std::deque<Letter> letters;
};

JobHost& Host() {
    // A process without an application object (a tool, a test) keeps its
    // host to the end.
    static QPointer<JobHost> host;
    if (!host) host = new JobHost(QCoreApplication::instance());
    return *host;
}

// The job as the pool runs it: made whole here, then handed to the pool, so
// that what it carries is seen to arrive on the job thread.
class JobRunnable final : public QRunnable {
public:
    JobRunnable(std::function<void()> body, std::shared_ptr<JobHandle::State> state)
        : m_body(std::move(body)), m_state(std::move(state)) {}
    void run() override {
        TakeOver(this);
        m_body();
        m_body = nullptr;
        {
            const std::lock_guard lock(m_state->mutex);
            m_state->running = false;
        }
        m_state->ended.notify_all();
    }

private:
    std::function<void()> m_body;
    std::shared_ptr<JobHandle::State> m_state;
};

} // namespace

QThreadPool& JobThreads() {
    return Host().pool;
}

PostTo::PostTo(QObject* receiver)
    : m_receiver(std::make_shared<const QPointer<QObject>>(receiver)), m_host(&Host()) {}

void PostTo::operator()(std::function<void()> call) const {
    static_cast<JobHost*>(m_host)->post(m_receiver, std::move(call));
}

bool JobHandle::running() const {
    if (!m_state) return false;
    const std::lock_guard lock(m_state->mutex);
    return m_state->running;
}

void JobHandle::wait() const {
    if (!m_state) return;
    std::unique_lock lock(m_state->mutex);
    m_state->ended.wait(lock, [this] { return !m_state->running; });
}

JobHandle StartJob(std::function<void()> body) {
    auto state = std::make_shared<JobHandle::State>();
    auto* runnable = new JobRunnable(std::move(body), state);
    HandOver(runnable);
    Host().pool.start(runnable);
    return JobHandle(std::move(state));
}

#include "Jobs.moc"
