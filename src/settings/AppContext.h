#pragma once

#include "platform/PlatformServices.h"
#include "settings/Settings.h"

#include <QImage>
#include <QStringList>
#include <functional>
#include <random>

// Full paths of the data files, fixed once at start-up by InitDataFolder.
struct DataPaths {
    QString DataFolder; // always ends with the path separator
    QString WallPapersListPath;
    QString CataloguePath;     // "wpdlurls.tar"
    QString InternetListPath;  // "wpdlfiles.dat"
    QString FeedsListPath;     // "FeedsList.tsy"
    QString CacheFilePath;     // "IntCacheFile.dat"
    QString CacheIndexPath;    // "IntCacheIndexFile.dat"
    QString WallpaperBitmapPath; // "Orvane Wallpaper.bmp"
};

// The picture the next composition starts from. The pixels may have been
// decoded at a reduced scale; `nativeSize` is the picture's own size.
struct SourcePicture {
    QImage image;
    QSize nativeSize;
    bool isNull() const { return nativeSize.isEmpty() || image.isNull(); }
};

// The process-wide state of one running program and the platform services it
// uses. Subsystems receive it by reference; tests build their own.
class AppContext {
public:
    explicit AppContext(PlatformServices& services) : platform(services) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    PlatformServices& platform;
    Settings settings;
    HotKeyTable HotKeys;
    // Full picture paths; CurWallPaper counts from 1 into this list.
    QStringList PictureList;
    // Whether the desktop widgets (clock, calendar) and their settings exist.
    bool IsNT = true;
    DataPaths paths;
    // The read-only folder installed beside the program (sample picture, help).
    QString programFolder;
    // The source surface of the composition.
    SourcePicture imgprev;

    // Hooks filled in by the application shell so that lower layers reach its
    // parts without depending on them. Unset hooks do nothing.
    std::function<void(bool enabled)> setChangeTimer;
    std::function<void()> showSettingsWindow;
    std::function<void()> processEvents;
    // The internet source's step to its next picture (unset until it exists).
    std::function<void()> internetNext;

    // The generator behind the random technique and list shuffles; seeded
    // once per run, tests seed it themselves.
    std::mt19937 random{std::random_device{}()};
    // Folder-scan bookkeeping of the picture collection: a rebuild of
    // PictureList in progress, and a rebuild asked for while it ran.
    struct {
        bool running = false;
        bool reloadAgain = false;
        // The program is ending: a running scan stops where it is.
        bool abandon = false;
    } collectionScan;
};
