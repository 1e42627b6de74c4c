#include "hotkeys/HotKeyActions.h"

#include "collection/Collection.h"
#include "compose/Compose.h"
#include "settings/AppContext.h"

void HotKeyAction(AppContext& app, int id) {
    switch (id) {
    case 0:
        SetDesktopWallpaper(app, QStringLiteral("Clear"));
        break;
    case 1:
        NextWallpaper(app);
        break;
    case 2: {
        const bool on = !app.settings.WallpaperTimer;
        app.settings.WallpaperTimer = on;
        RefreshSettings(app, on);
        app.platform.notifier->showBubble(
            on ? QStringLiteral("Automatic wallpaper changing is now Enabled")
               : QStringLiteral("Automatic wallpaper changing is now Disabled"),
            5000, BubbleKind::Message);
        break;
    }
    case 3:
        if (app.showSettingsWindow) app.showSettingsWindow();
        break;
    default:
        break;
    }
}
