#pragma once

#include "shell/ChangeScheduler.h"

#include <QObject>
#include <QTimer>
#include <memory>

class AppContext;
class DesktopWidgets;
class QAction;
class QMenu;
class QSystemTrayIcon;

// The program's hidden main object: it owns the tray icon with its popup menu
// and the change timer, and lives from start-up to shutdown.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TrayIcon(AppContext& app, QObject* parent = nullptr);
    ~TrayIcon() override;

    // Adds the tray icon. Without a notification area the program runs on
    // without it and says so once; the icon appears (again) whenever a tray
    // host takes over the notification area, also after that host restarts.
    void PlaceTray();
    void removeTrayIcon();
    QSystemTrayIcon* trayIcon() const { return m_icon; }

    // Brings the popup menu up to date; runs each time just before it opens.
    void prepareMenu();
    // The desktop widgets the clock and calendar items show, hide and keep
    // on top; without them those items are hidden.
    void setWidgets(DesktopWidgets* widgets) { m_widgets = widgets; }

    // Ticks every 1000 ms while automatic changing is on.
    QTimer Timer1;
    void setChangeTimer(bool enabled);
    ChangeScheduler& scheduler() { return m_scheduler; }
    qint64 LastChangeTick() const { return m_scheduler.LastChangeTick; }

    // The popup menu and its items, named as their objectName.
    QMenu* mnuoptz() const { return m_mnuoptz.get(); }
    QAction* mnusettings = nullptr;
    QAction* mnunow = nullptr;
    QAction* mnuprevious = nullptr;
    QAction* space3 = nullptr;
    QAction* mnuwallpaper = nullptr;
    QAction* mnuwallpapernext = nullptr;
    QAction* mnuwallpaperclear = nullptr;
    QAction* mnuwallpapercurrentwallpaper = nullptr;
    QAction* mnuwallpapercurrentfilename = nullptr;
    QAction* mnuwallpapercurrentopenfolder = nullptr;
    QAction* mnuclock = nullptr;
    QAction* mnuclockshow = nullptr;
    QAction* mnuclockalwaysontop = nullptr;
    QAction* mnucalendar = nullptr;
    QAction* mnucalendarshow = nullptr;
    QAction* mnucalendaralwaysontop = nullptr;
    QAction* space1 = nullptr;
    QAction* mnuabout = nullptr;
    QAction* mnuhelp = nullptr;
    QAction* space = nullptr;
    QAction* mnuexit = nullptr;

signals:
    void settingsRequested();
    void nextWallpaperRequested();
    void previousWallpaperRequested();
    void clearWallpaperRequested();
    void aboutRequested();
    void helpRequested();
    void exitRequested();
    // A widget's visibility or always-on-top flag was switched from the menu.
    void widgetsChanged();

private:
    void buildMenu();
    void onTimer1();

    AppContext& m_app;
    QSystemTrayIcon* m_icon = nullptr;
    std::unique_ptr<QMenu> m_mnuoptz;
    ChangeScheduler m_scheduler;
    QString m_shownPicture;
    DesktopWidgets* m_widgets = nullptr;
};
