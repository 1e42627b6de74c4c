#pragma once

#include "feeds/FeedList.h"
#include "feeds/FeedReader.h"
#include "internet/DownloadClient.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>

class AppContext;

// One listed feed with its latest usable document (or, until there is one,
// the reason in the document's error).
struct FeedNews {
    FeedEntry feed;
    FeedDocument document;
};

// Keeps the listed feeds fresh: downloads them through the download client,
// asks each server only for a changed document (the ETag and Last-Modified of
// its previous answer go along, so an unchanged feed costs a 304), stores
// each new document in the feeds folder ("FeedsCache") under its title, and
// keeps the headlines of every feed in list order. Failures are quiet (no
// Retry/Cancel): the feed keeps its previous headlines and the reason is
// kept for whoever shows the state.
class FeedUpdater : public QObject {
    Q_OBJECT
public:
    explicit FeedUpdater(AppContext& app, QObject* parent = nullptr);
    ~FeedUpdater() override;

    // Fetches every feed of `feeds`, one after the other; `updated` follows
    // once each has answered or failed. Asked while a round runs, the newest
    // list is fetched once that round has ended.
    void update(const QList<FeedEntry>& feeds);
    // The headlines of `feeds` from their files in the feeds folder, without
    // downloading (at start-up); `updated` follows.
    void showStored(const QList<FeedEntry>& feeds);

    bool busy() const { return m_running; }
    const QList<FeedNews>& news() const { return m_news; }
    // When a round last had an answer (new or unchanged) from at least one
    // feed; invalid until then.
    QDateTime lastSuccess() const { return m_lastSuccess; }
    // Why feeds failed in the last round, one line each.
    const QStringList& lastErrors() const { return m_errors; }

signals:
    void updated();

private:
    struct Validators {
        QByteArray etag, lastModified;
    };
    // A new document as a job read and stored it.
    struct StoredFeed {
        FeedDocument document;
        bool written = false;
        QString error;
    };
    // The news of `feeds`, each with what is known of it already.
    QList<FeedNews> known(const QList<FeedEntry>& feeds) const;
    void answered(int index, const std::optional<HttpAnswer>& answer);
    void read(int index, StoredFeed stored, const Validators& validators);
    void finishRound();

    AppContext& m_app;
    std::unique_ptr<DownloadClient> m_client;
    QList<FeedNews> m_news;
    QHash<QString, Validators> m_validators; // by address
    QStringList m_errors;
    QDateTime m_lastSuccess;
    int m_waiting = 0;
    bool m_running = false;
    bool m_answeredOnce = false;
    std::optional<QList<FeedEntry>> m_again;
};
