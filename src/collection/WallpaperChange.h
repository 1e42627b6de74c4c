#pragma once

#include "compose/Compose.h"
#include "settings/Settings.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

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
        Busy,          // the internet source's step was still running; this one was skipped
        LoadFailed,    // the picture could not be read; the desktop is unchanged
        ComposeFailed, // the picture could not be laid out; the desktop is unchanged
        WriteFailed,   // the bitmap could not be written; the desktop's own setting is
                       // unchanged (the X11 root window may show the new picture)
        HandedOn,      // the internet source takes the change from here
        Cancelled,     // a later request (a Clear, the end of the program) took its place
    };
    Status status = Status::NothingToShow;
    QString picture; // the file chosen, when there was one
    QString error;   // why it failed, for LoadFailed and WriteFailed
    bool changed() const { return status == Status::Changed; }
};

// How a change went, told on the thread of the user interface once it is over.
using ChangeDone = std::function<void(const ChangeResult&)>;

// What a composition uses from the settings window's choices or, for every
// other change, from the stored settings.
struct CompositionChoices {
    WallpaperPosition position;
    ColorFilterSettings filters;
    static CompositionChoices stored(const Settings& s);
};

// Every change below is asked for and returns at once: it runs as a job
// (collection/WallpaperJobs.h), one at a time, the last request winning.
// `done`, when given, hears how it went, delivered to `context` (and not at
// all when `context` is destroyed first; without a context it is always
// called). Choices left unset are the stored position and filters as they
// are when the change runs, so settings applied while an earlier change runs
// are used.

// Changes the wallpaper once. For the local sources: moves CurWallPaper over
// PictureList by the chosen technique and shows that picture (the one
// prepared ahead, when it is still right; a rebuild of the list under way is
// waited for); then, with BubbleFileName, shows
// the chosen path for five seconds (why it could not be shown when it failed
// to load; an empty bubble when there is no picture). For the internet
// source: hands over to the internet step. A picture that cannot be loaded
// leaves the desktop as it was with CurWallPaper on the failed entry, so the
// next change moves on from it.
void NextWallpaper(AppContext& app, QObject* context = nullptr, ChangeDone done = {});

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
void ShowPictureAsWallpaper(AppContext& app, const QString& path,
                            std::optional<CompositionChoices> choices, QObject* context = nullptr,
                            ChangeDone done = {});

// One picture per monitor in monitor order ("Different"; the others take the
// first picture on every monitor), as ShowPictureAsWallpaper.
void ShowPicturesAsWallpaper(AppContext& app, const QStringList& paths,
                             std::optional<CompositionChoices> choices, QObject* context = nullptr,
                             ChangeDone done = {});

// Composes the pictures on the monitors now again, for a new monitor layout,
// without moving to the next picture: the local pictures remembered in
// MonitorPictures (also after a restart; those deleted since are left out,
// and when none is left the current picture of the list serves), or the
// internet picture shown. With "Different" on more monitors than before, the
// new ones get the next pictures in turn. Nothing when nothing is kept (the
// wallpaper was cleared or never set). A change under way starts over for
// the new layout instead.
void RecomposeWallpaper(AppContext& app, QObject* context = nullptr, ChangeDone done = {});

// Makes a downloaded picture (its bytes as they came) the wallpaper; it is
// kept for a new monitor layout. LoadFailed when the bytes are no picture.
// With its `address` (the download cache's key) it is kept in the history.
void ShowInternetPictureAsWallpaper(AppContext& app, QByteArray bytes,
                                    std::optional<CompositionChoices> choices,
                                    QObject* context = nullptr, ChangeDone done = {},
                                    QString address = {});

// Goes one step back through the history of the wallpapers shown (History.tsy
// in the data folder, the last 100, entries whose files are gone skipped): a
// set of local pictures (one per monitor) is shown again from its files, an
// internet picture from the download cache. The nexts that follow go forward
// through the history again before the source continues. Neither moves
// CurWallPaper nor the internet position. With BubbleFileName the picture's
// path or address shows; with nothing earlier, a bubble says so.
void PreviousWallpaper(AppContext& app, QObject* context = nullptr, ChangeDone done = {});

// Makes an already decoded picture the wallpaper; a new monitor layout waits
// for the next change.
void ShowSourceAsWallpaper(AppContext& app, SourcePicture source, const CompositionChoices& choices,
                           const WatermarkFields& fields, QObject* context = nullptr,
                           ChangeDone done = {});

// A change runs or waits.
bool WallpaperChanging(AppContext& app);

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
// selected. `done` gets the outcome and, for a failure, why.
void SetSelectedPictureAsWallpaper(
    AppContext& app, const QString& folder, const QString& fileName, int selectedIndex,
    const CompositionChoices& choices, QObject* context,
    std::function<void(SetAsWallpaperResult result, const QString& error)> done);
