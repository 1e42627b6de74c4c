#include "collection/PictureCollection.h"

#include "collection/FolderWalk.h"
#include "collection/WallpaperChange.h"
#include "compose/PictureFormats.h"
#include "context/AppContext.h"
#include "settings/FileNames.h"
#include "settings/PictureListFile.h"

#include <QString>
#include <cstdio>

namespace {

// Marks a PictureList rebuild as running for as long as it lives.
class RebuildRunning {
public:
    explicit RebuildRunning(AppContext& app) : m_app(app) { m_app.collectionScan.running = true; }
    ~RebuildRunning() { m_app.collectionScan.running = false; }
    RebuildRunning(const RebuildRunning&) = delete;
    RebuildRunning& operator=(const RebuildRunning&) = delete;

private:
    AppContext& m_app;
};

// One pass over the list file. False when the file could not be read.
// PictureList grows while the folders are scanned, so a change that happens
// during the scan picks from what has been found so far.
bool RebuildPictureList(AppContext& app) {
    app.PictureList = QStringList();
    const std::optional<PictureListData> data = ReadPictureListFile(app.paths.WallPapersListPath);
    if (!data) return false;

    if (app.settings.WPSource == WallpaperSource::LocalFiles) {
        for (const PictureListData::Entry& e : data->files)
            app.PictureList.append(AddBackslash(e.folder) + e.name);
    }

    bool bubbleShown = false;
    FolderWalk walk(
        [&app](const QString& folder, const QString& name) {
            if (IsPictureFile(name)) app.PictureList.append(folder + name);
        },
        app.processEvents,
        [&app] { return app.collectionScan.reloadAgain || app.collectionScan.abandon; });
    for (const QString& folder : data->folders) {
        if (app.settings.WPSource != WallpaperSource::LocalFolders ||
            app.collectionScan.reloadAgain)
            break;
        app.platform.notifier->showBubble(QStringLiteral("Looking for pictures in ") + folder, 0,
                                          BubbleKind::Progress);
        bubbleShown = true;
        walk.run(folder, app.settings.SubFols);
    }
    if (bubbleShown) app.platform.notifier->hideBubble(BubbleKind::Progress);
    if (const int skipped = walk.skippedNames(); skipped > 0) {
        const QString text =
            QStringLiteral("%1 file names could not be read and were left out of the pictures.")
                .arg(skipped);
        app.platform.notifier->showBubble(text, 5000, BubbleKind::Message);
        std::fprintf(stderr, "Tessaly: %s\n", qPrintable(text));
    }
    return true;
}

} // namespace

void RefreshSettings(AppContext& app, bool reloadList) {
    if (reloadList) {
        if (app.collectionScan.running) {
            // Called from an event handled during the running scan: that scan
            // starts over with the list file as it is now, and arms the timer
            // when it is done.
            app.collectionScan.reloadAgain = true;
            return;
        }
        bool read = false;
        {
            RebuildRunning running(app);
            do {
                app.collectionScan.reloadAgain = false;
                read = RebuildPictureList(app);
            } while (app.collectionScan.reloadAgain && !app.collectionScan.abandon);
        }
        // A list nobody will use arms nothing: the program is ending.
        if (!read || app.collectionScan.abandon) return;
        PrepareNextWallpaperSoon(app);
    }
    if (app.setChangeTimer) app.setChangeTimer(app.settings.WallpaperTimer);
}

ScanResult ScanFolder(AppContext& app, const QString& folder, bool recurse) {
    ScanResult result;
    FolderWalk walk(
        [&result](const QString& dir, const QString& name) {
            result.append({dir, name});
        },
        app.processEvents);
    walk.run(folder, recurse);
    return result;
}

ScanResult DirDiverPictures(AppContext& app, const QString& folder,
                            std::function<bool()> cancelled) {
    ScanResult result;
    FolderWalk walk(
        [&result](const QString& dir, const QString& name) {
            if (IsPictureFile(name)) result.append({dir, name});
        },
        app.processEvents, std::move(cancelled));
    walk.run(folder, true);
    return result;
}

bool IsPictureFile(const QString& name) {
    return HasPictureEnding(name);
}
