#include "feeds/FeedUpdater.h"

#include "context/AppContext.h"
#include "context/Jobs.h"
#include "internet/DownloadClient.h"
#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <algorithm>

FeedUpdater::FeedUpdater(AppContext& app, QObject* parent)
    : QObject(parent), m_app(app), m_client(std::make_unique<DownloadClient>(app)) {}

FeedUpdater::~FeedUpdater() = default;

QList<FeedNews> FeedUpdater::known(const QList<FeedEntry>& feeds) const {
    QList<FeedNews> news;
    for (const FeedEntry& feed : feeds) {
        FeedNews n{feed, {}};
        const auto same = std::find_if(m_news.begin(), m_news.end(), [&](const FeedNews& o) {
            return o.feed == feed && o.document.usable();
        });
        if (same != m_news.end()) {
            n.document = same->document;
        } else {
            // A file an earlier version named from more of a long title
            // than the list kept is taken over under the name it has now.
            AdoptLongerFeedFile(m_app.paths.FeedsFolder, feed.title);
            QFile file(FeedFilePath(m_app.paths.FeedsFolder, feed.title));
            n.document = file.open(QIODevice::ReadOnly) && file.size() <= kMaxFeedBytes
                             ? ReadFeed(file.readAll())
                             : FeedDocument{{},
                                            {},
                                            {},
                                            QCoreApplication::translate("FeedUpdater",
                                                                        "Not downloaded yet.")};
        }
        news << n;
    }
    return news;
}

void FeedUpdater::showStored(const QList<FeedEntry>& feeds) {
    if (m_running) return;
    m_news = known(feeds);
    QTimer::singleShot(0, this, &FeedUpdater::updated);
}

void FeedUpdater::update(const QList<FeedEntry>& feeds) {
    if (m_running) {
        m_again = feeds;
        return;
    }
    m_running = true;
    m_answeredOnce = false;
    m_errors.clear();
    m_news = known(feeds);
    m_waiting = int(m_news.size());
    if (m_waiting == 0) {
        QTimer::singleShot(0, this, &FeedUpdater::finishRound);
        return;
    }
    QPointer<FeedUpdater> self(this);
    for (int i = 0; i < m_news.size(); ++i) {
        const QString url = m_news[i].feed.url;
        RequestHeaders headers;
        // Validators only for a feed whose document is at hand: a 304 says
        // "keep what you have".
        const auto v = m_validators.constFind(url);
        if (v != m_validators.constEnd() && m_news[i].document.usable()) {
            if (!v->etag.isEmpty()) headers.append({"If-None-Match", v->etag});
            if (!v->lastModified.isEmpty()) headers.append({"If-Modified-Since", v->lastModified});
        }
        m_client->GetAnswer(
            url, headers,
            [self, i](std::optional<HttpAnswer> answer) {
                if (self) self->answered(i, answer);
            },
            DownloadClient::PageLimit, true);
    }
}

void FeedUpdater::answered(int index, const std::optional<HttpAnswer>& answer) {
    FeedNews& n = m_news[index];
    const QString name = n.feed.title;
    if (!answer) {
        m_errors << QStringLiteral("%1: %2").arg(name, m_client->lastError());
    } else if (answer->status == 304) {
        m_answeredOnce = true;
    } else {
        // A document of up to 10 MB is read and stored by a job; the round
        // goes on when it is back.
        const QString folder = m_app.paths.FeedsFolder;
        const QString path = FeedFilePath(folder, n.feed.title);
        RunJob(
            this,
            [body = answer->body, folder, path] {
                StoredFeed stored;
                stored.document = ReadFeed(body);
                if (stored.document.usable()) {
                    QDir().mkpath(folder);
                    stored.written = WriteFileAtomically(path, body, &stored.error);
                }
                return stored;
            },
            [this, index, validators = Validators{answer->etag, answer->lastModified}](
                StoredFeed stored) { read(index, std::move(stored), validators); });
        return;
    }
    if (--m_waiting == 0) finishRound();
}

void FeedUpdater::read(int index, StoredFeed stored, const Validators& validators) {
    FeedNews& n = m_news[index];
    const QString name = n.feed.title;
    if (!stored.document.usable()) {
        m_errors << QStringLiteral("%1: %2").arg(name, stored.document.error);
    } else {
        m_answeredOnce = true;
        if (!stored.written) m_errors << QStringLiteral("%1: %2").arg(name, stored.error);
        n.document = std::move(stored.document);
        m_validators.insert(n.feed.url, validators);
    }
    if (--m_waiting == 0) finishRound();
}

void FeedUpdater::finishRound() {
    m_running = false;
    if (m_answeredOnce) m_lastSuccess = QDateTime::currentDateTime();
    emit updated();
    if (m_again) {
        const QList<FeedEntry> next = *m_again;
        m_again.reset();
        update(next);
    }
}
