#include "context/AppContext.h"

#include "settings/SettingsIO.h"

#include <cmath>
#include <cstdio>

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
    const bool saved = SaveSettings(*app.platform.store, app.settings, app.HotKeys, app.IsNT);
    // The desktop's log-on start follows the saved AutoStart.
    if (!KeepLogOnStartInStep(app))
        std::fprintf(stderr, "Tessaly: %s\n", qPrintable(app.platform.logOnStart->lastError()));
    return saved;
}

bool KeepLogOnStartInStep(AppContext& app) {
    return !app.platform.logOnStart || app.platform.logOnStart->apply(app.settings.AutoStart);
}

void InitDataFolder(AppContext& app) {
    if (app.programFolder.isEmpty()) app.programFolder = ProgramDataFolder();
    app.paths = InitDataFolder(app.programFolder, app.IsNT);
}
