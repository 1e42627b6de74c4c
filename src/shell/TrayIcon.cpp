#include "shell/TrayIcon.h"

#include "collection/WallpaperJobs.h"
#include "context/AppContext.h"
#include "widgets/CalendarWidget.h"
#include "widgets/ClockWidget.h"
#include "widgets/DesktopWidgets.h"

#include <QAction>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QIcon>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <cstdio>

namespace {

QAction* named(QAction* action, const char* name) {
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* subMenu(QMenu* parent, const QString& title, const char* name) {
    QMenu* menu = parent->addMenu(title);
    menu->setObjectName(QString::fromLatin1(name));
    named(menu->menuAction(), name);
    return menu;
}

QAction* separator(QMenu* menu, const char* name) {
    return named(menu->addSeparator(), name);
}

// A path shown as a menu caption: an ampersand is text, not a mnemonic.
QString literalCaption(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// Whether the session has a StatusNotifierItem panel (KDE Plasma, GNOME with
// its extension, waybar, Xfce and LXQt plugins): Qt then puts the icon on
// D-Bus, and such panels report a left click as one activation rather than
// as the clicks themselves.
bool statusNotifierPanel() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(watcher))
        return false;
    QDBusInterface props(watcher, QStringLiteral("/StatusNotifierWatcher"), watcher, bus);
    return props.property("IsStatusNotifierHostRegistered").toBool();
}

} // namespace

TrayIcon::TrayIcon(AppContext& app, QObject* parent) : QObject(parent), m_app(app) {
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TrayIcon::onTimer1);
    buildMenu();
}

TrayIcon::~TrayIcon() {
    removeTrayIcon();
}

void TrayIcon::buildMenu() {
    m_mnuoptz = std::make_unique<QMenu>(QStringLiteral("Optz"));
    QMenu* top = m_mnuoptz.get();
    top->setObjectName(QStringLiteral("mnuoptz"));

    mnusettings =
        named(top->addAction(QCoreApplication::translate("TrayIcon", "&Settings")), "mnusettings");
    mnunow = named(top->addAction(QCoreApplication::translate("TrayIcon", "Switch &Wallpaper Now")),
                   "mnunow");
    mnuprevious =
        named(top->addAction(QCoreApplication::translate("TrayIcon", "&Previous wallpaper")),
              "mnuprevious");
    space3 = separator(top, "space3");

    QMenu* wallpaper =
        subMenu(top, QCoreApplication::translate("TrayIcon", "Wallpaper", "menu"), "mnuwallpaper");
    mnuwallpaper = wallpaper->menuAction();
    mnuwallpapernext =
        named(wallpaper->addAction(QCoreApplication::translate("TrayIcon", "Next wallpaper")),
              "mnuwallpapernext");
    mnuwallpaperclear =
        named(wallpaper->addAction(QCoreApplication::translate("TrayIcon", "Clear wallpaper")),
              "mnuwallpaperclear");
    QMenu* current =
        subMenu(wallpaper, QCoreApplication::translate("TrayIcon", "Current wallpaper"),
                "mnuwallpapercurrentwallpaper");
    mnuwallpapercurrentwallpaper = current->menuAction();
    mnuwallpapercurrentfilename =
        named(current->addAction(QCoreApplication::translate(
                  "TrayIcon", "Filename", "menu: show the current wallpaper's file name")),
              "mnuwallpapercurrentfilename");
    mnuwallpapercurrentopenfolder =
        named(current->addAction(QCoreApplication::translate("TrayIcon", "Open folder")),
              "mnuwallpapercurrentopenfolder");

    QMenu* clock =
        subMenu(top, QCoreApplication::translate("TrayIcon", "Clock", "menu"), "mnuclock");
    mnuclock = clock->menuAction();
    mnuclockshow =
        named(clock->addAction(QCoreApplication::translate("TrayIcon", "Show the clock")),
              "mnuclockshow");
    mnuclockalwaysontop =
        named(clock->addAction(QCoreApplication::translate("TrayIcon", "Always on top")),
              "mnuclockalwaysontop");
    QMenu* calendar =
        subMenu(top, QCoreApplication::translate("TrayIcon", "Calendar", "menu"), "mnucalendar");
    mnucalendar = calendar->menuAction();
    mnucalendarshow =
        named(calendar->addAction(QCoreApplication::translate("TrayIcon", "Show the calendar")),
              "mnucalendarshow");
    mnucalendaralwaysontop =
        named(calendar->addAction(QCoreApplication::translate("TrayIcon", "Always on top")),
              "mnucalendaralwaysontop");
    for (QAction* a : {mnuclockshow, mnuclockalwaysontop, mnucalendarshow, mnucalendaralwaysontop})
        a->setCheckable(true);

    space1 = separator(top, "space1");
    mnuabout = named(top->addAction(QCoreApplication::translate("TrayIcon", "&About")), "mnuabout");
    mnuhelp = named(top->addAction(QCoreApplication::translate("TrayIcon", "&Help")), "mnuhelp");
    space = separator(top, "space");
    mnuexit = named(top->addAction(QCoreApplication::translate("TrayIcon", "E&xit")), "mnuexit");

    connect(top, &QMenu::aboutToShow, this, &TrayIcon::prepareMenu);
    connect(mnusettings, &QAction::triggered, this, &TrayIcon::settingsRequested);
    connect(mnunow, &QAction::triggered, this, &TrayIcon::nextWallpaperRequested);
    connect(mnuwallpapernext, &QAction::triggered, this, &TrayIcon::nextWallpaperRequested);
    connect(mnuprevious, &QAction::triggered, this, &TrayIcon::previousWallpaperRequested);
    connect(mnuwallpaperclear, &QAction::triggered, this, &TrayIcon::clearWallpaperRequested);
    connect(mnuabout, &QAction::triggered, this, &TrayIcon::aboutRequested);
    connect(mnuhelp, &QAction::triggered, this, &TrayIcon::helpRequested);
    connect(mnuexit, &QAction::triggered, this, &TrayIcon::exitRequested);

    connect(mnuwallpapercurrentfilename, &QAction::triggered, this, [this] {
        if (!m_shownPicture.isEmpty()) m_app.platform.shell->openFile(m_shownPicture);
    });
    connect(mnuwallpapercurrentopenfolder, &QAction::triggered, this, [this] {
        if (!m_shownPicture.isEmpty()) m_app.platform.shell->showInFolder(m_shownPicture);
    });

    // "Show …" shows or hides the window itself; "Always on top" switches the
    // widget's flag and applies it.
    const auto widget = [this](bool clock) -> DesktopWidgetWindow& {
        if (clock) return m_widgets->clock();
        return m_widgets->calendar();
    };
    for (const bool clock : {true, false}) {
        connect(clock ? mnuclockshow : mnucalendarshow, &QAction::triggered, this,
                [this, widget, clock] {
                    if (!m_widgets) return;
                    DesktopWidgetWindow& w = widget(clock);
                    w.SetVisible(!w.GetVisible().toBool());
                    emit widgetsChanged();
                });
        connect(clock ? mnuclockalwaysontop : mnucalendaralwaysontop, &QAction::triggered, this,
                [this, widget, clock] {
                    if (!m_widgets) return;
                    DesktopWidgetWindow& w = widget(clock);
                    w.setOnTop(!w.OnTop());
                    m_widgets->ApplyWidgetsOnTop();
                    emit widgetsChanged();
                });
    }
}

void TrayIcon::prepareMenu() {
    // "Current wallpaper" only while a local picture is the current one.
    m_shownPicture = m_app.currentPicture();
    // Shown from the history (back, or forward again), the picture on the
    // desktop is the history's, not the list's current one; an internet
    // picture has no file to name.
    if (m_app.jobs && !m_app.jobs->history().entries().isEmpty()) {
        const WallpaperHistory& history = m_app.jobs->history();
        const HistoryEntry& shown = history.entries().at(history.position());
        if (!m_app.shownInternetPicture.isEmpty())
            m_shownPicture.clear();
        else if (!shown.internet() && shown.paths == m_app.settings.MonitorPictures &&
                 !shown.paths.contains(m_shownPicture))
            m_shownPicture = shown.paths.value(0);
    }
    mnuwallpapercurrentwallpaper->setVisible(!m_shownPicture.isEmpty());
    if (!m_shownPicture.isEmpty())
        mnuwallpapercurrentfilename->setText(literalCaption(m_shownPicture));

    // The clock and calendar are offered only where their windows exist, so
    // the menu never claims a widget is shown that is not.
    const bool widgets = m_app.IsNT && m_app.widgetWindows && m_widgets;
    mnuclock->setVisible(widgets);
    mnucalendar->setVisible(widgets);
    if (widgets) {
        mnuclockshow->setChecked(m_widgets->clock().GetVisible().toBool());
        mnuclockalwaysontop->setChecked(m_widgets->clock().OnTop());
        mnucalendarshow->setChecked(m_widgets->calendar().GetVisible().toBool());
        mnucalendaralwaysontop->setChecked(m_widgets->calendar().OnTop());
    }
}

void TrayIcon::PlaceTray() {
    if (m_icon) return;
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        std::fprintf(stderr,
                     "Tessaly: no notification area is available; running without a tray icon.\n");
    // The icon is created and shown either way: on X11 it is embedded as soon
    // as a tray host owns the notification area, and again after the host
    // restarts.
    m_icon = new QSystemTrayIcon(this);
    // The icon theme's (installed with the menu entry) where there is one, so
    // that panels get every size; the program's own picture otherwise.
    m_icon->setIcon(
        QIcon::fromTheme(QStringLiteral(TESSALY_APP_ID),
                         QIcon(m_app.programFolder + QStringLiteral("/icons/tessaly.png"))));
    m_icon->setToolTip(QStringLiteral("Tessaly"));
    m_icon->setContextMenu(m_mnuoptz.get());
    // On an embedded icon a single left click does nothing and a double click
    // opens the settings; a status-notifier panel sends its activation
    // instead. The right button opens the menu on both.
    const bool panelActivates = statusNotifierPanel();
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this, panelActivates](QSystemTrayIcon::ActivationReason r) {
                if (r == QSystemTrayIcon::DoubleClick ||
                    (panelActivates && r == QSystemTrayIcon::Trigger))
                    emit settingsRequested();
            });
    m_icon->show();
    // Without a notification server, bubbles become the icon's own message.
    // Such a message cannot stay up until hidden, so "until hidden" shows it
    // as long as tray messages usually last.
    m_app.platform.notifier->setFallback(
        [icon = QPointer<QSystemTrayIcon>(m_icon)](const QString& text, int ms) {
            if (!icon || !QSystemTrayIcon::isSystemTrayAvailable() ||
                !QSystemTrayIcon::supportsMessages())
                return false;
            icon->showMessage(QStringLiteral("Tessaly"), text, QSystemTrayIcon::Information,
                              ms > 0 ? ms : 30000);
            return true;
        });
}

void TrayIcon::removeTrayIcon() {
    if (!m_icon) return;
    m_icon->hide();
    delete m_icon;
    m_icon = nullptr;
}

void TrayIcon::setChangeTimer(bool enabled) {
    if (enabled)
        Timer1.start();
    else
        Timer1.stop();
}

void TrayIcon::onTimer1() {
    m_scheduler.Timer1_Timer(m_app);
}
