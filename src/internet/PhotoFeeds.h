#pragma once

#include "feeds/FeedList.h"
#include "settings/Settings.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <random>

class AppContext;

// The photo feeds of the internet source: feeds whose items carry pictures
// (see ReadPhotoFeed). The list is "PhotoFeeds.tsy" in the feed-list format
// (title and address per feed); whether a feed is ticked is kept in the
// settings store, section "PhotoFeeds", key = its position ("0", "1", …),
// "1" or "0", ticked by default. Each feed's latest usable document is kept
// in the photo feeds folder under its title, from where a rebuild of the
// internet file list reads its pictures.
struct PhotoFeed {
    FeedEntry feed;
    bool ticked = true;
    bool operator==(const PhotoFeed&) const = default;
};

// The shortest time between two downloads of one photo feed: the cooldown,
// but at least an hour.
inline constexpr double kMinPhotoFeedIntervalMs = 3600000;
inline double PhotoFeedIntervalMs(double coolDownMs) {
    return coolDownMs > kMinPhotoFeedIntervalMs ? coolDownMs : kMinPhotoFeedIntervalMs;
}

// How a refresh of the photo feeds ended.
enum class PhotoFeedsOutcome {
    NothingDue, // no ticked feed was due: nothing fetched
    Unchanged,  // the feeds brought no picture the list lacks: nothing written
    Written,    // the new pictures were added to the internet file list
    NotWritten, // abandoned (the program is ending), or the list could not be
                // written: the list stays as it was
};

// The photo feeds of the list file with their ticks.
QList<PhotoFeed> LoadPhotoFeeds(const AppContext& app);
// Writes the list file (atomically) and the ticks; false with the reason in
// `error` when the file could not be written (the ticks are then left too).
bool SavePhotoFeeds(AppContext& app, const QList<PhotoFeed>& feeds, QString* error = nullptr);

// Where a feed's document is kept in `folder`.
QString PhotoFeedFile(const QString& folder, const FeedEntry& feed);

// What is known of a photo feed's downloads, kept beside its document (its
// file name with ".state" for ".xml", a profile text) so that the program
// asks no sooner and no less conditionally after a restart: the address it
// belongs to, the validators of the last usable answer, and when the feed
// was last asked for (on the program's clock).
struct PhotoFeedState {
    QByteArray etag, lastModified;
    std::optional<qint64> askedMs;
};
// The state of `feed` in `folder`; empty when there is none or it belongs to
// another address.
PhotoFeedState LoadPhotoFeedState(const QString& folder, const FeedEntry& feed);
// Writes it (atomically); false when it could not be written.
bool SavePhotoFeedState(const QString& folder, const FeedEntry& feed, const PhotoFeedState& state);
// Whether `feed` is due for a download at `nowMs` with the interval
// PhotoFeedIntervalMs(coolDownMs): never asked for, asked for that long ago,
// or asked for "later" than now (the clock started again).
bool PhotoFeedDue(const QString& folder, const FeedEntry& feed, qint64 nowMs, double coolDownMs);

// The pictures of the ticked feeds' kept documents, feed after feed, each
// address once. Reads files: for a job.
QStringList StoredPhotoFeedPictures(const QString& folder, const QList<PhotoFeed>& feeds);

// `list` with the addresses of `fresh` that it does not hold yet: at its end
// for the sequence technique; for the random one each goes to a random place
// from `next` (the position, from 0, of the picture the next change shows)
// on, so that it comes before the pictures shown already come again.
QStringList MergeNewPictures(QStringList list, const QStringList& fresh, qsizetype next,
                             ChangeTechnique technique, std::mt19937& random);
