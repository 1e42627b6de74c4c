#pragma once

#include "settings/ProfileText.h"

#include <QList>
#include <QString>

// One feed of the feed list: its title as shown (already a safe file name,
// see SafeFeedName) and its address.
struct FeedEntry {
    QString title;
    QString url;
    bool operator==(const FeedEntry&) const = default;
};

// The longest address the feed list keeps: its values are read back as at
// most 127 characters.
inline constexpr int kMaxFeedAddress = int(ProfileText::kMaxValue);

// Writes the feed list file "FeedsList.tsy": section "F" + i for i = 0, 1, …
// with the keys "ID" (title) and "URL" (address), as a profile text. The file
// is replaced whole; on failure the old one stays and `error` says why.
bool SaveFeeds(const QString& path, const QList<FeedEntry>& feeds, QString* error = nullptr);

// Appends the feeds of the list file to `feeds` (which is not cleared), in
// order, up to the first section without an "ID". A missing file adds none.
void LoadFeeds(const QString& path, QList<FeedEntry>& feeds);

// A feed title as a file name of its own in the feeds folder: the characters
// MakeSafeFileName replaces and control characters become blanks, runs of
// blanks one, leading and trailing blanks and dots go, and the name is cut,
// in whole characters, to what the feed list reads back of a title (127
// characters) and to 200 bytes of UTF-8 (with ".xml" well within any file
// system's limit). "feed" when nothing is left. It never holds a path
// separator, so it cannot lead out of the folder. The name is also the title
// the list keeps: saved and loaded again, it names the same file.
QString SafeFeedName(const QString& title);

// A feed's file stored under a longer name by an earlier version (up to 200
// bytes of its title, of which the list kept 127 characters) is renamed to
// FeedFilePath(folder, title) when that file is missing. True when there is
// a file at FeedFilePath now.
bool AdoptLongerFeedFile(const QString& folder, const QString& title);

// Where the feed titled `title` is kept in `folder`: its safe name + ".xml".
QString FeedFilePath(const QString& folder, const QString& title);

// A headline's or site's link as an address the browser may open: resolved
// against the feed's address, and only when it is an http or https address;
// empty otherwise.
QString FeedLinkAddress(const QString& link, const QString& feedUrl);
