#pragma once

#include "platform/DesktopService.h"

// Wallpaper and desktop colour on Windows: the two style values under
// "Control Panel\Desktop" and the system's wallpaper call.
class WindowsDesktopService : public DesktopService {
public:
    void setWallpaper(const QString& bitmapPath, const QString& position) override;
    quint32 desktopColor() override;
    void setDesktopColor(quint32 color) override;
};

// Writes one text value into an existing key of the current user's registry;
// the key is not created. Every failure is ignored.
void SetRegistryString(const QString& subKey, const QString& name, const QString& value);
