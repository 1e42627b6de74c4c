#pragma once

#include <QString>

class AppContext;

// Decodes the picture file into app.imgprev. False (and imgprev untouched)
// when the file is missing, empty, corrupt or too large to hold.
bool LoadSourcePicture(AppContext& app, const QString& path);

// Lays app.imgprev out on a screen-sized canvas, applies filters and the
// watermark, saves the wallpaper bitmap and sets it as the desktop wallpaper.
// False when nothing was composed (no picture, failed save).
bool ComposeWallpaper(AppContext& app);

// Makes the wallpaper bitmap the desktop wallpaper for `position`; "Clear"
// removes the wallpaper.
void SetDesktopWallpaper(AppContext& app, const QString& position);
