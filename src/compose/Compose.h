#pragma once

#include "compose/ScreenInfo.h"

#include <QImage>
#include <QString>

class AppContext;
struct SourcePicture;

// Decodes a picture file by its content (the name's extension does not
// matter). When `drawSize` is given and smaller than the picture in both
// directions, a JPEG is decoded at a reduced scale no smaller than it. A
// missing, empty, corrupt or truncated file, or one too large to hold, is a
// failure: false, with a message in `error`, and `out` untouched.
bool LoadPicture(const QString& path, SourcePicture& out, QString* error = nullptr,
                 QSize drawSize = QSize());

// Decodes the picture file into app.imgprev for the stored position mode on
// the primary screen. False (and imgprev untouched) when the file is missing,
// empty, corrupt or too large to hold.
bool LoadSourcePicture(AppContext& app, const QString& path);
// The same for a given position text and screen size.
bool LoadSourcePicture(AppContext& app, const QString& path, const QString& position, QSize screen,
                       QString* error = nullptr);

// Lays app.imgprev out on a screen-sized canvas, applies filters and the
// watermark, saves the wallpaper bitmap and sets it as the desktop wallpaper.
// False when nothing was composed (no picture, failed save); the previous
// bitmap then stays as it was.
bool ComposeWallpaper(AppContext& app);
// The same on a given screen (size, work area, resolution).
bool ComposeWallpaper(AppContext& app, const ScreenInfo& screen);
// The composition without saving or setting anything: the canvas itself.
// A null image when there is no picture to compose.
QImage ComposeCanvas(AppContext& app, const ScreenInfo& screen);

// Makes the wallpaper bitmap the desktop wallpaper for `position`; "Clear"
// removes the wallpaper.
void SetDesktopWallpaper(AppContext& app, const QString& position);

// The settings window's unsaved choices that "Set selected picture as
// wallpaper" composes with.
struct SetAsWallpaperChoices {
    QString cmbposition;
    int HSRed = 0;
    int HSGreen = 0;
    int HSBlue = 0;
    int HSBright = 100;
    bool chkinvertcolor = false;
    int HSGamma = 100;
};

enum class SetAsWallpaperResult {
    NothingSelected, // no entry selected: nothing happened
    LoadFailed,      // the picture could not be loaded; `error` says why
    ComposeFailed,   // loaded, but the composition did not complete
    Done,
};

// The "Set selected picture as wallpaper" sequence: loads `folder` + `fileName`,
// composes it with the window's choices in place of the stored position and
// filters, and puts the seven stored values back afterwards whatever happened.
// CurWallPaper becomes `selectedIndex` + 1 and keeps that value. A negative
// index means nothing is selected.
SetAsWallpaperResult SetSelectedPictureAsWallpaper(AppContext& app, const QString& folder,
                                                   const QString& fileName, int selectedIndex,
                                                   const SetAsWallpaperChoices& choices,
                                                   QString* error = nullptr);
SetAsWallpaperResult SetSelectedPictureAsWallpaper(AppContext& app, const QString& folder,
                                                   const QString& fileName, int selectedIndex,
                                                   const SetAsWallpaperChoices& choices,
                                                   const ScreenInfo& screen,
                                                   QString* error = nullptr);
