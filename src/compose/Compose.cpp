#include "compose/Compose.h"

#include "settings/AppContext.h"

#include <QImageReader>

bool LoadSourcePicture(AppContext& app, const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        return false;
    app.imgprev = {image, image.size()};
    return true;
}

bool ComposeWallpaper(AppContext& app) {
    if (app.imgprev.isNull())
        return false;
    if (!app.imgprev.image.save(app.paths.WallpaperBitmapPath, "BMP"))
        return false;
    SetDesktopWallpaper(app, app.settings.WallPaperPosition);
    return true;
}

void SetDesktopWallpaper(AppContext& app, const QString& position) {
    app.platform.desktop->setWallpaper(app.paths.WallpaperBitmapPath, position);
}
