#pragma once

#include "collection/WallpaperChange.h"
#include "internet/Categories.h"
#include "internet/DownloadCache.h"
#include "internet/DownloadClient.h"
#include "internet/PhotoFeeds.h"

#include <QObject>
#include <QPointer>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class AppContext;

// The internet source's wallpaper changes: each takes the next address of the
// internet file list (the position "Seq" of section "Internet"), gets the
// picture from the download cache or the network, and shows it. A cooldown of
// IntCoolDown milliseconds since the last internet change ("IntCL" of section
// "Options", on the program's clock) refuses changes asked for too soon, and
// only one runs at a time.
//
// It is also the one owner of the catalogue refreshes and rebuilds of the
// internet file list, whoever asks for them (start-up, the settings window):
// they run one at a time, in the order asked; a request for what runs or
// waits already (a refresh of the same catalogue address, a waiting rebuild
// of the same choices) joins it. A callback is given with a receiver and is
// not called when the receiver was destroyed meanwhile (without one, always).
// Once the program is ending, waiting work does not start: its callbacks get
// Abandoned or NotWritten.
class InternetSource : public QObject {
    Q_OBJECT
public:
    explicit InternetSource(AppContext& app, QObject* parent = nullptr);

    using RefreshDone = std::function<void(CategoryList list, DownloadStatus status)>;
    using RebuildDone = std::function<void(RebuildOutcome outcome, CategoryList list)>;
    using PhotoFeedsDone = std::function<void(PhotoFeedsOutcome outcome, QStringList errors)>;

    // One internet change, backward when `previous`. `done` (optional) gets
    // how it went: Busy while one runs or waits, NothingToShow when refused by
    // the cooldown or with nothing to show. While a refresh or rebuild runs
    // or waits, the change waits for it before it looks at the cooldown or
    // the list.
    void InternetNext(bool previous, std::function<void(ChangeResult)> done = {});

    // A catalogue refresh (UpdateIntCatz).
    void RefreshCategories(QObject* receiver, RefreshDone done);
    // A rebuild of the internet file list from `list` (RebuildIntFiles).
    void RebuildFiles(CategoryList list, QObject* receiver, RebuildDone done);
    // A rebuild of the internet file list from the stored category choices,
    // read when it starts (so after the rebuilds asked for before it), as
    // after a change of the photo feeds.
    void RebuildWithStoredChoices(QObject* receiver = nullptr, RebuildDone done = {});
    // Downloads the catalogue and rebuilds the internet file list from the
    // stored category choices (the local catalogue's when the download
    // fails); used at start-up while there is no internet file list yet.
    // `done` gets whether the list was written with some category.
    void RefreshAndRebuild(QObject* receiver = nullptr, std::function<void(bool ok)> done = {});

    // A refresh of the photo feeds: each ticked feed not downloaded for
    // PhotoFeedIntervalMs is asked for a changed document (with the ETag and
    // Last-Modified of its last answer), a usable new one is kept in the
    // photo feeds folder, and its pictures that the internet file list lacks
    // are added to it (MergeNewPictures); the list is written once every due
    // feed answered or failed on its own account. A feed that fails (or turns
    // out to be no usable feed) leaves its kept document and the list as they
    // were; `errors` says why, one line per feed. InternetNext asks for one
    // when a feed is due.
    void RefreshPhotoFeeds(QObject* receiver = nullptr, PhotoFeedsDone done = {});
    // A ticked photo feed is due for a download.
    bool photoFeedsDue() const;

    // A refresh or rebuild runs or waits.
    bool rebuilding() const { return m_running != nullptr || !m_jobs.empty(); }
    bool busy() const { return m_busy; }
    DownloadClient& client() { return m_client; }
    DownloadCache& cache() { return m_cache; }

private:
    struct Job {
        bool refresh = false;
        bool photoFeeds = false;
        QString address;            // a refresh: the catalogue's address
        CategoryList list;          // a rebuild: the choices
        bool storedChoices = false; // a rebuild from the choices stored when it starts
        bool finished = false;
        std::vector<RefreshDone> refreshed;
        std::vector<RebuildDone> rebuilt;
        std::vector<PhotoFeedsDone> photoFeedsRefreshed;
    };
    void enqueue(Job job);
    void startJob();
    void finishJob(const CategoryList& list, DownloadStatus status, RebuildOutcome outcome);
    void finishPhotoFeeds(PhotoFeedsOutcome outcome, const QStringList& errors);
    // After a job's callbacks: the next job, or the changes that waited.
    void endJob();
    void runPhotoFeeds();
    // The end of a round of the photo feeds: `fresh` (the pictures of the
    // new documents) merged into the internet file list.
    void addFeedPictures(const QStringList& fresh, QStringList errors);
    // The ticked photo feeds due for a download now.
    QList<PhotoFeed> dueFeeds() const;

    // The picture at the next position of the internet file list: its
    // address and bytes (none when it could not be had), and whether they
    // came from the download cache.
    struct Fetched {
        QString address;
        std::optional<QByteArray> bytes;
        bool cached = false;
    };
    void FetchInternetPicture(std::function<void(Fetched)> got);
    void StepInternetBack(std::function<void(Fetched)> got);
    // After the change that showed (or failed to show) `fetched`: a download
    // that decoded as a picture is stored in the cache; a cached item that
    // did not decode is taken out of it.
    void keepOrForget(const Fetched& fetched, const ChangeResult& result);
    double storedIntCL(qint64 fallback) const;

    AppContext& m_app;
    DownloadClient m_client;
    DownloadCache m_cache;
    std::deque<Job> m_jobs;         // waiting, in order
    std::shared_ptr<Job> m_running; // running, or calling its callbacks
    // Changes waiting for the refreshes and rebuilds to end.
    std::vector<std::function<void()>> m_afterJobs;
    bool m_busy = false;
    // Counts the Clears: a download that a Clear overtook is not shown.
    quint64 m_clears = 0;
};

// The refusal while the cooldown runs: the minutes in the locale's form.
QString CooldownRefusalText(double coolDownMs);
