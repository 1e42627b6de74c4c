#!/usr/bin/python3
"""The settings window of the running program, driven black-box through the
accessibility interface screen readers use (AT-SPI), on a private desktop
session (desktop-session.sh): opening it, the page list, apply, cancel, apply
that keeps the window open and switches the wallpaper, and the files list
(the file dialog, a real drag and drop, deleting from the disk) written to
the list file on apply."""
import os
import subprocess
import sys
import time

os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
os.environ["NO_AT_BRIDGE"] = "0"
TESSALY = os.environ["TESSALY_BINARY"]
CONFIG = os.path.join(os.environ["XDG_CONFIG_HOME"], "tessaly", "tessaly.conf")
DATA = os.path.join(os.environ["XDG_DATA_HOME"], "Orvane Tessaly")
PICTURES = os.path.join(os.environ["HOME"], "pictures")

# The accessibility bus, announced on the session's bus (which has no service
# folders, so it is started here).
launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                            stderr=subprocess.DEVNULL)
time.sleep(1)
import pyatspi  # noqa: E402 (needs the bus above)

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


def wait_for(condition, seconds=10):
    end = time.time() + seconds
    while time.time() < end:
        try:
            value = condition()
            if value:
                return value
        except Exception:
            pass
        time.sleep(0.2)
    return None


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
    """The windows with this title the program shows (the settings window)."""
    found = []
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None or app.name != "tessaly":
            continue
        for j in range(app.childCount):
            w = app.getChildAtIndex(j)
            if w is not None and w.name == title and \
                    w.getState().contains(pyatspi.STATE_SHOWING):
                found.append(w)
    return found


def window():
    return wait_for(lambda: windows()[0] if len(windows()) == 1 else None)


def control(win, name, role=None):
    for node in walk(win):
        if node.name.strip() == name.strip() and (role is None or node.getRole() == role):
            return node
    raise LookupError("%r among %s" % (name, sorted({(n.name, n.getRoleName()) for n in walk(win)
                                                     if role is None or n.getRole() == role})))


def press(node):
    action = node.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    for wanted in ("press", "toggle", "click", "activate"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    raise LookupError("no action on " + node.name)


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def set_text(win, name, text):
    control(win, name).queryEditableText().setTextContents(text)


def key(*keys):
    # The session has no window manager: the window gets the keyboard focus here.
    subprocess.run(["xdotool", "search", "--name", "^Tessaly settings$", "windowfocus"])
    subprocess.run(["xdotool", "key", *keys], check=True)


def show_page(win, label):
    pages = control(win, "Options :", pyatspi.ROLE_LIST)
    # As a keyboard user does: into the list, to its top, down to the page.
    for i in range(pages.childCount):
        if pages.getChildAtIndex(i).name == label:
            pages.queryComponent().grabFocus()
            time.sleep(0.3)
            key("Home", *(["Down"] * i))
            time.sleep(0.3)
            return
    raise LookupError(label)


def items(lst):
    return [lst.getChildAtIndex(i).name for i in range(lst.childCount)]


def mouse(node, *actions):
    """Moves the mouse to the middle of the control, then clicks, presses, …"""
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(e.x + e.width // 2), str(e.y + e.height // 2),
                    *actions], check=True)
    return e.x + e.width // 2, e.y + e.height // 2


def drag_onto(node, paths, done):
    """Drags the files from another program's window (a file manager's
    stand-in) and drops them on the control, with real mouse moves. The drop's
    target fetches the files after the drag ends: the other program stays
    until `done()` holds. Whether the drop was taken and `done()` held."""
    source = subprocess.Popen([os.environ["TESSALY_DRAG_SOURCE"], *paths],
                              stdout=subprocess.PIPE, text=True)
    source.stdout.readline()  # "ready"
    time.sleep(1)
    subprocess.run(["xdotool", "mousemove", "80", "60", "mousedown", "1"], check=True)
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = e.x + e.width // 2, e.y + e.height // 2
    for i in range(1, 11):
        time.sleep(0.1)
        subprocess.run(["xdotool", "mousemove", str(80 + (x - 80) * i // 10),
                        str(60 + (y - 60) * i // 10)], check=True)
    time.sleep(0.5)
    subprocess.run(["xdotool", "mouseup", "1"], check=True)
    taken = source.stdout.readline().strip() == "dropped"
    finished = wait_for(done) is not None
    source.terminate()
    source.wait(5)
    return taken and finished


def picture(path, colour="blue"):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    subprocess.run(["convert", "-size", "64x48", "xc:" + colour, path], check=True)


def stored():
    values = {}
    section = ""
    with open(CONFIG, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("["):
                section = line[1:-1]
            elif "=" in line:
                k, v = line.split("=", 1)
                values[section + "/" + k] = v
    return values


def reset(settings):
    subprocess.run(["rm", "-rf", os.path.dirname(CONFIG), DATA])
    os.makedirs(os.path.dirname(CONFIG))
    os.makedirs(DATA)
    os.makedirs(PICTURES, exist_ok=True)
    with open(CONFIG, "w", encoding="utf-8") as f:
        f.write("[Options]\n" + "".join(k + "=" + v + "\n" for k, v in settings.items()))
    # Two plain pictures as the files list.
    lines = ""
    for colour in ("red", "lime"):
        path = os.path.join(PICTURES, colour + ".png")
        subprocess.run(["convert", "-size", "64x48", "xc:" + colour, path], check=True)
        lines += PICTURES + "/\r\n" + colour + ".png\r\n"
    with open(os.path.join(DATA, "WallPapersList.tsy"), "w", encoding="utf-8", newline="") as f:
        f.write(lines + "\x01\r\n")


def root_colour():
    out = subprocess.run(["import", "-window", "root", "-crop", "1x1+300+1000", "txt:-"],
                         capture_output=True, text=True).stdout
    return out.strip().splitlines()[-1] if out.strip() else ""


def start(*args):
    err = open(os.path.join(os.environ["HOME"], "err.txt"), "a")
    p = subprocess.Popen([TESSALY, *args], stderr=err)
    wait_for(lambda: os.path.exists(os.path.join(DATA, "Orvane Wallpaper.bmp")) or
             os.path.isdir(DATA), 10)
    time.sleep(1)
    return p


def quit(p):
    if p.poll() is not None:
        with open(os.path.join(os.environ["HOME"], "err.txt"), encoding="utf-8") as err:
            print("the program ended early with", p.returncode, err.read())
    subprocess.run([TESSALY, "--quit"], check=True)
    p.wait(15)


EARLIER = {"1strun": "False", "WallpaperStartup": "False", "WallpaperTimer": "True",
           "IntervalTimer": "10", "TechniqueTimer": "1", "WallPaperPosition": "Center",
           "WaterMarkPos": "5", "CurWallPaper": "0"}
try:
    # Opening: --settings and a later start both lead to the one window.
    reset(EARLIER)
    p = start("/y")
    check(windows() == [], "a log-on start opens no window")
    subprocess.run([TESSALY, "--settings"], check=True)
    win = window()
    check(win is not None, "--settings opens the window")
    subprocess.run([TESSALY], check=True)
    time.sleep(1)
    check(len(windows()) == 1, "a later start raises the same window")
    pages = control(win, "Options :", pyatspi.ROLE_LIST)
    labels = [pages.getChildAtIndex(i).name for i in range(pages.childCount)]
    check(labels == ["Wallpaper", "Watermark", "Colors", "Clock", "Calendar", "Hot Keys",
                     "Internet", "Advanced", "News Bar"], "the page list: %s" % labels)

    # Interval 3, random, "Fit (Reduce/Enlarge)", watermark spot 1, apply.
    set_text(win, "Minutes between changes", "3")
    press(control(win, "Random ", pyatspi.ROLE_RADIO_BUTTON))
    # Qt names a combo box by its current entry; its label is the buddy.
    # Its popup list takes the keyboard: the last entry, then Return.
    press(control(win, "Center", pyatspi.ROLE_COMBO_BOX))
    time.sleep(0.7)
    subprocess.run(["xdotool", "key", "End", "Return"], check=True)
    show_page(win, "Watermark")
    press(control(win, "Top left"))
    press(control(win, "Apply and close window"))
    check(wait_for(lambda: not windows(), 10) is not None or not windows(),
          "apply closes the window")
    quit(p)
    s = stored()
    check(s.get("Options/IntervalTimer") == "3", "interval stored: %s" % s.get("Options/IntervalTimer"))
    check(s.get("Options/TechniqueTimer") == "0", "technique stored")
    check(s.get("Options/WallPaperPosition") == "Fit (Reduce/Enlarge)", "position stored")
    check(s.get("Options/WaterMarkPos") == "1", "watermark spot stored")

    # Cancel after changes stores nothing.
    reset(EARLIER)
    p = start("/y")
    subprocess.run([TESSALY, "--settings"], check=True)
    win = window()
    set_text(win, "Minutes between changes", "7")
    press(control(win, "Sequence", pyatspi.ROLE_RADIO_BUTTON))
    press(control(win, "Switch wallpaper on startup"))
    show_page(win, "Advanced")
    press(control(win, "Delay automatic wallpaper changing if screen saver is running or the "
                       "computer is locked."))
    before = open(CONFIG, encoding="utf-8").read()
    press(control(win, "discard and close window"))
    check(wait_for(lambda: not windows(), 10) is not None or not windows(), "cancel closes")
    check(open(CONFIG, encoding="utf-8").read() == before, "cancel stores nothing")

    # The window stays after apply when asked, shows the applied values and
    # the new countdown; the wallpaper switches on apply when asked.
    subprocess.run([TESSALY, "--settings"], check=True)
    win = window()
    press(control(win, "Close this window after applying changes."))
    press(control(win, "Switch wallpaper when I click apply."))
    set_text(win, "Minutes between changes", "3")
    colour = root_colour()
    press(control(win, "Apply and close window"))
    check(wait_for(lambda: root_colour() != colour, 10) is not None,
          "apply switched the wallpaper (%s)" % root_colour())
    time.sleep(1.5)
    check(len(windows()) == 1, "the window stays open")
    win = window()
    check(not checked(control(win, "Close this window after applying changes.")),
          "the close choice shows as applied")
    countdown = [n.name for n in walk(win) if n.name.startswith("Next wallpaper change is after:")]
    check(bool(countdown) and countdown[0].startswith("Next wallpaper change is after: 0:02:"),
          "the countdown follows the new interval: %s" % countdown)
    quit(p)
    check(stored().get("Options/CloseApply") == "0", "the close choice is stored")

    # The files list: pictures added through the file dialog, a folder and a
    # text file dragged in from another program, a file deleted from the disk
    # after the question; apply writes the list file.
    reset(EARLIER)
    for colour in ("blue", "yellow", "white"):
        picture(os.path.join(PICTURES, colour + ".png"), colour)
    dropped = os.path.join(os.environ["HOME"], "dropped")
    picture(os.path.join(dropped, "top.png"))
    picture(os.path.join(dropped, "sub", "deeper.jpg"))
    notes = os.path.join(os.environ["HOME"], "notes.txt")
    open(notes, "w").write("not a picture")
    p = start("/y")
    subprocess.run([TESSALY, "--settings"], check=True)
    win = window()
    files = control(win, "Files list", pyatspi.ROLE_LIST)
    press(control(files.parent, "Browse for pictures"))
    dialog = wait_for(lambda: windows("Open Pictures")[0])
    control(dialog, "File name:", pyatspi.ROLE_TEXT).queryEditableText().setTextContents(
        " ".join('"%s/%s.png"' % (PICTURES, c) for c in ("blue", "yellow", "white")))
    press(control(dialog, "Open", pyatspi.ROLE_PUSH_BUTTON))
    added = ["red.png", "lime.png", "blue.png", "yellow.png", "white.png"]
    check(wait_for(lambda: items(files) == added) is not None,
          "three pictures added through the file dialog: %s" % items(files))
    check(drag_onto(files, [dropped, notes],
                    lambda: items(files) == added + ["top.png", "deeper.jpg"]),
          "the dropped folder's pictures are added, the text file is not: %s" % items(files))

    yellow = os.path.join(PICTURES, "yellow.png")
    for answer in ("No", "Yes"):
        # A right click selects the entry and opens the menu; "h" is the
        # accelerator of "P&hysically remove selected file(s)".
        mouse(files.getChildAtIndex(items(files).index("yellow.png")), "click", "3")
        time.sleep(0.7)
        subprocess.run(["xdotool", "key", "h"], check=True)
        question = wait_for(lambda: windows("Tessaly")[0])
        texts = [n.name for n in walk(question)] if question else []
        check(any(t.startswith("Are you sure you want to delete 1 file(s) from your hard disk?")
                  for t in texts), "the question before deleting: %s" % texts)
        press(control(question, answer, pyatspi.ROLE_PUSH_BUTTON))
        wait_for(lambda: not windows("Tessaly"))
        time.sleep(0.5)
        if answer == "No":
            check(os.path.exists(yellow) and "yellow.png" in items(files),
                  "No keeps the file and its entry")
    check(not os.path.exists(yellow) and "yellow.png" not in items(files),
          "Yes deletes the file and its entry")
    check(os.path.exists(os.path.join(PICTURES, "white.png")), "only the selected file goes")

    press(control(win, "Apply and close window"))
    check(wait_for(lambda: not windows(), 10) is not None, "apply closes")
    quit(p)
    with open(os.path.join(DATA, "WallPapersList.tsy"), "rb") as f:
        written = f.read()
    expected = "".join(folder + "/\r\n" + name + "\r\n" for folder, name in [
        (PICTURES, "red.png"), (PICTURES, "lime.png"), (PICTURES, "blue.png"),
        (PICTURES, "white.png"), (dropped, "top.png"), (dropped + "/sub", "deeper.jpg")])
    check(written == (expected + "\x01\r\n").encode(),
          "the list file holds the files list with CR LF and the code-1 line: %r" % written)
finally:
    launcher.terminate()
    launcher.wait(5)

sys.exit(1 if failures else 0)
