#pragma once

#include <QString>
#include <QtGlobal>

// The desktop's wallpaper and background colour.
class DesktopService {
public:
    virtual ~DesktopService() = default;
    // Makes the bitmap at `bitmapPath` the wallpaper. `position` is the
    // program's position text; "Clear" removes the wallpaper instead.
    virtual void setWallpaper(const QString& bitmapPath, const QString& position) = 0;
    // The desktop background colour as 0x00BBGGRR.
    virtual quint32 desktopColor() = 0;
    virtual void setDesktopColor(quint32 color) = 0;
};
