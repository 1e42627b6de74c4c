#!/usr/bin/python3
"""The real program on the real program that draws a desktop
(desktop-program.sh starts it on its own X server), seen as the user sees it
in screenshots: a picture after `tessaly --next`, the other one after a
second --next, the desktop's colour after --clear. With two outputs
(TESSALY_TEST_OUTPUTS=2) each monitor's own picture, and the next two after a
second --next.

  test_desktops.py DESKTOP   xfce, lxde, lxqt, mate, gnome or kde

The composed bitmap lies in a folder whose name has a space, an apostrophe
and double quotes, so that each desktop's quoting of the file is met too."""
import os
import subprocess
import sys

os.environ["XDG_DATA_HOME"] = os.path.join(os.environ["HOME"], "Sam's \"data\"")
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from tessaly_session import ERRORS, STILL, TESSALY, check, failures, near, pixels, quit, reset, start, wait_for  # noqa: E402,E501

desktop = sys.argv[1]
PICTURES = {"red": (255, 0, 0), "lime": (0, 255, 0), "blue": (0, 0, 255)}
# The middle of the screen after --clear: xfdesktop's and pcmanfm's own
# colours, Tessaly's desktop colour on LXQt (pcmanfm-qt cannot be told to
# drop its picture), MATE's own gradient, GNOME's background colour (which
# Tessaly follows) and Plasma's colour wallpaper.
CLEARED = {"xfce": (21, 34, 51), "lxde": (0, 0, 0), "lxqt": (0, 78, 152),
           "mate": (74, 144, 112), "gnome": (2, 60, 136), "kde": (29, 153, 243)}
# The whole screen (xdotool's display geometry is the first monitor's).
WIDTH, HEIGHT = map(int, subprocess.run(["xdpyinfo"], capture_output=True, text=True).stdout
                    .split("dimensions:")[1].split()[0].split("x"))


def shown(*points):
    """The picture's name, or else the colour, at these points (fractions of
    the screen's size) of the screen; None where they differ."""
    seen = {next((name for name, c in PICTURES.items() if near(rgb, c, 8)), rgb)
            for rgb in (pixels(int(fx * WIDTH), int(fy * HEIGHT))[0] for fx, fy in points)}
    return seen.pop() if len(seen) == 1 else None


# Points of each monitor away from panels and desktop icons.
TWO = os.environ.get("TESSALY_TEST_OUTPUTS") == "2"
MONITORS = ([((0.25, 0.5), (0.15, 0.6)), ((0.75, 0.5), (0.85, 0.4))] if TWO
            else [((0.5, 0.5), (0.3, 0.6), (0.7, 0.4))])


def settles(before):
    """The pictures the monitors come to show: a picture each, none the one
    it showed before, and no two alike."""
    def seen():
        now = [shown(*points) for points in MONITORS]
        ok = all(c in PICTURES and c != b for c, b in zip(now, before))
        return ok and len(set(now)) == len(now) and now
    return wait_for(seen, 30)


reset(dict(STILL, ClockV="False", CalV="False", MonitorMode="Different" if TWO else "Same"),
      colours=tuple(PICTURES)[:3 if TWO else 2])
p = start("--next")
first = settles([None] * len(MONITORS))
check(first is not None, "after --next the desktop shows a picture (%s)" % first)
subprocess.run([TESSALY, "--next"], timeout=30)
second = settles(first or [None] * len(MONITORS))
check(second is not None, "the next --next shows another one (%s)" % second)
subprocess.run([TESSALY, "--clear"], timeout=30)
cleared = lambda: [shown(points[0]) for points in MONITORS]  # noqa: E731
check(wait_for(lambda: all(c not in PICTURES and near(c, CLEARED[desktop], 8) for c in cleared()), 30),
      "after --clear the desktop shows %s (%s)" % (CLEARED[desktop], cleared()))

quit(p)
print(open(ERRORS, encoding="utf-8").read())
sys.exit(1 if failures else 0)
