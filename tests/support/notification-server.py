#!/usr/bin/python3
"""A small desktop-notification and screen-saver service for the test desktop.

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
import argparse
import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib


def one_line(text):
    return str(text).replace("\t", " ").replace("\n", " ")


class Notifications(dbus.service.Object):
    def __init__(self, bus, log_path):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.log_path = log_path
        self.next_id = 1

    def log(self, *fields):
        with open(self.log_path, "a", encoding="utf-8") as f:
            f.write("\t".join(one_line(x) for x in fields) + "\n")

    @dbus.service.method("org.freedesktop.Notifications", in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout):
        nid = int(replaces_id) if int(replaces_id) else self.next_id
        if nid == self.next_id:
            self.next_id += 1
        self.log("Notify", nid, app_name, summary, body, int(expire_timeout), int(replaces_id))
        return dbus.UInt32(nid)

    @dbus.service.method("org.freedesktop.Notifications", in_signature="u", out_signature="")
    def CloseNotification(self, nid):
        self.log("CloseNotification", int(nid))

    @dbus.service.method("org.freedesktop.Notifications", in_signature="", out_signature="as")
    def GetCapabilities(self):
        return ["body"]

    @dbus.service.method("org.freedesktop.Notifications", in_signature="", out_signature="ssss")
    def GetServerInformation(self):
        return ("tessaly-test-notifications", "tessaly", "1.0", "1.2")


class ScreenSaver(dbus.service.Object):
    state = False

    @dbus.service.method("org.freedesktop.ScreenSaver", in_signature="", out_signature="b")
    def GetActive(self):
        return ScreenSaver.state

    @dbus.service.method("org.freedesktop.ScreenSaver", in_signature="b", out_signature="b")
    def SetActive(self, active):
        ScreenSaver.state = bool(active)
        return True


SESSION_PATH = "/org/freedesktop/login1/session/test"


class Login1Manager(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/login1")
        self.bus = bus
        self.name = None
        self.locked = False
        self.set_present(True)

    def set_present(self, present):
        if present and self.name is None:
            self.name = dbus.service.BusName("org.freedesktop.login1", self.bus, do_not_queue=True)
        elif not present and self.name is not None:
            self.bus.release_name("org.freedesktop.login1")
            self.name = None

    @dbus.service.method("org.freedesktop.login1.Manager", in_signature="u", out_signature="o")
    def GetSessionByPID(self, pid):
        return dbus.ObjectPath(SESSION_PATH)

    @dbus.service.method("org.freedesktop.login1.Test", in_signature="b", out_signature="")
    def SetLockedHint(self, locked):
        self.locked = bool(locked)

    @dbus.service.method("org.freedesktop.login1.Test", in_signature="b", out_signature="")
    def SetPresent(self, present):
        self.set_present(bool(present))


class Login1Session(dbus.service.Object):
    def __init__(self, bus, manager):
        super().__init__(bus, SESSION_PATH)
        self.manager = manager

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if interface == "org.freedesktop.login1.Session" and name == "LockedHint":
            return dbus.Boolean(self.manager.locked)
        raise dbus.exceptions.DBusException("unknown property", name="org.freedesktop.DBus.Error.InvalidArgs")


class UPower(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/UPower")
        self.on_battery = False

    @dbus.service.method("org.freedesktop.UPower.Test", in_signature="b", out_signature="")
    def SetOnBattery(self, on_battery):
        self.on_battery = bool(on_battery)

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if interface == "org.freedesktop.UPower" and name == "OnBattery":
            return dbus.Boolean(self.on_battery)
        raise dbus.exceptions.DBusException("unknown property", name="org.freedesktop.DBus.Error.InvalidArgs")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--log", required=True)
    parser.add_argument("--ready", required=True)
    args = parser.parse_args()

    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    names = [dbus.service.BusName("org.freedesktop.Notifications", bus, do_not_queue=True),
             dbus.service.BusName("org.freedesktop.ScreenSaver", bus, do_not_queue=True),
             dbus.service.BusName("org.freedesktop.UPower", bus, do_not_queue=True)]
    objects = [Notifications(bus, args.log),
               ScreenSaver(bus, "/org/freedesktop/ScreenSaver"),
               ScreenSaver(bus, "/ScreenSaver")]
    login1 = Login1Manager(bus)
    objects += [login1, Login1Session(bus, login1), UPower(bus)]
    open(args.log, "a").close()
    with open(args.ready, "w") as f:
        f.write("ready\n")
    # Stopped by SIGTERM: leave at once, the bus may already be gone.
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, 15, lambda: os._exit(0))
    GLib.MainLoop().run()
    return 0


if __name__ == "__main__":
    sys.exit(main())
