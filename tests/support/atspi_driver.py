"""Driving the running program's windows black-box through the accessibility
interface screen readers use (AT-SPI), on a private desktop session
(desktop-session.sh). Importing this module starts the accessibility bus on the
session's bus (which has no service folders); the program's folders, start
and end come from tessaly_session."""
import os
import subprocess
import time

os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
os.environ["NO_AT_BRIDGE"] = "0"
from tessaly_session import *  # noqa: F401,F403 (folders, reset, start, quit, check, …)

launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                            stderr=subprocess.DEVNULL)
time.sleep(1)
import pyatspi  # noqa: E402 (needs the bus above)

def walk(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    for i in range(node.childCount):
        try:
            yield from walk(node.getChildAtIndex(i), depth + 1)
        except Exception:
            pass


def windows(title="Tessaly settings"):
    """The program's shown windows with this title."""
    desktop = pyatspi.Registry.getDesktop(0)
    return [w for app in map(desktop.getChildAtIndex, range(desktop.childCount))
            if app is not None and app.name == "tessaly"
            for w in map(app.getChildAtIndex, range(app.childCount))
            if w is not None and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING)]


def window(title="Tessaly settings"):
    return wait_for(lambda: windows(title)[0] if len(windows(title)) == 1 else None)


def control(win, name, role=None):
    for node in walk(win):
        if node.name.strip() == name.strip() and (role is None or node.getRole() == role):
            return node
    raise LookupError("%r among %s" % (name, sorted({(n.name, n.getRoleName()) for n in walk(win)
                                                     if role is None or n.getRole() == role})))


def press(node):
    action = node.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    wanted = [names.index(w) for w in ("press", "toggle", "click", "activate") if w in names]
    if not wanted:
        raise LookupError("no action on " + node.name)
    action.doAction(wanted[0])


def set_text(win, name, text):
    control(win, name).queryEditableText().setTextContents(text)


def key(*keys, title="^Tessaly settings$"):
    # The session has no window manager: the window gets the keyboard focus here.
    subprocess.run(["xdotool", "search", "--name", title, "windowfocus"])
    subprocess.run(["xdotool", "key", *keys], check=True)


def show_page(win, label):
    pages = control(win, "Options :", pyatspi.ROLE_LIST)
    # As a keyboard user does: into the list, to its top, down to the page.
    down = items(pages).index(label)
    pages.queryComponent().grabFocus()
    time.sleep(0.3)
    key("Home", *(["Down"] * down))
    time.sleep(0.3)


def items(node):
    """The names of the node's children."""
    return [node.getChildAtIndex(i).name for i in range(node.childCount)]


def centre(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x + e.width // 2, e.y + e.height // 2


def mouse(at, *actions):
    """Moves the mouse to the middle of the control, or to the point (x, y),
    then clicks, presses, …"""
    point = at if isinstance(at, tuple) else centre(at)
    subprocess.run(["xdotool", "mousemove", *map(str, point), *actions], check=True)


def drag_onto(node, paths, done):
    """Drags the files from another program's window (a file manager's
    stand-in) and drops them on the control, with real mouse moves. The drop's
    target fetches the files after the drag ends: the other program stays
    until `done()` holds. Whether the drop was taken and `done()` held."""
    source = subprocess.Popen([os.environ["TESSALY_DRAG_SOURCE"], *paths],
                              stdout=subprocess.PIPE, text=True)
    source.stdout.readline()  # "ready"
    time.sleep(1)
    mouse((80, 60), "mousedown", "1")
    x, y = centre(node)
    for i in range(1, 11):
        time.sleep(0.1)
        mouse((80 + (x - 80) * i // 10, 60 + (y - 60) * i // 10))
    time.sleep(0.5)
    mouse((x, y), "mouseup", "1")
    taken = source.stdout.readline().strip() == "dropped"
    finished = wait_for(done) is not None
    source.terminate()
    source.wait(5)
    return taken and finished


def finish():
    """Stops the accessibility bus; the exit status for the test."""
    launcher.terminate()
    launcher.wait(5)
    return 1 if failures else 0
