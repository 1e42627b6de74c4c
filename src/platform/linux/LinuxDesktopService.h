#pragma once

#include "platform/DesktopService.h"

class SettingsStore;

// Wallpaper and desktop colour on Linux desktops.
class LinuxDesktopService : public DesktopService {
public:
    explicit LinuxDesktopService(SettingsStore& store);
    void setWallpaper(const QString& bitmapPath, const QString& position) override;
    quint32 desktopColor() override;
    void setDesktopColor(quint32 color) override;

private:
    SettingsStore& m_store;
};
