#include "collection/PictureCollection.h"

#include "collection/FolderWalk.h"
#include "collection/WallpaperJobs.h"
#include "compose/PictureFormats.h"
#include "context/AppContext.h"
#include "settings/FileNames.h"
#include "settings/PictureListFile.h"

#include <QString>

ScanOutcome ScanPictureList(const ScanInputs& in) {
    ScanOutcome out;
    const std::optional<PictureListData> data = ReadPictureListFile(in.listFile);
    if (!data) return out;
    out.read = true;
    if (in.source == WallpaperSource::LocalFiles) {
        for (const PictureListData::Entry& e : data->files)
            out.list.append(AddBackslash(e.folder) + e.name);
    }
    const auto cancelled = [&in] { return in.cancel && in.cancel->load(); };
    FolderWalk walk(
        [&out](const QString& folder, const QString& name) {
            if (IsPictureFile(name)) out.list.append(folder + name);
        },
        cancelled);
    for (const QString& folder : data->folders) {
        if (in.source != WallpaperSource::LocalFolders || cancelled()) break;
        if (in.searching) in.searching(folder);
        out.searchedFolders = true;
        walk.run(folder, in.subFolders);
    }
    out.skippedNames = walk.skippedNames();
    return out;
}

void RefreshSettings(AppContext& app, bool reloadList) {
    const auto armTimer = [&app] {
        emit app.events.changeTimerWanted(app.settings.WallpaperTimer);
    };
    if (!reloadList) return armTimer();
    // The timer is armed once the list is there; not when it could not be
    // read, nor when the program ends meanwhile.
    JobsOf(app).rebuildList([armTimer](bool read) {
        if (read) armTimer();
    });
}

ScanResult ScanFolder(const QString& folder, bool recurse, std::function<bool()> cancelled) {
    ScanResult result;
    FolderWalk walk(
        [&result](const QString& dir, const QString& name) {
            result.append({dir, name});
        },
        std::move(cancelled));
    walk.run(folder, recurse);
    return result;
}

ScanResult DirDiverPictures(const QString& folder, std::function<bool()> cancelled,
                            QStringList* lineBreakPaths) {
    ScanResult result;
    FolderWalk walk(
        [&result](const QString& dir, const QString& name) {
            if (IsPictureFile(name)) result.append({dir, name});
        },
        std::move(cancelled));
    walk.run(folder, true);
    if (lineBreakPaths) *lineBreakPaths += walk.lineBreakPaths();
    return result;
}

bool IsPictureFile(const QString& name) {
    return HasPictureEnding(name);
}
