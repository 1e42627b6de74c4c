#include "settings/DataFolder.h"

#include "platform/Components.h"
#include "settings/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

DataPaths MakeDataPaths(const QString& dataFolder) {
    DataPaths p;
    p.DataFolder = dataFolder;
    p.WallPapersListPath = dataFolder + QStringLiteral("WallPapersList.tsy");
    p.CataloguePath = dataFolder + QStringLiteral("wpdlurls.tar");
    p.InternetListPath = dataFolder + QStringLiteral("wpdlfiles.dat");
    p.FeedsListPath = dataFolder + QStringLiteral("FeedsList.tsy");
    p.FeedsFolder = AddBackslash(dataFolder + QStringLiteral("FeedsCache"));
    p.PhotoFeedsListPath = dataFolder + QStringLiteral("PhotoFeeds.tsy");
    p.PhotoFeedsFolder = AddBackslash(dataFolder + QStringLiteral("PhotoFeedsCache"));
    p.CacheFilePath = dataFolder + QStringLiteral("IntCacheFile.dat");
    p.CacheIndexPath = dataFolder + QStringLiteral("IntCacheIndexFile.dat");
    p.WallpaperBitmapPath = dataFolder + QStringLiteral("Orvane Wallpaper.bmp");
    return p;
}

QString ProgramDataFolder() {
    const QString exeDir = QCoreApplication::applicationDirPath();
    // Installed: <prefix>/bin/tessaly; build tree: build/tessaly.
    for (const QString& rel :
         {QStringLiteral("/../share/tessaly"), QStringLiteral("/share/tessaly")}) {
        const QString candidate = QDir::cleanPath(exeDir + rel);
        if (QFileInfo(candidate).isDir()) return candidate;
    }
    return exeDir;
}

DataPaths InitDataFolder(const QString& programFolderPath, bool widgets) {
    const QString programFolder = AddBackslash(programFolderPath);

    const QString special = SpecialFolder(widgets ? 26 : 5);
    QString folder = special.isEmpty() ? programFolder
                                       : AddBackslash(special) + QStringLiteral("Orvane Tessaly") +
                                             QDir::separator();
    // The user's data folder may not exist yet on a fresh account either.
    if (!QFileInfo(folder).isDir()) QDir().mkpath(folder);
    if (!QFileInfo(folder).isDir()) folder = programFolder;
    return MakeDataPaths(folder);
}
