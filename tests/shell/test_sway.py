#!/usr/bin/python3
"""The real program on a real headless sway (sway-session.sh), seen through
screenshots (grim) and sway's own view of its outputs and windows (swaymsg).

  test_sway.py setter   sway's own background: the wallpaper goes through
                        swaymsg to each output.
  test_sway.py surface  sway's background program switched off and
                        OwnWaylandBackground=1: Tessaly's own background
                        surface, on two outputs of different sizes and on an
                        output plugged in while the program runs."""
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from tessaly_session import EARLIER, ERRORS, TESSALY, quit, reset, start, wait_for  # noqa: E402

failures = []
COLOURS = {"red": (255, 0, 0), "lime": (0, 255, 0)}


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


def swaymsg(*args):
    out = subprocess.run(["swaymsg", *args], capture_output=True, text=True)
    return out.stdout


def outputs():
    return {o["name"]: o for o in json.loads(swaymsg("-r", "-t", "get_outputs"))}


def pixel(output, x, y):
    """The colour at (x, y) of one output's screenshot, as an RGB tuple."""
    shot = os.path.join(os.environ["HOME"], output + ".png")
    if subprocess.run(["grim", "-o", output, shot], capture_output=True).returncode != 0:
        return None
    out = subprocess.run(["convert", shot, "-crop", "1x1+%d+%d" % (x, y), "-depth", "8",
                          "txt:-"], capture_output=True, text=True).stdout
    line = out.strip().splitlines()[-1]
    values = line.split("(", 1)[1].split(")", 1)[0].split(",")
    return tuple(int(float(v)) for v in values[:3])


def shows_picture(output):
    """The picture's colour (red or lime) over the whole of the output: its
    middle and near each corner."""
    o = outputs().get(output)
    if not o:
        return None
    w, h = o["rect"]["width"], o["rect"]["height"]
    seen = {pixel(output, x, y) for x, y in ((w // 2, h // 2), (3, 3), (w - 4, h - 4))}
    colour = [name for name, rgb in COLOURS.items() if seen == {rgb}]
    return colour[0] if colour else None


def next_picture(output, before):
    """`tessaly --next`, then the colour the output settles on."""
    subprocess.run([TESSALY, "--next"], check=True, timeout=20)
    return wait_for(lambda: (c := shows_picture(output)) and c != before and c, 15)


def add_output(width, height):
    names = set(outputs())
    swaymsg("create_output")
    name = wait_for(lambda: (set(outputs()) - names or {None}).pop(), 10)
    x = max(o["rect"]["x"] + o["rect"]["width"] for o in outputs().values())
    swaymsg("output", name, "mode", "%dx%d" % (width, height), "position", str(x), "0")
    wait_for(lambda: outputs()[name]["rect"]["width"] == width, 10)
    return name


mode = sys.argv[1]
# Stretched: every pixel of every output is the picture's.
settings = dict(EARLIER, WallpaperTimer="False", WallPaperPosition="Stretch", WaterMarkPos="0",
                ClockV="False", CalV="False")
if mode == "surface":
    settings["OwnWaylandBackground"] = "1"
reset(settings)
second = add_output(800, 600) if mode == "surface" else None
p = start()
# Without a panel for its tray icon the program opens its settings window,
# which sway tiles over the whole output: closed as a user would.
swaymsg("[app_id=org.orvane.Tessaly]", "kill")
check(wait_for(lambda: "org.orvane.Tessaly" not in swaymsg("-t", "get_tree"), 10),
      "the settings window closed")

first = next_picture("HEADLESS-1", None)
check(first is not None, "after --next HEADLESS-1 shows a picture (%s)" % first)
then = next_picture("HEADLESS-1", first)
check(then is not None and then != first, "the next --next shows the other one (%s)" % then)

if mode == "surface":
    check(shows_picture(second) == then,
          "the 800x600 output shows the same picture, stretched to its size (%s)" %
          shows_picture(second))
    # The surfaces are no windows: sway's tree holds none of the program's.
    check("org.orvane.Tessaly" not in swaymsg("-t", "get_tree"),
          "no window of the program in sway's tree")
    plugged = add_output(1024, 768)
    check(then is not None and wait_for(lambda: shows_picture(plugged) == then, 15),
          "an output plugged in while the program runs gets the wallpaper (%s)" %
          shows_picture(plugged))

quit(p)
with open(ERRORS, encoding="utf-8") as err:
    print(err.read())
sys.exit(1 if failures else 0)
