#!/usr/bin/python3
"""Pages of the settings window of the running program, through the
accessibility interface (AT-SPI) on a private desktop session: each page's
help picture opens the help at that page's section (the desktop's opener is
the test's logging stand-in on PATH), the CPU spinner stays within 0 … 100,
and a typed limit that is not a number keeps the stored one and says so."""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from atspi_driver import (EARLIER, check, control, finish, press, quit, reset, set_text,  # noqa
                          show_page, start, stored, text_of, wait_for, walk, window, windows)
import pyatspi  # noqa: E402

# The desktop's opener: the stand-in that logs what it is asked to open
# instead of starting a browser (the demonstration uses it too).
HOME_LOG = os.path.join(os.environ["HOME"], "opened.txt")
stand_ins = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support", "stand-ins")
env = dict(os.environ, PATH=stand_ins + ":" + os.environ["PATH"], TESSALY_OPENED_LOG=HOME_LOG)


def opened():
    try:
        with open(HOME_LOG, encoding="utf-8") as f:
            return f.read().split()
    except FileNotFoundError:
        return []


try:
    reset(EARLIER)
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

    # A typed limit that is not a number: the stored one stays, a box says so.
    set_text(win, "CPU usage limit in percent", "lots")
    press(control(win, "Apply and close window"))
    said = 'The CPU limit "lots" is not a whole number from 0 to 100; it stays 90%.'
    check(wait_for(lambda: any(n.name == said for w in windows() for n in walk(w))) is not None,
          "a box says the limit stays")
    quit(p)
    check(stored().get("Options/CPULimit") == "90",
          "the stored limit stays 90: %s" % stored().get("Options/CPULimit"))
finally:
    status = finish()
sys.exit(status)
