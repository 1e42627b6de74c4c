#pragma once

#include "compose/Compose.h"
#include "settings/Settings.h"

#include <QString>

class AppContext;

// One wallpaper change, whatever asked for it (the timer, the tray menu, a hot
// key, the command line, the log-on start, the first run, the settings
// window, the internet source): choose → load → compose → write → set. Every
// trigger goes through NextWallpaper or, when the picture is already chosen,
// ShowPictureAsWallpaper.

// How one change went.
struct ChangeResult {
    enum class Status {
        Changed,       // the desktop shows the new picture
        NothingToShow, // an empty picture list
        Busy,          // another change was still running; this one was skipped
        LoadFailed,    // the picture could not be read; the desktop is unchanged
        ComposeFailed, // the picture could not be laid out; the desktop is unchanged
        WriteFailed,   // the bitmap could not be written; the desktop's own setting is
                       // unchanged (the X11 root window may show the new picture)
        HandedOn,      // the internet source takes the change from here
    };
    Status status = Status::NothingToShow;
    QString picture; // the file chosen, when there was one
    QString error;   // why it failed, for LoadFailed and WriteFailed
    bool changed() const { return status == Status::Changed; }
};

// What a composition uses from the settings window's choices or, for every
// other change, from the stored settings.
struct CompositionChoices {
    WallpaperPosition position;
    ColorFilterSettings filters;
    static CompositionChoices stored(const Settings& s);
};

// Changes the wallpaper once. For the local sources: moves CurWallPaper over
// PictureList by the chosen technique and shows that picture (the one
// prepared ahead, when it is still right); then, with
// BubbleFileName, shows the chosen path for five seconds (why it could not
// be shown when it failed to load; an empty bubble when there is no picture).
// Loading, composing and writing run on a thread of their own while events
// go on being handled here. For the internet source: hands over to the
// internet step. A picture that cannot be loaded leaves the desktop as it was
// with CurWallPaper on the failed entry, so the next change moves on from it.
ChangeResult NextWallpaper(AppContext& app);

// Prepares the next change while the program is idle (every change asks for
// it, and from then on every settings change): its pictures chosen, and with
// PrepareNextWallpaper, unless on battery power, loaded and composed in the
// background at idle priority. The change that follows shows that canvas
// when its files (path, size, times), the settings it was composed with and
// the monitors are still the same; otherwise it composes afresh.
void PrepareNextWallpaper(AppContext& app);
// The same, once the events now pending are handled (after a rebuilt list);
// nothing before the first change.
void PrepareNextWallpaperSoon(AppContext& app);

// Loads the picture file and makes it the wallpaper with `choices` in place of
// the stored position and filters; the watermark names this file.
ChangeResult ShowPictureAsWallpaper(AppContext& app, const QString& path,
                                    const CompositionChoices& choices);

// One picture per monitor in monitor order ("Different"; the others take the
// first picture on every monitor), as ShowPictureAsWallpaper.
ChangeResult ShowPicturesAsWallpaper(AppContext& app, const QStringList& paths,
                                     const CompositionChoices& choices);

// Composes the pictures on the monitors now again, for a new monitor layout,
// without moving to the next picture: the local pictures remembered in
// MonitorPictures (also after a restart; those deleted since are left out,
// and when none is left the current picture of the list serves), or the
// internet picture shown. With "Different" on more monitors than before, the
// new ones get the next pictures in turn. Nothing when nothing is kept (the
// wallpaper was cleared or never set).
ChangeResult RecomposeWallpaper(AppContext& app);

// Makes a downloaded picture (its bytes as they came) the wallpaper; it is
// kept for a new monitor layout. LoadFailed when the bytes are no picture.
ChangeResult ShowInternetPictureAsWallpaper(AppContext& app, const QByteArray& bytes,
                                            const CompositionChoices& choices);

// Makes an already decoded picture the wallpaper; a new monitor layout waits
// for the next change.
ChangeResult ShowSourceAsWallpaper(AppContext& app, const SourcePicture& source,
                                   const CompositionChoices& choices,
                                   const WatermarkFields& fields);

// The inputs of a composition for `app`'s screen, desktop colour and stored
// watermark, with the given choices.
CompositionInputs CompositionInputsFor(AppContext& app, const CompositionChoices& choices,
                                       const WatermarkFields& fields);

// Makes the wallpaper bitmap the desktop wallpaper for `position`; the position
// "Clear" removes the wallpaper.
void SetDesktopWallpaper(AppContext& app, const WallpaperPosition& position);
void ClearWallpaper(AppContext& app);

enum class SetAsWallpaperResult {
    NothingSelected, // no entry selected: nothing happened
    LoadFailed,      // the picture could not be loaded; `error` says why
    ComposeFailed,   // loaded, but the composition or the bitmap did not complete
    Done,
};

// "Set selected picture as wallpaper" of the settings window: shows `folder` +
// `fileName` with the window's unsaved choices; the stored settings stay as
// they are, and CurWallPaper becomes `selectedIndex` + 1 so that the next
// change in sequence continues after it. A negative index means nothing is
// selected.
SetAsWallpaperResult SetSelectedPictureAsWallpaper(AppContext& app, const QString& folder,
                                                   const QString& fileName, int selectedIndex,
                                                   const CompositionChoices& choices,
                                                   QString* error = nullptr);
