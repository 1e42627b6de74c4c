#include "platform/windows/WindowsDesktopService.h"

#include <QDir>

#include <windows.h>

void SetRegistryString(const QString& subKey, const QString& name, const QString& value) {
    HKEY key = nullptr;
    // An existing key only: RegOpenKeyEx does not create it.
    if (RegOpenKeyExW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(subKey.utf16()), 0,
                      KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    // REG_SZ with its terminating zero, so that readers of the value see a
    // proper string.
    const DWORD bytes = DWORD((value.size() + 1) * sizeof(wchar_t));
    RegSetValueExW(key, reinterpret_cast<LPCWSTR>(name.utf16()), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(value.utf16()), bytes);
    RegFlushKey(key);
    RegCloseKey(key);
}

void WindowsDesktopService::setWallpaper(const QString& bitmapPath, const QString& position) {
    QString tile, style;
    if (WallpaperStyleValues(position, tile, style)) {
        const QString desktop = QStringLiteral("Control Panel\\Desktop");
        SetRegistryString(desktop, QStringLiteral("TileWallpaper"), tile);
        SetRegistryString(desktop, QStringLiteral("WallpaperStyle"), style);
    }
    // "Clear" passes an empty file name, which removes the wallpaper.
    std::wstring file;
    if (position != QLatin1String("Clear"))
        file = QDir::toNativeSeparators(bitmapPath).toStdWString();
    SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, file.data(),
                          SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
}

quint32 WindowsDesktopService::desktopColor() {
    return quint32(GetSysColor(COLOR_BACKGROUND)) & 0xFFFFFF;
}

void WindowsDesktopService::setDesktopColor(quint32 color) {
    const INT element = COLOR_BACKGROUND;
    const COLORREF value = COLORREF(color & 0xFFFFFF);
    SetSysColors(1, &element, &value);
}
