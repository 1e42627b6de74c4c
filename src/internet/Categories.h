#pragma once

#include "settings/Settings.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <functional>

class AppContext;
class DownloadCache;
class DownloadClient;

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
    return QStringLiteral("Please refresh!");
}

// Downloads the catalogue into the local copy and loads it; `done` gets the
// new list (empty when the download failed, and then the old copy is gone,
// so the next rebuild empties the internet file list).
void UpdateIntCatz(AppContext& app, DownloadClient& client,
                   std::function<void(CategoryList list)> done);

// When a check state, the technique or the catalogue changed since the last
// rebuild: stores the check states, fetches the link list of every page of
// every checked category (from the cache when it has it), shuffles the
// addresses for the random technique and writes the internet file list.
// `done` gets whether a rebuild ran.
void RebuildIntFiles(AppContext& app, CategoryList& list, DownloadClient& client,
                     DownloadCache& cache, std::function<void(bool rebuilt)> done);

// The internet file list's addresses, in order.
QStringList ReadInternetFileList(const AppContext& app);

// Where category box n goes in its frame (twips): two touching columns of
// boxes `width` wide and `height` high, odd numbers on the left.
QPoint CategoryBoxPlace(int n, int width, int height);

// The catalogue-code question.
inline QString CatCodeTitle() {
    return QStringLiteral("CatCode");
}
inline QString CatCodePrompt() {
    return QStringLiteral("Please enter the new CatCode.\r\nLeave blank for default.");
}
