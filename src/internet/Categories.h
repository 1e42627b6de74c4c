#pragma once

#include "internet/DownloadClient.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QList>
#include <QPoint>
#include <QString>
#include <functional>

class AppContext;
class DownloadCache;

// The picture categories of the internet source: the catalogue (a profile
// text of "cat"+n sections with a "name" and page addresses "url"+m, and an
// "info" section whose "time" is the download cooldown), its local copy
// "wpdlurls.tar" (byte-inverted), the check state of each category (section
// "Internet", key n, "0"/"1"), and the internet file list "wpdlfiles.dat"
// (byte-inverted lines of picture addresses) rebuilt from the checked ones.

// One category as the settings page shows it.
struct Category {
    int number = 0;
    QString name;
    bool checked = false;
    // The check state at the last rebuild (or when the list was loaded).
    bool checkedAtRebuild = false;
};

// The category list with what a rebuild compares against.
struct CategoryList {
    QList<Category> categories;
    // The technique in force at the last rebuild (or when the page opened).
    ChangeTechnique techniqueAtRebuild = ChangeTechnique::Sequence;
    // Set by a refresh of the catalogue; a rebuild follows whatever else.
    bool refreshed = false;
    // Why the refresh that gave this list failed (the download's error text,
    // or why the catalogue could not be read or written); empty otherwise.
    QString refreshError;
};

// The catalogue's address: the server, "/tessaly/wpfiles/", "wpdlurls" or
// the catalogue code, ".tar". A code that is itself an http, https or file
// address is the whole address.
QString CatalogueAddress(const InternetSettings& s);

// The category list from the local catalogue, with each one's stored check
// state; sets IntCoolDown from the catalogue (0 when it gives none). An empty
// list when there is no usable local catalogue.
CategoryList LoadIntCatz(AppContext& app);

// What the category page says when there is no category.
inline QString PleaseRefreshText() {
    return QCoreApplication::translate("Categories", "Please refresh!");
}

// What the category page says after a refresh from `address` failed, with
// the download's error text.
inline QString RefreshFailedText(const QString& address, const QString& error) {
    return QCoreApplication::translate("Categories",
                                       "The internet categories could not be refreshed from %1: %2")
        .arg(address, error);
}

// Downloads the catalogue into memory and, once it arrived whole, replaces
// the local copy with it (atomically); until then, and when the download
// fails or is abandoned, the old copy stays as it was. `done` gets the
// category list of the local copy (the new catalogue's, marked `refreshed`,
// or the old one's) and how the download ended (Failed too when the new
// copy could not be written), with the reason of a failure in `refreshError`.
void UpdateIntCatz(AppContext& app, DownloadClient& client,
                   std::function<void(CategoryList list, DownloadStatus status)> done);

// How a rebuild of the internet file list ended.
enum class RebuildOutcome {
    Unchanged,  // nothing changed since the last rebuild: nothing fetched or written
    Written,    // the list was written
    NotWritten, // a page request was abandoned (the program is ending) or the
                // file could not be written: the old list stays as it was
};

// When a check state, the technique or the catalogue changed since the last
// rebuild (or `refreshed` says so, as after a change of the photo feeds):
// fetches the link list of every page of every checked category (from the
// cache when it has it), adds the pictures of the ticked photo feeds' kept
// documents (see PhotoFeeds.h) that the pages did not give, shuffles the
// addresses for the random technique, writes the internet file list and stores the check states. A
// page that fails on its own account (a server error, a time-out) adds no
// addresses; one abandoned unanswered leaves list and check states as they
// were. `done` gets the outcome and the list, updated when Written.
void RebuildIntFiles(AppContext& app, CategoryList list, DownloadClient& client,
                     DownloadCache& cache,
                     std::function<void(RebuildOutcome outcome, CategoryList list)> done);

// Writes the internet file list (atomically); false with the reason in `error`.
bool WriteInternetFileList(const AppContext& app, const QStringList& addresses,
                           QString* error = nullptr);

// The internet file list's addresses, in order.
QStringList ReadInternetFileList(const AppContext& app);

// Where category box n goes in its frame (twips): two touching columns of
// boxes `width` wide and `height` high, odd numbers on the left.
QPoint CategoryBoxPlace(int n, int width, int height);

// The catalogue-code question.
inline QString CatCodeTitle() {
    return QCoreApplication::translate("Categories", "CatCode");
}
inline QString CatCodePrompt() {
    return QCoreApplication::translate("Categories",
                                       "Please enter the new CatCode.\r\nLeave blank for default.");
}
