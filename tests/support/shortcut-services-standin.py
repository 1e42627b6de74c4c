#!/usr/bin/python3
"""Stand-ins for the desktops' global-shortcut services, which cannot run here:
KDE's KGlobalAccel (org.kde.kglobalaccel) and the desktop portal's
GlobalShortcuts interface (org.freedesktop.portal.Desktop), on the session bus
the test started.

Each keeps the shortcut list as the desktop would: the user's own shortcut
(KGlobalAccel: "konsole"/"launch" on Ctrl+Alt+T; the portal: another
application's session on CTRL+ALT+t) and whatever the program sets. A key
another action holds is refused as the real services do (KGlobalAccel hands
back no keys; the portal binds the shortcut without a trigger).

The test drives them through org.tessaly.StandIn on /standin:
  Shortcuts() -> lines "kde <component>/<action> <key>" and
                 "portal <application>/<id> <trigger>", sorted
  PressKde(component, action)   emits globalShortcutPressed
  PressPortal(id)               emits Activated for the program's live session
Every call the program makes is appended to the log file named on the
command line, one line each.
"""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

CTRL, ALT, KEY_T = 0x04000000, 0x08000000, 0x54
LOG = sys.argv[1]


def log(*fields):
    with open(LOG, "a", encoding="utf-8") as f:
        f.write(" ".join(str(x) for x in fields) + "\n")


def handle(kind, sender, token):
    """The portal's object path of a request or session for the caller."""
    return "/org/freedesktop/portal/desktop/%s/%s/%s" % (kind, sender[1:].replace(".", "_"), token)


class Component(dbus.service.Object):
    @dbus.service.signal("org.kde.kglobalaccel.Component", signature="ssx")
    def globalShortcutPressed(self, component, action, timestamp):
        pass


class KGlobalAccel(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/kglobalaccel")
        self.keys = {("konsole", "launch"): CTRL | ALT | KEY_T}
        self.registered = set(self.keys)
        self.components = {}

    @dbus.service.method("org.kde.KGlobalAccel", in_signature="as", out_signature="")
    def doRegister(self, action_id):
        log("doRegister", *action_id)
        self.registered.add((str(action_id[0]), str(action_id[1])))

    @dbus.service.method("org.kde.KGlobalAccel", in_signature="asa(ai)u", out_signature="a(ai)")
    def setShortcutKeys(self, action_id, keys, flags):
        name = (str(action_id[0]), str(action_id[1]))
        key = int(keys[0][0][0]) if keys and keys[0][0] else 0
        log("setShortcutKeys", "/".join(name), hex(key), int(flags))
        # (A name not registered has no keys.)
        if name not in self.registered or any(k == key and n != name for n, k in self.keys.items()):
            self.keys.pop(name, None)
            return dbus.Array([], signature="(ai)")
        self.keys[name] = key
        return dbus.Array([dbus.Struct([dbus.Array([key, 0, 0, 0], signature="i")],
                                       signature=None)], signature="(ai)")

    @dbus.service.method("org.kde.KGlobalAccel", in_signature="ss", out_signature="b")
    def unregister(self, component, action):
        name = (str(component), str(action))
        log("unregister", "/".join(name))
        self.registered.discard(name)
        return self.keys.pop(name, None) is not None

    @dbus.service.method("org.kde.KGlobalAccel", in_signature="s", out_signature="o")
    def getComponent(self, component):
        path = "/component/" + component
        if component not in self.components:
            self.components[component] = Component(self.connection, path)
        return dbus.ObjectPath(path)


class Request(dbus.service.Object):
    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, code, results):
        pass


class Session(dbus.service.Object):
    def __init__(self, bus, path, portal):
        super().__init__(bus, path)
        self.path, self.portal = path, portal

    @dbus.service.method("org.freedesktop.portal.Session", in_signature="", out_signature="")
    def Close(self):
        log("Close", self.path)
        self.portal.sessions.pop(self.path, None)
        self.remove_from_connection()


class GlobalShortcuts(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        # session path -> (application, {id: trigger})
        self.sessions = {"/other/session": ("other-app", {"terminal": "CTRL+ALT+t"})}

    def answer(self, sender, token, results):
        path = handle("request", sender, token)
        request = Request(self.connection, path)

        def respond():
            request.Response(dbus.UInt32(0), results)
            request.remove_from_connection()
            return False
        # Before any later call is handled, as the portal answers a request
        # before it reports presses for it.
        GLib.idle_add(respond, priority=GLib.PRIORITY_HIGH)
        return dbus.ObjectPath(path)

    @dbus.service.method("org.freedesktop.portal.GlobalShortcuts", in_signature="a{sv}",
                         out_signature="o", sender_keyword="sender")
    def CreateSession(self, options, sender):
        token = str(options["session_handle_token"])
        path = handle("session", sender, token)
        log("CreateSession", token)
        Session(self.connection, path, self)
        self.sessions[path] = ("tessaly", {})
        return self.answer(sender, str(options["handle_token"]),
                           {"session_handle": dbus.String(path)})

    @dbus.service.method("org.freedesktop.portal.GlobalShortcuts", in_signature="oa(sa{sv})sa{sv}",
                         out_signature="o", sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent, options, sender):
        log("BindShortcuts", session, *["%s=%s" % (s[0], s[1].get("preferred_trigger", ""))
                                        for s in shortcuts])
        taken = {t for path, (_, bound) in self.sessions.items() if path != session
                 for t in bound.values()}
        given, bound = [], {}
        for sid, opts in shortcuts:
            entry = {"description": opts.get("description", "")}
            trigger = str(opts.get("preferred_trigger", ""))
            if trigger and trigger not in taken:
                entry["trigger_description"] = trigger
                bound[str(sid)] = trigger
            given.append(dbus.Struct([sid, dbus.Dictionary(entry, signature="sv")]))
        self.sessions[str(session)] = ("tessaly", bound)
        return self.answer(sender, str(options["handle_token"]),
                           {"shortcuts": dbus.Array(given, signature="(sa{sv})")})

    @dbus.service.signal("org.freedesktop.portal.GlobalShortcuts", signature="osta{sv}")
    def Activated(self, session, shortcut, timestamp, options):
        pass


class StandIn(dbus.service.Object):
    def __init__(self, bus, kde, portal):
        super().__init__(bus, "/standin")
        self.kde, self.portal = kde, portal

    @dbus.service.method("org.tessaly.StandIn", in_signature="", out_signature="s")
    def Shortcuts(self):
        lines = ["kde %s/%s %s" % (c, a, hex(k)) for (c, a), k in self.kde.keys.items()]
        lines += ["portal %s/%s %s" % (app, sid, t) for app, bound in self.portal.sessions.values()
                  for sid, t in bound.items()]
        return "\n".join(sorted(lines))

    @dbus.service.method("org.tessaly.StandIn", in_signature="ss", out_signature="")
    def PressKde(self, component, action):
        self.kde.components[component].globalShortcutPressed(component, action, 0)

    @dbus.service.method("org.tessaly.StandIn", in_signature="s", out_signature="")
    def PressPortal(self, shortcut):
        for path, (app, bound) in self.portal.sessions.items():
            if app == "tessaly" and shortcut in bound:
                self.portal.Activated(dbus.ObjectPath(path), shortcut, dbus.UInt64(0), {})


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
StandIn(bus, KGlobalAccel(bus), GlobalShortcuts(bus))
# The names are held while the loop runs.
names = [dbus.service.BusName(n, bus) for n in
         ("org.kde.kglobalaccel", "org.freedesktop.portal.Desktop", "org.tessaly.StandIn")]
GLib.MainLoop().run()
