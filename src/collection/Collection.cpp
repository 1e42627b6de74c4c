#include "collection/Collection.h"

#include "compose/Compose.h"
#include "settings/AppContext.h"
#include "settings/FileNames.h"
#include "settings/PictureListFile.h"

void RefreshSettings(AppContext& app, bool reloadList) {
    if (reloadList) {
        app.PictureList.clear();
        const auto data = ReadPictureListFile(app.paths.WallPapersListPath);
        if (!data)
            return;
        if (app.settings.WPSource == 0)
            for (const auto& e : data->files)
                app.PictureList.append(AddBackslash(e.folder) + e.name);
    }
    if (app.setChangeTimer)
        app.setChangeTimer(app.settings.WallpaperTimer);
}

void NextWallpaper(AppContext& app) {
    const int n = int(app.PictureList.size());
    if (n == 0 || (app.settings.WPSource != 0 && app.settings.WPSource != 1))
        return;
    int cur = int(app.settings.CurWallPaper) + 1;
    if (cur > n)
        cur = 1;
    app.settings.CurWallPaper = cur;
    if (LoadSourcePicture(app, app.PictureList.at(cur - 1)))
        ComposeWallpaper(app);
}
