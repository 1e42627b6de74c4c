#!/usr/bin/python3
"""The real program on the real program that draws a desktop
(desktop-program.sh starts it on its own X server), seen as the user sees it
in screenshots: a picture after `tessaly --next`, the other one after a
second --next, the desktop's colour after --clear.

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
PICTURES = {"red": (255, 0, 0), "lime": (0, 255, 0)}
# The middle of the screen after --clear: xfdesktop's and pcmanfm's own
# colours, Tessaly's desktop colour on LXQt (pcmanfm-qt cannot be told to
# drop its picture), MATE's own gradient, GNOME's background colour (which
# Tessaly follows) and Plasma's colour wallpaper.
CLEARED = {"xfce": (21, 34, 51), "lxde": (0, 0, 0), "lxqt": (0, 78, 152),
           "mate": (74, 144, 112), "gnome": (2, 60, 136), "kde": (29, 153, 243)}
WIDTH, HEIGHT = map(int, subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True,
                                        text=True).stdout.split())


def shown(*points):
    """The picture's name, or else the colour, at these points (fractions of
    the screen's size) of the screen; None where they differ."""
    seen = {next((name for name, c in PICTURES.items() if near(rgb, c, 8)), rgb)
            for rgb in (pixels(int(fx * WIDTH), int(fy * HEIGHT))[0] for fx, fy in points)}
    return seen.pop() if len(seen) == 1 else None


# Away from panels and desktop icons.
MIDDLE = ((0.5, 0.5), (0.3, 0.6), (0.7, 0.4))


def settles(before, points=MIDDLE):
    """The picture the points come to show: one of the two, and not the one
    shown before."""
    return wait_for(lambda: (c := shown(*points)) in PICTURES and c != before and c, 30)


reset(dict(STILL, ClockV="False", CalV="False"))
p = start("--next")
first = settles(None)
check(first is not None, "after --next the desktop shows a picture (%s)" % first)
subprocess.run([TESSALY, "--next"], timeout=30)
second = settles(first)
check(second is not None, "the next --next shows the other one (%s)" % second)
subprocess.run([TESSALY, "--clear"], timeout=30)
check(wait_for(lambda: (c := shown((0.5, 0.5))) not in PICTURES and near(c, CLEARED[desktop], 8), 30),
      "after --clear the desktop shows %s (%s)" % (CLEARED[desktop], shown((0.5, 0.5))))

quit(p)
print(open(ERRORS, encoding="utf-8").read())
sys.exit(1 if failures else 0)
