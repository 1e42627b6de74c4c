#include "internet/InternetStepping.h"

#include "context/AppContext.h"
#include "context/Jobs.h"
#include "feeds/FeedReader.h"
#include "internet/Categories.h"
#include "platform/AtomicFile.h"
#include "settings/StoredText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <cmath>

namespace {

const QString kInternet = QStringLiteral("Internet");
const QString kOptions = QStringLiteral("Options");

// `done` as called for `receiver`: not at all once the receiver is gone.
template <typename... Args>
std::function<void(Args...)> forReceiver(QObject* receiver, std::function<void(Args...)> done) {
    if (!done) return [](Args...) {};
    if (!receiver) return done;
    return [r = QPointer<QObject>(receiver), done = std::move(done)](Args... args) {
        if (r) done(args...);
    };
}

// The same category choices: the same categories, the same ones checked.
bool sameChoices(const CategoryList& a, const CategoryList& b) {
    if (a.categories.size() != b.categories.size()) return false;
    for (qsizetype i = 0; i < a.categories.size(); ++i) {
        const Category &x = a.categories[i], &y = b.categories[i];
        if (x.number != y.number || x.name != y.name || x.checked != y.checked) return false;
    }
    return true;
}

// Whether RebuildIntFiles would rebuild `list`.
bool wantsRebuild(const CategoryList& list, ChangeTechnique technique) {
    bool changed = list.refreshed || list.techniqueAtRebuild != technique;
    for (const Category& c : list.categories)
        changed = changed || c.checked != c.checkedAtRebuild;
    return changed;
}

} // namespace

QString CooldownRefusalText(double coolDownMs) {
    return QCoreApplication::translate("InternetStepping",
                                       "you can download only one wallpaper every %1 Minutes")
        .arg(QLocale().toString(coolDownMs / 60000, 'g', QLocale::FloatingPointShortest));
}

InternetSource::InternetSource(AppContext& app, QObject* parent)
    : QObject(parent), m_app(app), m_client(app), m_cache(app) {
    connect(&app.events, &AppEvents::wallpaperCleared, this, [this] { ++m_clears; });
}

double InternetSource::storedIntCL(qint64 fallback) const {
    const std::optional<QString> text =
        m_app.platform.store->value(kOptions, QStringLiteral("IntCL"));
    return text ? StoredText::toDouble(*text).value_or(double(fallback)) : double(fallback);
}

void InternetSource::InternetNext(bool previous, std::function<void(ChangeResult)> done) {
    if (!done) done = [](ChangeResult) {};
    ChangeResult result;
    if (m_busy) {
        result.status = ChangeResult::Status::Busy;
        return done(result);
    }
    // New pictures of the photo feeds first: the change waits for them. A
    // feed that failed is named in a bubble; the change goes on without it.
    if (photoFeedsDue())
        RefreshPhotoFeeds(this, [this](PhotoFeedsOutcome, const QStringList& errors) {
            if (errors.isEmpty()) return;
            m_app.platform.notifier->showBubble(
                QCoreApplication::translate("InternetStepping",
                                            "Photo feeds that could not be refreshed:\n%1")
                    .arg(errors.join(QLatin1Char('\n'))),
                10000, BubbleKind::Message);
        });
    // The cooldown and the address wait for a refresh or rebuild under way:
    // until it ends there may be no list to take an address from.
    if (rebuilding()) {
        m_busy = true;
        m_afterJobs.push_back([this, previous, done] {
            m_busy = false;
            if (m_client.ending()) return done(ChangeResult());
            InternetNext(previous, done);
        });
        return;
    }
    SettingsStore& store = *m_app.platform.store;
    const double coolDown = m_app.settings.IntCoolDown;
    qint64 t = m_app.platform.clock->nowMs();
    // First use, or a clock that started again (a restart): no cooldown.
    if (storedIntCL(t) >= double(t))
        store.setValue(kOptions, QStringLiteral("IntCL"), StoredText::fromDouble(-coolDown));
    t = m_app.platform.clock->nowMs();
    if (storedIntCL(t) + coolDown > double(t)) {
        m_app.platform.notifier->showBubble(CooldownRefusalText(coolDown), 5000,
                                            BubbleKind::Message);
        return done(result);
    }
    m_busy = true;
    const auto got = [this, done, clears = m_clears](Fetched fetched) {
        // The download is over: the cooldown counts from here, and the
        // picture is shown as a change of its own. A download ended by the
        // end of the program was no download: no cooldown follows it.
        m_busy = false;
        if (m_client.ending()) return done(ChangeResult());
        m_app.platform.store->setValue(kOptions, QStringLiteral("IntCL"),
                                       QString::number(m_app.platform.clock->nowMs()));
        m_app.platform.store->sync();
        if (!fetched.bytes) return done(ChangeResult());
        // The user cleared the wallpaper while it downloaded: the Clear is
        // the last request. (Never decoded, the download is not cached.)
        if (clears != m_clears) {
            ChangeResult overtaken;
            overtaken.status = ChangeResult::Status::Cancelled;
            return done(overtaken);
        }
        // Only the change decodes the bytes: what goes into the cache waits
        // for its word.
        // The address goes with it into the history of wallpapers shown.
        const QByteArray bytes = *fetched.bytes;
        const QString address = fetched.address;
        ShowInternetPictureAsWallpaper(
            m_app, bytes, std::nullopt, this,
            [this, fetched = std::move(fetched), done](const ChangeResult& result) {
                keepOrForget(fetched, result);
                done(result);
            },
            address);
    };
    if (previous)
        StepInternetBack(got);
    else
        FetchInternetPicture(got);
}

void InternetSource::RefreshCategories(QObject* receiver, RefreshDone done) {
    const QString address = CatalogueAddress(m_app.settings.internet());
    RefreshDone call = forReceiver(receiver, std::move(done));
    // The same catalogue asked for again: the answer of the one under way.
    if (m_running && !m_running->finished && m_running->refresh && m_running->address == address)
        return m_running->refreshed.push_back(std::move(call));
    for (Job& job : m_jobs)
        if (job.refresh && job.address == address) return job.refreshed.push_back(std::move(call));
    Job job;
    job.refresh = true;
    job.address = address;
    job.refreshed.push_back(std::move(call));
    enqueue(std::move(job));
}

void InternetSource::RebuildFiles(CategoryList list, QObject* receiver, RebuildDone done) {
    RebuildDone call = forReceiver(receiver, std::move(done));
    // A waiting rebuild of the same choices does this one's work too; it
    // rebuilds whenever either would.
    for (Job& job : m_jobs)
        if (!job.refresh && !job.photoFeeds && !job.storedChoices && sameChoices(job.list, list)) {
            if (wantsRebuild(list, m_app.settings.TechniqueTimer)) job.list.refreshed = true;
            return job.rebuilt.push_back(std::move(call));
        }
    Job job;
    job.list = std::move(list);
    job.rebuilt.push_back(std::move(call));
    enqueue(std::move(job));
}

void InternetSource::RebuildWithStoredChoices(QObject* receiver, RebuildDone done) {
    Job job;
    job.storedChoices = true;
    job.rebuilt.push_back(forReceiver(receiver, std::move(done)));
    enqueue(std::move(job));
}

void InternetSource::RefreshAndRebuild(QObject* receiver, std::function<void(bool ok)> done) {
    std::function<void(bool)> call = forReceiver(receiver, std::move(done));
    RefreshCategories(this, [this, call](CategoryList list, DownloadStatus status) {
        if (status == DownloadStatus::Abandoned) return call(false);
        const bool any = !list.categories.isEmpty();
        // There is no list yet: it is built from the new catalogue or, when
        // the download failed, from the one kept.
        list.refreshed = true;
        RebuildFiles(std::move(list), this, [call, any](RebuildOutcome outcome, CategoryList) {
            call(any && outcome == RebuildOutcome::Written);
        });
    });
}

void InternetSource::enqueue(Job job) {
    m_jobs.push_back(std::move(job));
    if (!m_running) startJob();
}

void InternetSource::startJob() {
    if (m_running || m_jobs.empty()) return;
    m_running = std::make_shared<Job>(std::move(m_jobs.front()));
    m_jobs.pop_front();
    const std::shared_ptr<Job> job = m_running;
    // Once the program is ending, waiting work does not start.
    if (m_client.ending() && job->photoFeeds)
        return finishPhotoFeeds(PhotoFeedsOutcome::NotWritten, {});
    if (m_client.ending())
        return finishJob(job->refresh ? LoadIntCatz(m_app) : job->list, DownloadStatus::Abandoned,
                         RebuildOutcome::NotWritten);
    if (job->photoFeeds) {
        runPhotoFeeds();
    } else if (job->refresh) {
        UpdateIntCatz(m_app, m_client, [this](CategoryList list, DownloadStatus status) {
            finishJob(list, status, RebuildOutcome::NotWritten);
        });
    } else {
        if (job->storedChoices) {
            job->list = LoadIntCatz(m_app);
            job->list.refreshed = true;
        }
        RebuildIntFiles(m_app, job->list, m_client, m_cache,
                        [this](RebuildOutcome outcome, CategoryList list) {
                            finishJob(list, DownloadStatus::Answered, outcome);
                        });
    }
}

void InternetSource::finishJob(const CategoryList& list, DownloadStatus status,
                               RebuildOutcome outcome) {
    const std::shared_ptr<Job> job = m_running;
    // The job stays the running one while its callbacks run, so that work
    // they ask for queues behind it and a waiting change keeps waiting.
    job->finished = true;
    for (const RefreshDone& done : job->refreshed)
        done(list, status);
    for (const RebuildDone& done : job->rebuilt)
        done(outcome, list);
    m_running = nullptr;
    endJob();
}

void InternetSource::endJob() {
    if (!m_jobs.empty()) {
        // The next one starts from the event loop, not inside this one's end.
        QTimer::singleShot(0, this, &InternetSource::startJob);
        return;
    }
    std::vector<std::function<void()>> waiting;
    waiting.swap(m_afterJobs);
    for (const std::function<void()>& change : waiting)
        change();
}

void InternetSource::keepOrForget(const Fetched& fetched, const ChangeResult& result) {
    using Status = ChangeResult::Status;
    // Changed, or failed after the picture was decoded.
    const bool decoded = result.status == Status::Changed ||
                         result.status == Status::ComposeFailed ||
                         result.status == Status::WriteFailed;
    if (decoded && !fetched.cached) m_cache.CacheStore(fetched.address, *fetched.bytes);
    // A login or error page an earlier version kept: the next visit of this
    // position downloads again.
    else if (result.status == Status::LoadFailed && fetched.cached)
        m_cache.CacheForget(fetched.address);
}

void InternetSource::FetchInternetPicture(std::function<void(Fetched)> got) {
    SettingsStore& store = *m_app.platform.store;
    // A hand-edited position that is no whole number from 1 counts as 1.
    double seq =
        StoredText::toDouble(store.value(kInternet, QStringLiteral("Seq")).value_or(QString()))
            .value_or(1);
    if (!std::isfinite(seq) || seq < 1 || seq != std::floor(seq)) seq = 1;
    const QStringList addresses = ReadInternetFileList(m_app);
    if (addresses.isEmpty()) return got({});
    // A position past the end of a shorter list starts again from 1.
    if (seq > double(addresses.size())) seq = 1;
    const QString address = addresses.at(qsizetype(seq) - 1);
    store.setValue(kInternet, QStringLiteral("Seq"), QString::number(qint64(seq) + 1));
    if (std::optional<QByteArray> cached = m_cache.CacheLookup(address))
        return got({address, std::move(cached), true});
    // Stored only once the change has decoded it (keepOrForget): a login or
    // error page answered with status 200 must not stand in for the picture
    // for good.
    m_client.GetPageB(
        address,
        [address, got](std::optional<QByteArray> bytes) {
            got({address, std::move(bytes), false});
        },
        DownloadClient::PictureLimit);
}

void InternetSource::StepInternetBack(std::function<void(Fetched)> got) {
    SettingsStore& store = *m_app.platform.store;
    const double s =
        StoredText::toDouble(store.value(kInternet, QStringLiteral("Seq")).value_or(QString()))
            .value_or(1);
    store.setValue(kInternet, QStringLiteral("Seq"),
                   s > 2 && std::isfinite(s) ? QString::number(qint64(std::floor(s)) - 2)
                                             : QStringLiteral("1"));
    FetchInternetPicture(std::move(got));
}

QList<PhotoFeed> InternetSource::dueFeeds() const {
    QList<PhotoFeed> due;
    const qint64 now = m_app.platform.clock->nowMs();
    for (const PhotoFeed& f : LoadPhotoFeeds(m_app))
        if (f.ticked &&
            PhotoFeedDue(m_app.paths.PhotoFeedsFolder, f.feed, now, m_app.settings.IntCoolDown))
            due << f;
    return due;
}

bool InternetSource::photoFeedsDue() const {
    return !dueFeeds().isEmpty();
}

void InternetSource::RefreshPhotoFeeds(QObject* receiver, PhotoFeedsDone done) {
    PhotoFeedsDone call = forReceiver(receiver, std::move(done));
    // A refresh of the photo feeds that has not begun yet does this one's work.
    for (Job& job : m_jobs)
        if (job.photoFeeds) return job.photoFeedsRefreshed.push_back(std::move(call));
    Job job;
    job.photoFeeds = true;
    job.photoFeedsRefreshed.push_back(std::move(call));
    enqueue(std::move(job));
}

void InternetSource::runPhotoFeeds() {
    // The due feeds one after the other, each asked for a changed document;
    // a usable new one is read and kept by a job.
    struct Round {
        QList<PhotoFeed> due;
        qsizetype next = 0;
        QStringList fresh; // the pictures of the new documents
        QStringList errors;
    };
    auto round = std::make_shared<Round>();
    round->due = dueFeeds();
    if (round->due.isEmpty()) return finishPhotoFeeds(PhotoFeedsOutcome::NothingDue, {});

    auto step = std::make_shared<std::function<void()>>();
    *step = [this, round, step] {
        if (round->next == round->due.size()) {
            // Clearing the self-reference destroys this closure and its
            // captures: what follows uses copies.
            InternetSource* self = this;
            const QStringList fresh = round->fresh, errors = round->errors;
            *step = nullptr;
            return self->addFeedPictures(fresh, errors);
        }
        const PhotoFeed feed = round->due.at(round->next++);
        const QString url = feed.feed.url;
        const QString folder = m_app.paths.PhotoFeedsFolder;
        const QString path = PhotoFeedFile(folder, feed.feed);
        RequestHeaders headers;
        // Validators only while the document they describe is kept.
        const PhotoFeedState state = LoadPhotoFeedState(folder, feed.feed);
        if (QFileInfo::exists(path)) {
            if (!state.etag.isEmpty()) headers.append({"If-None-Match", state.etag});
            if (!state.lastModified.isEmpty())
                headers.append({"If-Modified-Since", state.lastModified});
        }
        const auto failed = [round, feed](const QString& why) {
            round->errors << QStringLiteral("%1: %2").arg(feed.feed.title, why);
        };
        m_client.GetAnswer(
            url, headers,
            [this, round, step, feed, url, folder, path, failed,
             state](std::optional<HttpAnswer> answer) {
                // Ending: what the round has is cut short, nothing is written.
                if (m_client.ending()) {
                    *step = nullptr;
                    return finishPhotoFeeds(PhotoFeedsOutcome::NotWritten, round->errors);
                }
                // Asked for, whatever the answer: not again before the interval.
                PhotoFeedState asked = state;
                asked.askedMs = m_app.platform.clock->nowMs();
                if (!answer || answer->status == 304) SavePhotoFeedState(folder, feed.feed, asked);
                if (!answer) {
                    failed(m_client.lastError());
                    return (*step)();
                }
                if (answer->status == 304) return (*step)();
                struct Read {
                    PhotoFeedDocument document;
                    bool written = false;
                    QString error;
                };
                RunJob(
                    this,
                    [body = answer->body, url, folder, path, feed, asked,
                     validators = std::pair{answer->etag, answer->lastModified}] {
                        Read read;
                        read.document = ReadPhotoFeed(body, url);
                        PhotoFeedState state = asked;
                        if (read.document.usable()) {
                            QDir().mkpath(folder);
                            read.written = WriteFileAtomically(path, body, &read.error);
                            // The validators describe the document now kept.
                            if (read.written) std::tie(state.etag, state.lastModified) = validators;
                        }
                        SavePhotoFeedState(folder, feed.feed, state);
                        return read;
                    },
                    [round, step, failed](Read read) {
                        if (!read.document.usable()) {
                            failed(read.document.error);
                        } else {
                            if (!read.written) failed(read.error);
                            round->fresh << read.document.pictures;
                        }
                        (*step)();
                    });
            },
            DownloadClient::PageLimit, true);
    };
    (*step)();
}

void InternetSource::addFeedPictures(const QStringList& fresh, QStringList errors) {
    if (fresh.isEmpty()) return finishPhotoFeeds(PhotoFeedsOutcome::Unchanged, errors);
    const QStringList list = ReadInternetFileList(m_app);
    const double seq =
        StoredText::toDouble(
            m_app.platform.store->value(kInternet, QStringLiteral("Seq")).value_or(QString()))
            .value_or(1);
    // The picture the next change shows, from 0 (a position beyond the end wraps).
    const qsizetype next =
        std::isfinite(seq) && seq >= 1 && seq <= double(list.size()) ? qsizetype(seq) - 1 : 0;
    const QStringList merged =
        MergeNewPictures(list, fresh, next, m_app.settings.TechniqueTimer, m_app.random);
    if (merged.size() == list.size()) return finishPhotoFeeds(PhotoFeedsOutcome::Unchanged, errors);
    QString error;
    if (!WriteInternetFileList(m_app, merged, &error)) {
        errors << QCoreApplication::translate("InternetStepping",
                                              "The internet picture list could not be written: %1")
                      .arg(error);
        return finishPhotoFeeds(PhotoFeedsOutcome::NotWritten, errors);
    }
    finishPhotoFeeds(PhotoFeedsOutcome::Written, errors);
}

void InternetSource::finishPhotoFeeds(PhotoFeedsOutcome outcome, const QStringList& errors) {
    const std::shared_ptr<Job> job = m_running;
    job->finished = true;
    for (const PhotoFeedsDone& done : job->photoFeedsRefreshed)
        done(outcome, errors);
    m_running = nullptr;
    endJob();
}
