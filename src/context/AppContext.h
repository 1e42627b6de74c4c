#pragma once

#include "platform/PlatformServices.h"
#include "platform/ScreenInfo.h"
#include "settings/DataFolder.h"
#include "settings/Settings.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <random>

class PreparedWallpaper;
class WallpaperJobs;

// Which settings a change touched, so that the parts that depend on them can
// follow: the change timer, the picture list, the hot keys, the widgets.
enum class SettingsPart : unsigned {
    Timer = 1u << 0,        // WallpaperTimer, IntervalTimer and the scheduler's limits
    PictureLists = 1u << 1, // the list file, WPSource or SubFols: PictureList is rebuilt
    HotKeys = 1u << 2,
    Widgets = 1u << 3,
    Composition = 1u << 4, // position, filters, watermark: used from the next change on
    Internet = 1u << 5,
    NewsBar = 1u << 6, // its options or the feed list
};
Q_DECLARE_FLAGS(SettingsParts, SettingsPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(SettingsParts)

// What the parts of the program follow: changes of the in-memory settings,
// the end of the program (downloads and other work in flight stop), and what
// lower layers ask of the application shell without depending on it.
class AppEvents : public QObject {
    Q_OBJECT
signals:
    void changed(SettingsParts parts);
    void ending();
    // The change timer runs from now on, or stops (the picture list it
    // changes from is ready).
    void changeTimerWanted(bool enabled);
    // The global hot key of row `id` was pressed.
    void hotKeyPressed(int id);
    // The settings window is asked for (a hot key).
    void settingsWindowWanted();
    // A change with the internet source: its step to its next picture.
    void internetNextWanted();
    // The wallpaper was cleared: a picture still on its way is not shown.
    void wallpaperCleared();
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
    // Whether the desktop widgets (clock, calendar) and their settings exist
    // on this platform.
    bool IsNT = true;
    // Whether the widget windows are part of this build; until they are, the
    // tray menu does not offer them.
    bool widgetWindows = false;
    DataPaths paths;
    // The read-only folder installed beside the program (sample picture, help).
    QString programFolder;
    // The screen a composition is made for; tests give their own.
    std::function<ScreenInfo()> screen = &PrimaryScreenInfo;
    // Every monitor, when the program composes for several; unset, the one
    // screen above.
    std::function<ScreenLayout()> screens;
    ScreenLayout screenLayout() const {
        if (screens) return screens();
        return SingleScreenLayout(screen ? screen() : PrimaryScreenInfo());
    }
    // The internet picture on the monitors now, as it was downloaded: a new
    // monitor layout is composed from it (the local pictures shown are
    // settings.MonitorPictures). Empty when a local picture is shown.
    QByteArray shownInternetPicture;

    // The picture at CurWallPaper when it names an entry of PictureList (a
    // whole number from 1 to its size) and a local source is in use; empty
    // otherwise.
    QString currentPicture() const;

    // Tells the followers of the settings that `parts` changed.
    void settingsChanged(SettingsParts parts) { emit events.changed(parts); }
    AppEvents events;

    // The generator behind the random technique and list shuffles; seeded
    // once per run, tests seed it themselves.
    std::mt19937 random{std::random_device{}()};
    // The wallpaper changes and the rebuilds of PictureList that run and
    // wait (see collection/WallpaperJobs.h), made with the first request.
    std::shared_ptr<WallpaperJobs> jobs;
    // The next wallpaper, chosen and composed ahead of its change (made by
    // the first change; see collection/PreparedWallpaper.h). Last, so that
    // its work stops before anything it follows goes.
    std::shared_ptr<PreparedWallpaper> prepared;
};

// The settings of `app` from and to its settings store; the widget keys only
// where widgets exist. Loading returns the keys whose values were mended.
// Saving also brings the desktop's log-on start in step with AutoStart.
QStringList LoadSettings(AppContext& app);
bool SaveSettings(AppContext& app);
// Brings the desktop's log-on start in step with the in-memory AutoStart (an
// entry running the program at its current path, or none); false when that
// failed (the reason is the log-on start service's lastError()).
bool KeepLogOnStartInStep(AppContext& app);

// Fixes the data folder and the data file paths of `app` (and its program
// folder, when not set yet).
void InitDataFolder(AppContext& app);
