#!/usr/bin/python3
"""Pages of the settings window of the running program, through the
accessibility interface (AT-SPI) on a private desktop session: each page's
help picture opens the help at that page's section (the desktop's opener is
the test's logging stand-in on PATH), each element of the clock preview
edits itself (a hand its colour, the numbers their font) by mouse, keyboard
and screen reader, the CPU spinner stays within 0 … 100,
the transparency slider moves towards the end clicked and says when no
compositing manager runs, and a typed limit that is not a number keeps the
stored one and says so."""
import os
import stat
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from atspi_driver import (CONFIG, EARLIER, check, control, finish, key, mouse, press, quit,  # noqa
                          reset, set_text, show_page, start, stored, text_of, wait_for, walk,
                          window, windows)
import pyatspi  # noqa: E402

# The desktop's opener, logged instead of starting a browser.
HOME_LOG = os.path.join(os.environ["HOME"], "opened.txt")
bin_dir = os.path.join(os.environ["HOME"], "bin")
os.makedirs(bin_dir, exist_ok=True)
opener = os.path.join(bin_dir, "xdg-open")
with open(opener, "w") as f:
    f.write('#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s"\n' % HOME_LOG)
os.chmod(opener, os.stat(opener).st_mode | stat.S_IEXEC)
env = dict(os.environ, PATH=bin_dir + ":" + os.environ["PATH"])


def opened():
    try:
        with open(HOME_LOG, encoding="utf-8") as f:
            return f.read().split()
    except FileNotFoundError:
        return []


def pixels(e):
    """The screen's pixels in the extents e: a function of (x, y) on the screen."""
    ppm = subprocess.run(["import", "-window", "root", "-crop",
                          "%dx%d+%d+%d" % (e.width, e.height, e.x, e.y), "-depth", "8", "ppm:-"],
                         capture_output=True, check=True).stdout
    # P6, width, height, maximum, then the samples.
    fields, at = [], 0
    while len(fields) < 4:
        while ppm[at:at + 1].isspace():
            at += 1
        end = at
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[at:end])
        at = end
    data = ppm[at + 1:]
    return lambda x, y: tuple(data[3 * ((y - e.y) * e.width + (x - e.x)):][:3])


def spot(e, colour):
    """A point of the extents e in this colour, halfway out among those from the middle."""
    pixel = pixels(e)
    found = [(x, y) for y in range(e.y, e.y + e.height) for x in range(e.x, e.x + e.width)
             if all(abs(a - b) <= 24 for a, b in zip(pixel(x, y), colour))]
    middle = (e.x + e.width / 2, e.y + e.height / 2)
    found.sort(key=lambda p: (p[0] - middle[0]) ** 2 + (p[1] - middle[1]) ** 2)
    return found[len(found) // 2] if found else None


def picker_opens(title, do):
    """Whether doing `do` opens the font picker with this title; it is closed again
    with its cancel button."""
    do()
    picker = window(title)
    if picker is not None:
        press(control(picker, "discard and close window"))
        wait_for(lambda: not windows(title))
    return picker is not None


try:
    reset(EARLIER)
    # The clock's numbers white, its hands red, green and blue.
    with open(CONFIG, "a", encoding="utf-8") as f:
        f.write("[ClockDigit]\ncolor=16777215\n"
                "[ClockPointers]\nHour=255\nMin=65280\nSec=16711680\n")
    p = start("/y", env=env)
    os.system(os.environ["TESSALY_BINARY"] + " --settings")
    win = window()
    check(win is not None, "the window opens")

    # Help: the contents' section from "Help", each page's own section from its picture.
    press(control(win, "Help"))
    check(wait_for(lambda: opened() and opened()[-1].endswith("/help/index.html#context-5")) is not None,
          "Help opens the contents: %s" % opened())
    for page, context in (("Wallpaper", 15), ("Colors", 16), ("Hot Keys", 26),
                          ("Advanced", 28), ("News Bar", 0)):
        show_page(win, page)
        count = len(opened())
        press(control(win, "Help on this page"))
        want = "#context-%d" % context if context else "/help/index.html"
        check(wait_for(lambda: len(opened()) > count and opened()[-1].endswith(want)) is not None,
              "the %s page's help opens %s: %s" % (page, want, opened()[-1:]))

    # The clock preview: a click on the hour hand edits its colour (here to
    # yellow), one on a number the numbers' font; each element is a button of
    # its own for screen readers, and the keyboard goes from one to the next.
    show_page(win, "Clock")
    preview = control(win, "Clock preview")
    names = [preview.getChildAtIndex(i).name for i in range(preview.childCount)]
    check(names == ["Clock numbers", "Hour hand", "Minute hand", "Second hand"],
          "the preview's elements: %s" % names)
    e = preview.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    hour = spot(e, (255, 0, 0))
    subprocess.run(["xdotool", "mousemove", str(hour[0]), str(hour[1]), "click", "1"], check=True)
    picker = window("Select Color")
    check(picker is not None, "a click on the hour hand opens the colour picker")
    if picker is not None:
        mouse(control(picker, "#ffff00"), "click", "1")
        press(control(picker, "accept and close window"))
        wait_for(lambda: not windows("Select Color"))
    check(spot(e, (255, 255, 0)) is not None, "the hour hand shows its new colour")
    number = spot(e, (255, 255, 255))
    check(picker_opens("Font", lambda: subprocess.run(
        ["xdotool", "mousemove", str(number[0]), str(number[1]), "click", "1"], check=True)),
        "a click on a number opens the font picker")
    # On the numbers now: two elements on, the minute hand.
    preview.queryComponent().grabFocus()
    check(picker_opens("Select Color", lambda: key("Right", "Right", "space")),
          "the keyboard reaches the minute hand")
    check(picker_opens("Select Color", lambda: press(control(win, "Second hand"))),
          "the second hand is a button for screen readers")
    # The page list takes the keyboard back (a click on its current entry).
    mouse(control(win, "Clock", pyatspi.ROLE_LIST_ITEM), "click", "1")

    # The CPU spinner: up from 99 stops at 100, down from 1 stops at 0.
    show_page(win, "Advanced")
    spinner = control(win, "Change the CPU usage limit by one", pyatspi.ROLE_SCROLL_BAR)
    value = spinner.queryValue()
    set_text(win, "CPU usage limit in percent", "99")
    for _ in range(3):
        value.currentValue = 0
        time.sleep(0.3)
    check(text_of(win, "CPU usage limit in percent") == "100",
          "up stops at 100: %s" % text_of(win, "CPU usage limit in percent"))
    set_text(win, "CPU usage limit in percent", "1")
    for _ in range(3):
        value.currentValue = 2
        time.sleep(0.3)
    check(text_of(win, "CPU usage limit in percent") == "0",
          "down stops at 0: %s" % text_of(win, "CPU usage limit in percent"))

    # The transparency slider (stored alpha 150): a click on the arrow at
    # "Transparent", then one in the trough before it, each towards that end.
    # No compositing manager runs: a note beside it says the slider does
    # nothing for now, until one starts.
    note = ("No compositing manager is running, so the clock and calendar cannot be translucent: "
            "they show opaque (at the right end, not at all) until one runs.")

    def note_shown():
        return any(n.name == note and n.getState().contains(pyatspi.STATE_SHOWING)
                   for n in walk(win))

    check(wait_for(note_shown) is not None, "a note says that no compositing manager runs")
    bar = control(win, "Clock and calendar transparency :", pyatspi.ROLE_SCROLL_BAR)
    e = bar.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    for x in (e.x + e.width - e.height // 2, e.x + e.width - 2 * e.height):
        subprocess.run(["xdotool", "mousemove", str(x), str(e.y + e.height // 2), "click", "1"],
                       check=True)
        time.sleep(0.3)
    compositor = subprocess.Popen(["picom", "--backend", "xrender", "--config", "/dev/null"],
                                  stderr=subprocess.DEVNULL)
    check(wait_for(lambda: not note_shown()) is not None,
          "the note goes once a compositing manager runs")
    compositor.terminate()
    compositor.wait(5)

    # A typed limit that is not a number: the stored one stays, a box says so.
    set_text(win, "CPU usage limit in percent", "lots")
    press(control(win, "Apply and close window"))
    said = 'The CPU limit "lots" is not a whole number from 0 to 100; it stays 90%.'
    check(wait_for(lambda: any(n.name == said for w in windows() for n in walk(w))) is not None,
          "a box says the limit stays")
    quit(p)
    check(stored().get("Options/CPULimit") == "90",
          "the stored limit stays 90: %s" % stored().get("Options/CPULimit"))
    check(stored().get("ClockPointers/Hour") == str(0x00FFFF),
          "the hour hand's new colour stored: %s" % stored().get("ClockPointers/Hour"))
    check(stored().get("Options/Transparency") == "139",
          "a step and a page towards transparent: %s" % stored().get("Options/Transparency"))
finally:
    status = finish()
sys.exit(status)
