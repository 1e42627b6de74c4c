#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One headline of a feed: its title as plain text and its link as the
// document gives it (see FeedLinkAddress before opening it).
struct Headline {
    QString title;
    QString link;
};

// What a feed document holds, as far as the program uses it.
struct FeedDocument {
    QString title;             // the feed's title, plain text on one line
    QString link;              // the site's own address as the document gives it
    QList<Headline> headlines; // in the document's order
    // Why the document cannot be used; empty when it can (it then has a title).
    QString error;
    bool usable() const { return error.isEmpty(); }
};

// The bounds of ReadFeed.
inline constexpr qsizetype kMaxFeedBytes = 10 * 1024 * 1024;
inline constexpr int kMaxHeadlines = 100;
inline constexpr int kMaxFeedText = 1000; // characters of a title or a link
inline constexpr int kMaxFeedDepth = 256; // elements inside one another

// Reads the title, site link and headlines of an RSS 2.0 (or 0.9x), RSS 1.0
// or Atom document with a real XML parser. A pure function of the bytes,
// bounded in time and memory by their size: a document larger than
// kMaxFeedBytes, one that declares entities (and could expand them), one
// nested deeper than kMaxFeedDepth, one that is not well-formed XML or not a
// feed, and one whose title is missing or longer than kMaxFeedText are
// refused with the reason in `error`. Headline titles beyond kMaxFeedText are
// cut, links beyond it dropped, headlines beyond kMaxHeadlines left out.
// Atom texts of type "html" lose their mark-up; every text is made one line.
FeedDocument ReadFeed(const QByteArray& document);

// What a photo feed holds: its title and the addresses of its pictures.
struct PhotoFeedDocument {
    QString title;        // the feed's title, plain text on one line
    QStringList pictures; // absolute http or https addresses, in the document's order, once each
    // Why the document cannot be used; empty when it can (it then has a title).
    QString error;
    bool usable() const { return error.isEmpty(); }
};

// The most pictures ReadPhotoFeed takes from one document.
inline constexpr int kMaxFeedPictures = 1000;

// Reads the title and the pictures of a photo feed (picture-of-the-day and
// photo-blog feeds) fetched from `feedUrl`, under the same bounds and
// refusals as ReadFeed. Each item or entry gives at most one picture, the
// first of: its Media RSS "media:content" marked isDefault, the widest one
// (also inside "media:group"), the first one; an RSS 2.0 "enclosure"; an
// Atom link rel="enclosure". Only image ones count: medium="image" or an
// "image/" type, or, with neither, an address ending in a picture file's
// extension. Addresses are resolved against `feedUrl`; those that are not
// http or https, and those longer than kMaxFeedText, are left out, and so
// are the pictures beyond kMaxFeedPictures. An item that only links to a
// page is no picture.
PhotoFeedDocument ReadPhotoFeed(const QByteArray& document, const QString& feedUrl);
