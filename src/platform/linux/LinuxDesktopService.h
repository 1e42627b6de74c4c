#pragma once

#include "platform/DesktopService.h"
#include "platform/linux/CommandRunner.h"
#include "platform/linux/DesktopSetters.h"

#include <QProcessEnvironment>
#include <memory>
#include <optional>

class GioSettings;
class SettingsStore;
class WaylandBackground;

// Wallpaper and desktop colour on Linux desktops: the desktop's own interface
// where there is one, on X11 the root window's pixmap as well, and on other
// Wayland compositors (or when `[Options] OwnWaylandBackground=1` asks for it)
// Tessaly's own background surface on every output.
class LinuxDesktopService : public DesktopService {
public:
    explicit LinuxDesktopService(
        SettingsStore& store, std::unique_ptr<CommandRunner> runner = nullptr,
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment());
    ~LinuxDesktopService() override;
    bool showCanvas(const QImage& canvas) override;
    void setWallpaper(const QString& bitmapPath, const QString& position) override;
    // The GNOME family's colour is read once and then followed through
    // GSettings' change notification.
    quint32 desktopColor() override;
    void setDesktopColor(quint32 color) override;

    LinuxDesktop desktop() const { return m_desktop; }
    // The file name last handed to the desktop's own interface.
    QString shownPath() const { return m_shownPath; }
    // Whether the root window pixmap is set (X11 sessions); tests turn it off.
    void setRootPixmapEnabled(bool on) { m_rootPixmap = on; }

private:
    QString presentationCopy(const QString& bitmapPath);
    // A picture of `color` beside the bitmap, for a desktop that cannot be
    // told to show its colour alone; empty when it could not be written.
    QString colorPicture(const QString& bitmapPath, quint32 color);
    std::optional<quint32> readDesktopColor();
    // With several monitors and `file` a canvas of the box around them all:
    // each monitor, with its own part of the canvas written beside `file`
    // where the desktop takes a file per monitor. Nothing otherwise, and
    // when a part could not be written.
    std::optional<QList<MonitorPictureFile>> monitorPictureFiles(const QString& file);
    // The background surfaces when this session shows the wallpaper through
    // them, connected at the first use; null otherwise.
    WaylandBackground* waylandBackground();

    SettingsStore& m_store;
    std::unique_ptr<CommandRunner> m_runner;
    QProcessEnvironment m_env;
    LinuxDesktop m_desktop;
    // The GNOME family's settings, in this process.
    std::unique_ptr<GioSettings> m_gsettings;
    // The desktop's own colour while change notification keeps it current.
    std::optional<quint32> m_color;
    bool m_followingColor = false;
    QString m_shownPath;
    bool m_rootPixmap = true;
    // The root window already shows the canvas of the change under way.
    bool m_canvasShown = false;
    std::unique_ptr<WaylandBackground> m_background;
    bool m_backgroundTried = false;
};
