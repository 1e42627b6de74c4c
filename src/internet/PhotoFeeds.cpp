#include "internet/PhotoFeeds.h"

#include "context/AppContext.h"
#include "feeds/FeedReader.h"

#include <QFile>
#include <QSet>

namespace {

const QString kSection = QStringLiteral("PhotoFeeds");

} // namespace

QList<PhotoFeed> LoadPhotoFeeds(const AppContext& app) {
    QList<FeedEntry> entries;
    LoadFeeds(app.paths.PhotoFeedsListPath, entries);
    QList<PhotoFeed> feeds;
    for (qsizetype i = 0; i < entries.size(); ++i)
        feeds.append({entries[i], app.platform.store->value(kSection, QString::number(i)) !=
                                      QStringLiteral("0")});
    return feeds;
}

bool SavePhotoFeeds(AppContext& app, const QList<PhotoFeed>& feeds, QString* error) {
    QList<FeedEntry> entries;
    for (const PhotoFeed& f : feeds)
        entries << f.feed;
    if (!SaveFeeds(app.paths.PhotoFeedsListPath, entries, error)) return false;
    SettingsStore& store = *app.platform.store;
    for (qsizetype i = 0; i < feeds.size(); ++i)
        store.setValue(kSection, QString::number(i),
                       feeds[i].ticked ? QStringLiteral("1") : QStringLiteral("0"));
    // The ticks of feeds that are gone would tick the next ones added.
    for (qsizetype i = feeds.size(); store.value(kSection, QString::number(i)); ++i)
        store.remove(kSection, QString::number(i));
    store.sync();
    return true;
}

QString PhotoFeedFile(const QString& folder, const FeedEntry& feed) {
    return FeedFilePath(folder, feed.title);
}

QStringList StoredPhotoFeedPictures(const QString& folder, const QList<PhotoFeed>& feeds) {
    QStringList pictures;
    QSet<QString> seen;
    for (const PhotoFeed& f : feeds) {
        if (!f.ticked) continue;
        QFile file(PhotoFeedFile(folder, f.feed));
        if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFeedBytes) continue;
        for (const QString& p : ReadPhotoFeed(file.readAll(), f.feed.url).pictures)
            if (!seen.contains(p)) {
                seen.insert(p);
                pictures << p;
            }
    }
    return pictures;
}

QStringList MergeNewPictures(QStringList list, const QStringList& fresh, qsizetype next,
                             ChangeTechnique technique, std::mt19937& random) {
    QSet<QString> known(list.begin(), list.end());
    next = std::clamp<qsizetype>(next, 0, list.size());
    for (const QString& p : fresh) {
        if (known.contains(p)) continue;
        known.insert(p);
        if (technique == ChangeTechnique::Random) {
            std::uniform_int_distribution<qsizetype> place(next, list.size());
            list.insert(place(random), p);
        } else {
            list << p;
        }
    }
    return list;
}
