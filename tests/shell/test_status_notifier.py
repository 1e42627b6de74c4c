#!/usr/bin/python3
"""The tray icon on a StatusNotifierItem panel, with the real program on a
private desktop session (desktop-session.sh). The test is the panel: it owns
org.kde.StatusNotifierWatcher, takes the item the program announces and uses
it through its properties and menu (com.canonical.dbusmenu)."""
import os
import subprocess
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from tessaly_session import ERRORS, STILL, check, failures, pixels, quit, reset, start, wait_for  # noqa: E402,E501

WATCHER = "org.kde.StatusNotifierWatcher"

DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
loop = GLib.MainLoop()


def spin_until(condition, seconds=10):
    """Runs the main loop (so the watcher answers) until `condition` holds."""
    def spun():
        while loop.get_context().pending():
            loop.get_context().iteration(False)
        return condition()
    return wait_for(spun, seconds, 0.05)


class Watcher(dbus.service.Object):
    """The part of a panel that items register with (what an item asks of it)."""

    def __init__(self):
        self.name = dbus.service.BusName(WATCHER, bus, do_not_queue=True)
        super().__init__(self.name, "/StatusNotifierWatcher")
        self.items = []

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # An item names its bus name or only its object path.
        self.items.append((sender, service if service.startswith("/") else "/StatusNotifierItem"))

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, prop):
        return self.GetAll(interface)[prop]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {"RegisteredStatusNotifierItems": dbus.Array([s for s, _ in self.items], "s"),
                "IsStatusNotifierHostRegistered": dbus.Boolean(True)}

    # Qt reads the properties through an interface built from introspection,
    # so they are described here (the library only lists methods).
    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature="s")
    def Introspect(self):
        return ("<node><interface name='%s'>"
                "<method name='RegisterStatusNotifierItem'><arg type='s' direction='in'/></method>"
                "<property name='RegisteredStatusNotifierItems' type='as' access='read'/>"
                "<property name='IsStatusNotifierHostRegistered' type='b' access='read'/>"
                "</interface></node>" % WATCHER)

    def leave(self):
        self.remove_from_connection()
        bus.release_name(WATCHER)
        # The library keeps the name object for reuse; the next watcher must
        # ask the bus again, as a restarted panel does.
        bus._bus_names.pop(WATCHER, None)


def menu_items(menu):
    """(id, label, visible, type) of the menu's top level, in order."""
    return [(int(ident), str(props.get("label", "")), bool(props.get("visible", True)),
             str(props.get("type", ""))) for ident, props, _ in
            menu.GetLayout(0, 1, dbus.Array([], "s"))[1][2]]


watcher = Watcher()
reset(STILL)
program = start("/y")
try:
    check(spin_until(lambda: watcher.items, 15), "the program announces its item")
    sender, path = watcher.items[-1]
    item = bus.get_object(sender, path)
    props = dbus.Interface(item, dbus.PROPERTIES_IFACE)
    sni = "org.kde.StatusNotifierItem"
    tooltip = props.Get(sni, "ToolTip")
    check(str(tooltip[2]) == "Tessaly", "the tooltip reads %r" % str(tooltip[2]))
    check(str(props.Get(sni, "Status")) == "Active", "the item is active")
    check(bool(props.Get(sni, "IconName")) or len(props.Get(sni, "IconPixmap")) > 0,
          "the item has an icon")

    menu = dbus.Interface(bus.get_object(sender, props.Get(sni, "Menu")), "com.canonical.dbusmenu")
    menu.AboutToShow(0)
    shown = [(label, kind) for _, label, visible, kind in menu_items(menu) if visible]
    check(shown == [("_Settings", ""), ("Switch _Wallpaper Now", ""),
                    ("_Previous wallpaper", ""), ("", "separator"),
                    ("Wallpaper", ""), ("Clock", ""), ("Calendar", ""), ("", "separator"),
                    ("_About", ""), ("_Help", ""), ("", "separator"), ("E_xit", "")],
          "the menu reads %s" % shown)

    # Activation (a panel's left click) opens the settings window, once.
    dbus.Interface(item, sni).Activate(0, 0)
    check(spin_until(lambda: len(subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^Tessaly settings$"],
        capture_output=True, text=True).stdout.split()) == 1), "Activate opens settings")
    subprocess.run(["xdotool", "search", "--name", "^Tessaly settings$", "windowmove", "700",
                    "600"])

    # The menu's "Switch &Wallpaper Now", clicked through the panel.
    before = pixels(300, 1000)
    switch = [i for i, label, _, _ in menu_items(menu) if label == "Switch _Wallpaper Now"][0]
    menu.Event(switch, "clicked", dbus.String("", variant_level=1), dbus.UInt32(0))
    check(spin_until(lambda: pixels(300, 1000) != before, 10),
          "the menu's switch changed the wallpaper (%s, then %s)" % (before, pixels(300, 1000)))

    # The panel restarts: the item announces itself to the new watcher.
    watcher.leave()
    spin_until(lambda: False, 1)
    gone = watcher  # kept: its name object would release the new owner's name when collected
    watcher = Watcher()
    check(spin_until(lambda: watcher.items, 10), "the item comes back after the panel restarts")
finally:
    quit(program)
    if failures:
        print(open(ERRORS, encoding="utf-8").read())

sys.exit(1 if failures else 0)
