#!/usr/bin/python3
"""A small desktop-notification and screen-saver service for the test desktop:
  notification-server.py LOG READY

Owns org.freedesktop.Notifications and org.freedesktop.ScreenSaver on the
session bus. Every Notify and CloseNotification is appended to the log file as
one tab-separated line:

    Notify <id> <app name> <summary> <body> <expire timeout> <replaces id>
    CloseNotification <id>

The screen saver's state is set with SetActive and read with GetActive, so
tests can play an away user.

It also plays a small part of logind (org.freedesktop.login1: the session of
a process and its LockedHint) for tests that point the system bus at this
bus; SetLockedHint sets the hint and SetPresent(False) gives up the name, as
on a system without logind. Likewise UPower's OnBattery, set with
SetOnBattery.
"""
import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

method = dbus.service.method
SESSION_PATH = "/org/freedesktop/login1/session/test"
state = {"screen saver": False, "LockedHint": False, "OnBattery": False}
names = {}  # the bus names held


class Notifications(dbus.service.Object):
    next_id = 1

    def log(self, *fields):
        with open(sys.argv[1], "a", encoding="utf-8") as f:
            f.write("\t".join(str(x).replace("\t", " ").replace("\n", " ") for x in fields) + "\n")

    @method("org.freedesktop.Notifications", in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout):
        nid = int(replaces_id) or self.next_id
        self.next_id += nid == self.next_id
        self.log("Notify", nid, app_name, summary, body, int(expire_timeout), int(replaces_id))
        return dbus.UInt32(nid)

    @method("org.freedesktop.Notifications", in_signature="u", out_signature="")
    def CloseNotification(self, nid):
        self.log("CloseNotification", int(nid))


class States(dbus.service.Object):
    """The screen saver (at both its paths), logind's manager and this
    session, and UPower: each path answers all of these."""

    @method("org.freedesktop.ScreenSaver", in_signature="", out_signature="b")
    def GetActive(self):
        return state["screen saver"]

    @method("org.freedesktop.ScreenSaver", in_signature="b", out_signature="b")
    def SetActive(self, active):
        state["screen saver"] = bool(active)
        return True

    @method("org.freedesktop.login1.Manager", in_signature="u", out_signature="o")
    def GetSessionByPID(self, pid):
        return dbus.ObjectPath(SESSION_PATH)

    @method("org.freedesktop.login1.Test", in_signature="b", out_signature="")
    def SetLockedHint(self, locked):
        state["LockedHint"] = bool(locked)

    @method("org.freedesktop.login1.Test", in_signature="b", out_signature="")
    def SetPresent(self, present):
        if present and "logind" not in names:
            names["logind"] = dbus.service.BusName("org.freedesktop.login1", self.connection,
                                                   do_not_queue=True)
        elif not present and names.pop("logind", None):
            self.connection.release_name("org.freedesktop.login1")

    @method("org.freedesktop.UPower.Test", in_signature="b", out_signature="")
    def SetOnBattery(self, on_battery):
        state["OnBattery"] = bool(on_battery)

    @method("org.freedesktop.DBus.Properties", in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if (interface, name) in (("org.freedesktop.login1.Session", "LockedHint"),
                                 ("org.freedesktop.UPower", "OnBattery")):
            return dbus.Boolean(state[name])
        raise dbus.exceptions.DBusException("unknown property",
                                            name="org.freedesktop.DBus.Error.InvalidArgs")


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
for name in ("Notifications", "ScreenSaver", "UPower"):
    names[name] = dbus.service.BusName("org.freedesktop." + name, bus, do_not_queue=True)
objects = [Notifications(bus, "/org/freedesktop/Notifications")] + [
    States(bus, path) for path in ("/org/freedesktop/ScreenSaver", "/ScreenSaver",
                                   "/org/freedesktop/login1", SESSION_PATH, "/org/freedesktop/UPower")]
objects[-1].SetPresent(True)
open(sys.argv[1], "a").close()
open(sys.argv[2], "w").write("ready\n")
# Stopped by SIGTERM: leave at once, the bus may already be gone.
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, 15, lambda: os._exit(0))
GLib.MainLoop().run()
