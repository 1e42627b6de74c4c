#!/usr/bin/python3
"""The real program on a real headless sway (sway-session.sh), seen through
screenshots (grim) and sway's own view of its outputs and windows (swaymsg).

  test_sway.py setter   sway's own background set through swaymsg; the clock
                        and calendar on their layer surfaces (the pointer from
                        wayland-probe, which also opens a window beneath)
  test_sway.py surface  OwnWaylandBackground=1 on outputs of different sizes,
                        one plugged in while the program runs; a hot key as a
                        binding of sway's"""
import json
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
mode = sys.argv[1]
if mode == "setter":
    import atspi_driver as atspi  # noqa: E402 (starts the accessibility bus)
from tessaly_session import (ERRORS, SOCKET, STILL, TESSALY, check, failures, quit,  # noqa: E402
                             reset, start, stored, wait_for)


COLOURS = {"red": (255, 0, 0), "lime": (0, 255, 0)}


def swaymsg(*args):
    return subprocess.run(["swaymsg", *args], capture_output=True, text=True).stdout


def outputs():
    return {o["name"]: o for o in json.loads(swaymsg("-r", "-t", "get_outputs"))}


def convert(output, *args):
    """ImageMagick's text rows for the output's screenshot, after `args`."""
    path = os.path.join(os.environ["HOME"], output + ".png")
    if subprocess.run(["grim", "-o", output, path], capture_output=True).returncode != 0:
        return []
    return subprocess.run(["convert", path, *args, "txt:-"], capture_output=True,
                          text=True).stdout.strip().splitlines()


def colours_in(output, x, y, w, h):
    """How many colours a rectangle of the output's screenshot holds."""
    return len(convert(output, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "-unique-colors")) - 1


def pixel(output, x, y):
    """The colour at (x, y) of one output's screenshot, as an RGB tuple."""
    rows = convert(output, "-crop", "1x1+%d+%d" % (x, y), "-depth", "8")
    values = rows[-1].split("(", 1)[1].split(")", 1)[0].split(",") if rows else []
    return tuple(int(float(v)) for v in values[:3]) or None


def shows_picture(output):
    """The picture's colour (red or lime) over the whole of the output: its
    middle and near each corner."""
    o = outputs().get(output)
    if not o:
        return None
    # The screenshot has the output's pixels (its mode), whatever its scale.
    w, h = o["current_mode"]["width"], o["current_mode"]["height"]
    seen = {pixel(output, x, y) for x, y in ((w // 2, h // 2), (3, 3), (w - 4, h - 4))}
    return next((name for name, rgb in COLOURS.items() if seen == {rgb}), None)


def next_picture(output, before):
    """`tessaly --next`, then the colour the output settles on."""
    subprocess.run([TESSALY, "--next"], check=True, timeout=20)
    return wait_for(lambda: (c := shows_picture(output)) and c != before and c, 15)


def ctrl_alt_f5():
    return subprocess.run(["wtype", "-M", "ctrl", "-M", "alt", "-k", "F5", "-m", "alt", "-m",
                           "ctrl"]).returncode == 0


def add_output(width, height):
    names = set(outputs())
    swaymsg("create_output")
    name = wait_for(lambda: (set(outputs()) - names or {None}).pop(), 10)
    x = max(o["rect"]["x"] + o["rect"]["width"] for o in outputs().values())
    swaymsg("output", name, "mode", "%dx%d" % (width, height), "position", str(x), "0")
    wait_for(lambda: outputs()[name]["rect"]["width"] == width, 10)
    return name


def cursor(*args):
    swaymsg("seat", "seat0", "cursor", *args)
    time.sleep(0.3)


def mouse(probe, *steps):
    for step in steps:
        probe.stdin.write(step + "\n")
        probe.stdin.flush()
        time.sleep(0.3 if step.startswith("move") else 0.05)


def click(x, y):
    cursor("set", str(x), str(y))
    cursor("press", "button1")
    cursor("release", "button1")


def close_window():
    """Closes the program's window as a user would; whether it went."""
    swaymsg("[app_id=org.orvane.Tessaly]", "kill")
    return wait_for(lambda: "org.orvane.Tessaly" not in swaymsg("-t", "get_tree"), 10)


# Stretched (STILL): every pixel of every output is the picture's (the middle
# and the corners stay clear of the widgets).
if mode == "surface":
    # Ctrl+Alt+F5 switches the wallpaper.
    reset(dict(STILL, OwnWaylandBackground="1", ClockV="False", CalV="False"),
          more="[HK1]\nEnabled=True\nShiftKey=0\nASCIIkey=116\n")
    # At scale 2: 400 x 300 in the layout, 800 x 600 pixels.
    second = add_output(800, 600)
    swaymsg("output", second, "scale", "2")
    wait_for(lambda: outputs()[second]["rect"]["width"] == 400, 10)
else:
    # 96 dots per inch: 15 twips a pixel. The clock at (100, 100), 213 x 170
    # pixels, on top; the calendar at (400, 200) below the windows.
    reset(dict(STILL, ClockV="True", CalV="True", ClockOnTop="True", ClockLeft="1500",
               ClockTop="1500", CalLeft="6000", CalTop="3000"))
p = start()
# Without a panel for its tray icon the program opens its settings window,
# which sway tiles over the whole output: closed.
check(close_window(), "the settings window closed")

first = next_picture("HEADLESS-1", None)
check(first is not None, "after --next HEADLESS-1 shows a picture (%s)" % first)
then = next_picture("HEADLESS-1", first)
check(then is not None and then != first, "the next --next shows the other one (%s)" % then)
# The widgets and surfaces are no windows: sway's tree holds none of the program's.
check("org.orvane.Tessaly" not in swaymsg("-t", "get_tree"), "no window of the program in sway's tree")

if mode == "setter":
    # Drawn where they were stored, translucent over the wallpaper, the
    # desktop beside them untouched; and no windows.
    check(colours_in("HEADLESS-1", 100, 100, 213, 170) > 1, "the clock is drawn at its place")
    check(colours_in("HEADLESS-1", 400, 200, 213, 166) > 1, "the calendar is drawn at its place")
    check(colours_in("HEADLESS-1", 0, 100, 95, 300) == 1, "nothing is drawn beside them")
    # A window over the desktop: the clock (on top) stays over it and lets
    # clicks through to it.
    probe = subprocess.Popen([os.environ["TESSALY_PROBE"]], stdin=subprocess.PIPE,
                             stdout=subprocess.PIPE, text=True)
    check(probe.stdout.readline().strip() == "ready", "the probe window opened")
    wait_for(lambda: "tessaly-probe" in swaymsg("-t", "get_tree"), 10)
    time.sleep(1)
    check(colours_in("HEADLESS-1", 100, 100, 213, 170) > 1, "the clock shows over the window")
    check(colours_in("HEADLESS-1", 400, 200, 213, 166) == 1,
          "the calendar stays below the window")
    click(206, 185)
    check(probe.stdout.readline().strip() == "press 206 185",
          "a click on the clock reaches the window beneath")
    # Move mode from the Clock page: the clock takes the pointer, is dragged
    # by 200 x 100 pixels, and a double click ends the mode.
    subprocess.run([TESSALY, "--settings"], timeout=20)
    win = atspi.window()
    atspi.press(atspi.control(win, "Move the clock"))
    time.sleep(1)
    cursor("set", "206", "185")
    # Moved as a mouse moves it: sway's own cursor commands send no motion
    # while a button is held.
    mouse(probe, "press", *["move 50 25"] * 4, "release", "press", "release", "press", "release")
    close_window()
    check(colours_in("HEADLESS-1", 300, 200, 213, 170) > 1, "the clock is at its new place")
    click(406, 285)
    probe.stdin.close()
    said = probe.stdout.read().split("\n")
    check(said[-2:] == ["press 406 285", ""] and "press 206 185" not in said,
          "after move mode the clock lets clicks through again (%s)" % said)
    probe.wait(10)
    # Cleared: sway shows Tessaly's desktop colour instead.
    subprocess.run([TESSALY, "--clear"], timeout=20)
    check(wait_for(lambda: pixel("HEADLESS-1", 640, 600) == (0, 78, 152), 15),
          "after --clear HEADLESS-1 shows the desktop colour")
    quit(p)
    place = stored()
    check(abs(float(place["Options/ClockLeft"]) - 4500) <= 30 and
          abs(float(place["Options/ClockTop"]) - 3000) <= 30,
          "the dragged place is stored (%s, %s)" %
          (place["Options/ClockLeft"], place["Options/ClockTop"]))
else:
    check(shows_picture(second) == then,
          "the output at scale 2 shows the same picture over all its pixels (%s)" %
          shows_picture(second))
    plugged = add_output(1024, 768)
    check(then is not None and wait_for(lambda: shows_picture(plugged) == then, 15),
          "an output plugged in while the program runs gets the wallpaper (%s)" %
          shows_picture(plugged))
    # The hot key is a binding of sway's: typed, it switches the wallpaper.
    # (A press seen within 3 s, else typed again.)
    check(wait_for(lambda: ctrl_alt_f5() and wait_for(
        lambda: (c := shows_picture("HEADLESS-1")) and c != then, 3), 15),
          "Ctrl+Alt+F5 typed switches the wallpaper")
    quit(p)
    # The program ended takes its binding along: the key starts nothing (a
    # program it started would listen on this session's socket).
    ctrl_alt_f5()
    check(not wait_for(lambda: os.path.exists(SOCKET), 3),
          "after --quit Ctrl+Alt+F5 is no binding of sway's")
print(open(ERRORS, encoding="utf-8").read())
sys.exit((atspi.finish() if mode == "setter" else 0) or (1 if failures else 0))
