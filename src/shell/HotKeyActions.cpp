#include "shell/HotKeyActions.h"

#include "collection/WallpaperChange.h"
#include "context/AppContext.h"

#include <QCoreApplication>

void ToggleAutomaticChanging(AppContext& app) {
    const bool on = !app.settings.WallpaperTimer;
    app.settings.WallpaperTimer = on;
    // Switched on, the picture list is read again as well, so that changes
    // made to the list file meanwhile are picked up.
    app.settingsChanged(on ? SettingsPart::Timer | SettingsPart::PictureLists
                           : SettingsParts(SettingsPart::Timer));
    app.platform.notifier->showBubble(
        on ? QCoreApplication::translate("HotKeyActions",
                                         "Automatic wallpaper changing is now Enabled")
           : QCoreApplication::translate("HotKeyActions",
                                         "Automatic wallpaper changing is now Disabled"),
        5000, BubbleKind::Message);
}

void HotKeyAction(AppContext& app, int id) {
    switch (id) {
    case 0:
        ClearWallpaper(app);
        break;
    case 1:
        NextWallpaper(app);
        break;
    case 2:
        ToggleAutomaticChanging(app);
        break;
    case 3:
        emit app.events.settingsWindowWanted();
        break;
    case 4:
        PreviousWallpaper(app);
        break;
    default:
        break;
    }
}
