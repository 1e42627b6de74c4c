#pragma once

#include <QString>

// Full paths of the data files, fixed once at start-up by InitDataFolder.
struct DataPaths {
    QString DataFolder; // always ends with the path separator
    QString WallPapersListPath;
    QString CataloguePath;       // "wpdlurls.tar"
    QString InternetListPath;    // "wpdlfiles.dat"
    QString FeedsListPath;       // "FeedsList.tsy"
    QString FeedsFolder;         // "FeedsCache/": the downloaded feeds
    QString PhotoFeedsListPath;  // "PhotoFeeds.tsy"
    QString PhotoFeedsFolder;    // "PhotoFeedsCache/": the downloaded photo feeds
    QString CacheFilePath;       // "IntCacheFile.dat"
    QString CacheIndexPath;      // "IntCacheIndexFile.dat"
    QString WallpaperBitmapPath; // "Orvane Wallpaper.bmp"
};

// Chooses the data folder ("Orvane Tessaly" in the user's application data
// folder, or in the documents folder where widgets do not exist), creates it
// and fixes every data file path. Falls back to `programFolder` when neither
// can be had.
DataPaths InitDataFolder(const QString& programFolder, bool widgets);

// Every data file path inside `dataFolder` (which ends with the separator).
DataPaths MakeDataPaths(const QString& dataFolder);

// The read-only folder installed beside the program: <prefix>/share/tessaly
// for an installed program, build/share/tessaly in the build tree.
QString ProgramDataFolder();
