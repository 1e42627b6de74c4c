#!/usr/bin/env python3
"""Requests that overlap the work they start: seeded random sequences of
--next, --clear, --toggle-timer, a settings apply (inverted colours, switching
the wallpaper) and monitor layout changes, sent to the running program on a
private desktop while big pictures are being changed. After each sequence the
desktop must show what the last next or clear asked for, the program must
answer and end at once, and no data file may be torn.

  test_interleaving.py [SEQUENCES] [SEED] [--add-to FILE]

--add-to adds this run's figures (from a seed no run in FILE used, unless SEED
is given) to FILE and sums them all up at its top. SIGTERM to this process
alone (the session wrappers end the X server on it) ends the run after the
sequence under way.
"""
import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
import atspi_driver as atspi  # noqa: E402 (starts the accessibility bus)
from tessaly_session import (DATA, ERRORS, PICTURES, SOCKET, TESSALY, bitmap_whole, check,  # noqa: E402
                             failures, near, picture, pixels, reset, stored, wait_for, write)

BITMAP = os.path.join(DATA, "Orvane Wallpaper.bmp")
# Big pictures, so that a change takes long enough to be overtaken (their
# mean colours; the grain stays within `near`).
COLOURS = {"red": (255, 0, 0), "lime": (0, 255, 0), "blue": (0, 0, 255)}
INVERTED = [tuple(255 - c for c in rgb) for rgb in COLOURS.values()]
SHOWN = [*COLOURS.values(), *INVERTED]  # what a picture may look like
# Whether the colours are inverted by the settings last applied.
inverted = False


def big_picture(colour):
    """Grainy like a photograph, progressive, and shown at its own size
    (centred): every change decodes all of it, most of a second."""
    return picture(os.path.join(PICTURES, colour + ".jpg"), colour, "6000x4000", "-attenuate", "2",
                   "+noise", "Gaussian", "-quality", "90", "-interlace", "Plane")


def root_pixel():
    """The root window's mean colour near the middle of the screen, as (r, g, b)."""
    square = pixels(600, 500, 32, 32)
    return tuple(sum(c) // len(square) for c in zip(*square)) if square else None


def shows(rgb, colours=SHOWN):
    """Whether the colour is one of these, give or take the pictures' grain."""
    return any(near(rgb, c, 40) for c in colours)


def send(option):
    return subprocess.run([TESSALY, option], capture_output=True, text=True, timeout=20)


def monitors(split):
    """Two monitors side by side, or the screen as one."""
    for name, place, output in (("left", "+0+0", "screen"), ("right", "+640+0", "none")):
        subprocess.run(["xrandr", "--setmonitor", name, "640/339x1024/271" + place, output] if split
                       else ["xrandr", "--delmonitor", name], capture_output=True)


def apply_inverted():
    """Opens the settings window, inverts the colours (or stops inverting)
    and applies with "Switch wallpaper when I click apply."."""
    global inverted
    send("--settings")
    win = atspi.window()
    if win is None:
        return False
    atspi.show_page(win, "Colors")
    for name in ("Invert colors", "Switch wallpaper when I click apply.", "Apply and close window"):
        atspi.press(atspi.control(win, name))
    inverted = not inverted
    wait_for(lambda: not atspi.windows(), 10)
    return True


# How long the root window must keep one colour to count as settled: a
# second, or one and a half times one change here (slower machines,
# sanitizer builds): longer than any change that may still follow.
quiet_seconds = 1.0


def settled(quiet=None):
    """Waits until the root window has kept one colour for quiet_seconds."""
    quiet = quiet or quiet_seconds
    last, since, end = None, time.time(), time.time() + 60
    while time.time() < end:
        now = root_pixel()
        if now != last:
            last, since = now, time.time()
        elif time.time() - since > quiet:
            return now
        time.sleep(0.1)
    return last


# Sequences whose last change came after the desktop had been quiet for
# quiet_seconds: a machine busier than when a change was timed. The desktop's
# state after a long quiet decides; a request lost shows then as a failure.
late = []


def measure_change():
    """Times one change from a cleared desktop to its picture."""
    global quiet_seconds
    send("--clear")
    settled()
    started = time.time()
    send("--next")
    if wait_for(lambda: shows(root_pixel()), 60):
        quiet_seconds = max(1.0, 1.5 * (time.time() - started))


def sequence(rng, number):
    program = subprocess.Popen([TESSALY, "/y"], stderr=open(ERRORS, "a"))
    # Listening once the socket is there; a start before that would be an
    # instance of its own.
    check(wait_for(lambda: os.path.exists(SOCKET), 20), "the program listens at start")
    # Something is shown first, so that a clear is seen to clear.
    if number == 0:
        measure_change()
    send("--next")
    settled()
    last, split = None, False
    for _ in range(rng.randint(3, 9)):
        op = rng.choice(["next", "next", "next", "clear", "clear", "toggle", "layout", "apply"])
        if op in ("next", "clear", "toggle"):
            r = send("--toggle-timer" if op == "toggle" else "--" + op)
            check(r.returncode == 0, "sequence %d: --%s answered (%s)" % (number, op, r.stderr))
            last = last if op == "toggle" else op
        elif op == "apply":
            check(apply_inverted(), "sequence %d: the settings window opens" % number)
            last = "next"
        else:
            split = not split
            monitors(split)
        time.sleep(rng.choice([0, 0.02, 0.08, 0.15, 0.3]))

    def right(shown):
        if last == "clear":
            return not shows(shown)
        return last is None or shows(shown, INVERTED if inverted else COLOURS.values())

    shown = settled()
    if not right(shown):
        shown = settled(max(6.0, 4 * quiet_seconds))
        if right(shown):
            late.append(number)
            print("late: sequence %d: the last request showed after a long quiet" % number,
                  flush=True)
    if last:
        check(right(shown), "sequence %d: %s (%s)" % (number, (
            "the desktop is cleared after the last --clear" if last == "clear" else
            "a picture%s shows after the last --next" % (" inverted" if inverted else "")), shown))
    # Still answering; ended in the middle of a big picture's decode.
    check(send("--next").returncode == 0, "sequence %d: the program still answers" % number)
    started = time.time()
    check(send("--quit").returncode == 0, "sequence %d: --quit delivered" % number)
    try:
        program.wait(10)
    except subprocess.TimeoutExpired:
        program.kill()
        check(False, "sequence %d: the program ended after --quit" % number)
    quit_seconds = time.time() - started
    check(not os.path.exists(BITMAP) or bitmap_whole(open(BITMAP, "rb").read()),
          "sequence %d: the wallpaper bitmap is whole" % number)
    check(wait_for(lambda: stored()["Options/1strun"] == "False", 1),  # an unreadable file fails too
          "sequence %d: settings readable and whole" % number)
    monitors(False)
    return last, quit_seconds


RUN_LINE = re.compile(r"^(\d+) sequences \(seed (\d+)\).*; (\d+) failures;")


def write_figures(path, lines):
    runs = [m for m in map(RUN_LINE.match, lines) if m]
    write(path + ".new", "# Overlapping requests to the running program (tests/shell/test_interleaving.py)\n"
          "# In all: %d sequences in %d runs (seeds %s), %d failures\n\n"
          % (sum(int(r.group(1)) for r in runs), len(runs), ", ".join(r.group(2) for r in runs),
             sum(int(r.group(3)) for r in runs)) + "\n".join(lines) + "\n")
    os.replace(path + ".new", path)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("count", type=int, nargs="?", default=4)
    parser.add_argument("seed", type=int, nargs="?")
    parser.add_argument("--add-to")
    args = parser.parse_args()
    count, added_to = args.count, args.add_to
    # The run lines of the figures file and the lines of their failures.
    earlier = [line for line in (open(added_to, encoding="utf-8").read().splitlines()
                                 if added_to and os.path.exists(added_to) else [])
               if RUN_LINE.match(line) or line.startswith("FAILED:")]
    used = {int(m.group(2)) for m in map(RUN_LINE.match, earlier) if m}
    seed = args.seed if args.seed is not None else max(used | {2025}) + 1 if added_to else 2026
    if seed in used:
        print("seed %d was used by an earlier run in %s" % (seed, added_to))
        return 2
    reset({"1strun": "False", "WallpaperStartup": "False", "WallpaperTimer": "False",
           "PrepareNextWallpaper": "False", "WallPaperPosition": "Center",
           "WaterMarkVisible": "False", "BubbleFileName": "False", "AutoStart": "True"},
          COLOURS, big_picture)
    rng = random.Random(seed)
    lasts = {"next": 0, "clear": 0, None: 0}
    slowest_quit = 0.0
    started = time.time()
    # SIGTERM ends a long run after the sequence under way, with the figures
    # of the sequences done.
    stopping = []
    signal.signal(signal.SIGTERM, lambda *_: stopping.append(True))
    for n in range(count):
        if stopping:
            count = n
            break
        last, quit_seconds = sequence(rng, n)
        lasts[last] += 1
        slowest_quit = max(slowest_quit, quit_seconds)
    # A start right after --quit never met the old program still holding on.
    check("not responding" not in open(ERRORS, encoding="utf-8", errors="replace").read(),
          "no start found the previous program not responding")
    summary = ("%d sequences (seed %d) in %.0f s: last request next %d, clear %d, neither %d; "
               "%d failures; slowest --quit %.2f s; settled after %.1f s quiet (%d late)"
               % (count, seed, time.time() - started, lasts["next"], lasts["clear"], lasts[None],
                  len(failures), slowest_quit, quiet_seconds, len(late)))
    print(summary)
    summary += "; %s, %d cores" % (time.strftime("%Y-%m-%d %H:%M UTC", time.gmtime()),
                                   os.cpu_count())
    if added_to:
        write_figures(added_to, earlier + [summary] + ["FAILED: %s" % what for what in failures])
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
