#include "context/AppContext.h"

#include "settings/SettingsIO.h"

#include <cmath>

QString AppContext::currentPicture() const {
    const double cur = settings.CurWallPaper;
    if (settings.WPSource == WallpaperSource::Internet || !(cur >= 1) || cur != std::floor(cur) ||
        cur > double(PictureList.size()))
        return {};
    return PictureList.at(qsizetype(cur) - 1);
}

QStringList LoadSettings(AppContext& app) {
    return LoadSettings(*app.platform.store, app.settings, app.HotKeys, app.IsNT);
}

bool SaveSettings(AppContext& app) {
    return SaveSettings(*app.platform.store, app.settings, app.HotKeys, app.IsNT);
}

void InitDataFolder(AppContext& app) {
    if (app.programFolder.isEmpty()) app.programFolder = ProgramDataFolder();
    app.paths = InitDataFolder(app.programFolder, app.IsNT);
}
