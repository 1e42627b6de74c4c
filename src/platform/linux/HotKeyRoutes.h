#pragma once

#include "platform/GlobalHotKeys.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// The ways a program can own a key combination on a Linux desktop.
enum class HotKeyRoute {
    X11,          // key grabs on the root window (every X11 desktop)
    X11ThenGnome, // key grabs, and the GNOME custom shortcuts for a grab refused
    Gnome,        // the GNOME family's custom shortcuts in GSettings
    Kde,          // KGlobalAccel on the session bus
    Sway,         // bindings through sway's IPC socket
    Portal,       // the GlobalShortcuts portal
};

// What the route choice looks at: the session's environment and whether the
// program is on an X display.
struct HotKeySession {
    QProcessEnvironment env;
    bool onX11Display = false;
    // The names on the session bus, owned or activatable; unknown until the
    // bus has answered.
    std::optional<QStringList> busNames;
};

// The route for the session: X11 wherever the program is on an X display of
// an X11 session; on Wayland sway's IPC where SWAYSOCK is set, the GNOME
// custom shortcuts on the GNOME family, KGlobalAccel on KDE Plasma where it
// answers on the bus (or while the bus has not said), and the portal
// anywhere else.
HotKeyRoute ChooseHotKeyRoute(const HotKeySession& session);
// Whether the choice for the session depends on the bus's names.
bool HotKeyRouteAsksTheBus(const HotKeySession& session);

// The service of a route. `program` is the command the desktop runs for the
// routes that hand the shortcut over (the program's own path).
std::unique_ptr<GlobalHotKeys> CreateHotKeyRoute(HotKeyRoute route, const QString& program);

// The route chosen for this process's session.
std::unique_ptr<GlobalHotKeys> CreateSessionHotKeys();

// The key table's combinations in each desktop's own syntax (modifier flags
// Alt = 1, Control = 2, Shift = 4; Windows virtual-key codes). Empty where
// the key has no name.
QString HotKeyKeysymName(int virtualKey);
QString GnomeAccelerator(int modifierFlags, int virtualKey); // "<Control><Shift>s"
QString SwayCombination(int modifierFlags, int virtualKey);  // "Ctrl+Shift+s"
QString PortalTrigger(int modifierFlags, int virtualKey);    // "CTRL+SHIFT+s"
int QtKeyCombination(int modifierFlags, int virtualKey);     // Qt::CTRL | Qt::SHIFT | Qt::Key_S; 0
