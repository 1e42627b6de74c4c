#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>

// The desktop's wallpaper and background colour.
class DesktopService {
public:
    virtual ~DesktopService() = default;
    // Shows a composed canvas straight from memory where the desktop takes
    // pixels that way (the X11 root window), before its bitmap is written;
    // the setWallpaper that follows leaves that part alone. False where
    // nothing was shown.
    virtual bool showCanvas(const QImage& canvas) {
        (void)canvas;
        return false;
    }
    // Makes the bitmap at `bitmapPath` the wallpaper. `position` is the
    // program's position text; "Clear" removes the wallpaper instead.
    virtual void setWallpaper(const QString& bitmapPath, const QString& position) = 0;
    // The desktop background colour as 0x00BBGGRR.
    virtual quint32 desktopColor() = 0;
    virtual void setDesktopColor(quint32 color) = 0;
};

// The two desktop style values recorded for a position text ("TileWallpaper",
// "WallpaperStyle"). False for a text outside the table: then neither value
// is written, though the wallpaper file is still set.
inline bool WallpaperStyleValues(const QString& position, QString& tileWallpaper,
                                 QString& wallpaperStyle) {
    static const struct {
        const char* position;
        const char* tile;
        const char* style;
    } table[] = {
        {"Center", "0", "0"},
        {"Tile", "1", "0"},
        {"Stretch", "0", "2"},
        {"Fit screen (Reduce)", "0", "0"},
        {"Fit screen (Enlarge)", "0", "0"},
        {"Fit (Reduce/Enlarge)", "0", "0"},
        {"Clear", "0", "0"},
    };
    for (const auto& row : table) {
        if (position == QLatin1String(row.position)) {
            tileWallpaper = QLatin1String(row.tile);
            wallpaperStyle = QLatin1String(row.style);
            return true;
        }
    }
    return false;
}
