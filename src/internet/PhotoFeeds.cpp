#include "internet/PhotoFeeds.h"

#include "context/AppContext.h"
#include "feeds/FeedReader.h"
#include "platform/AtomicFile.h"
#include "settings/ProfileText.h"

#include <QDir>
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

namespace {

QString StatePath(const QString& folder, const FeedEntry& feed) {
    QString path = PhotoFeedFile(folder, feed);
    path.chop(4); // ".xml"
    return path + QStringLiteral(".state");
}

} // namespace

PhotoFeedState LoadPhotoFeedState(const QString& folder, const FeedEntry& feed) {
    QFile file(StatePath(folder, feed));
    if (!file.open(QIODevice::ReadOnly) || file.size() > 64 * 1024) return {};
    const ProfileText text = ProfileText::parse(file.readAll());
    const QString section = QStringLiteral("Feed");
    // The values are read back as at most 127 characters: a longer address
    // cannot be in the list, a longer validator is not kept.
    if (text.value(section, QStringLiteral("URL")) != feed.url) return {};
    PhotoFeedState state;
    state.etag = text.value(section, QStringLiteral("ETag")).value_or(QString()).toUtf8();
    state.lastModified =
        text.value(section, QStringLiteral("LastModified")).value_or(QString()).toUtf8();
    bool ok = false;
    const qint64 asked =
        text.value(section, QStringLiteral("Asked")).value_or(QString()).toLongLong(&ok);
    if (ok) state.askedMs = asked;
    return state;
}

bool SavePhotoFeedState(const QString& folder, const FeedEntry& feed, const PhotoFeedState& state) {
    // A validator that would not come back whole, or would break its line,
    // is not kept: the next request is then unconditional.
    const auto value = [](const QByteArray& v) {
        return v.size() > ProfileText::kMaxValue || v.contains('\r') || v.contains('\n')
                   ? QByteArray()
                   : v;
    };
    QByteArray text = "[Feed]\r\nURL=" + feed.url.toUtf8() + "\r\nETag=" + value(state.etag) +
                      "\r\nLastModified=" + value(state.lastModified) + "\r\n";
    if (state.askedMs) text += "Asked=" + QByteArray::number(*state.askedMs) + "\r\n";
    QDir().mkpath(folder);
    return WriteFileAtomically(StatePath(folder, feed), text);
}

bool PhotoFeedDue(const QString& folder, const FeedEntry& feed, qint64 nowMs, double coolDownMs) {
    const std::optional<qint64> asked = LoadPhotoFeedState(folder, feed).askedMs;
    return !asked || *asked > nowMs || double(nowMs - *asked) >= PhotoFeedIntervalMs(coolDownMs);
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
