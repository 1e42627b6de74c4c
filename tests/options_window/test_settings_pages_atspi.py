#!/usr/bin/python3
"""Pages of the settings window of the running program, through the
accessibility interface (AT-SPI) on a private desktop session: each page's
help picture opens the help at that page's section (the desktop's opener is
the test's logging stand-in on PATH); on the Hot Keys page a row that is not
enabled shows no status, and two rows that exchange their keys are both
registered by one apply and run the exchanged actions; the font picker's
palette is used from the keyboard alone (Tab into it, arrow keys, Home, End,
Space and Enter) and names each swatch after its colour; the catalogue server
is set on the Internet page (an ftp address is refused and said), a refresh
that fails says why in the status line, one that succeeds shows the
categories in two columns, the cache size reads on one line before and
after clearing, and a photo feed is added through its tab; each element of the clock preview edits itself (a hand its
colour, the numbers their font) by mouse, keyboard and screen reader; the CPU
spinner stays within 0 … 100, the transparency slider moves towards the end
clicked and says when no compositing manager runs, and a typed limit that is
not a number keeps the stored one and says so."""
import functools
import http.server
import os
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from atspi_driver import (CONFIG, DATA, EARLIER, check, control, finish, key, mouse,  # noqa
                          press, quit, reset, set_text, show_page, start, stored, text_of,
                          wait_for, walk, window, windows)
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


CAPTIONS = ["Clear Wallpaper", "Switch wallpaper",
            "Disable/Enable automatic wallpaper changing", "Open this window."]
REGISTERED = ("registered", "registered")
# Ctrl + Shift (modifier code 2) for every row; Clear on C and Switch on S are
# enabled, the other two rows are not.
ROWS = "".join("[HK%d]\nEnabled=%s\nShiftKey=2\nASCIIkey=%d\n" % (row, enabled, ord(letter))
               for row, enabled, letter in ((0, "True", "C"), (1, "True", "S"),
                                            (2, "False", "D"), (3, "False", "R")))


def status(win, row):
    """A hot-key row's status as a user meets it: the picture right of its key
    box, as (name, tooltip); None when the row shows none."""
    box = control(win, CAPTIONS[row] + " key", pyatspi.ROLE_TEXT).queryComponent().getExtents(
        pyatspi.DESKTOP_COORDS)
    middle = box.y + box.height // 2
    for node in walk(win):
        if node.getRole() not in (pyatspi.ROLE_IMAGE, pyatspi.ROLE_LABEL) or \
                not node.getState().contains(pyatspi.STATE_SHOWING):
            continue
        e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if box.x + box.width <= e.x < box.x + box.width + 40 and e.y <= middle < e.y + e.height:
            shown = node.getRole() == pyatspi.ROLE_IMAGE or node.name or node.description
            return (node.name, node.description) if shown else None
    return None


def statuses(win):
    return [status(win, row) for row in range(4)]


def named(prefix):
    """The names of the shown controls of the program's windows that start with `prefix`."""
    return [n.name for w in windows() for n in walk(w)
            if n.name.startswith(prefix) and n.getState().contains(pyatspi.STATE_SHOWING)]


def middle_colour():
    """The colour in the middle of the screen, where a centred picture shows."""
    out = subprocess.run(["import", "-window", "root", "-crop", "1x1+640+512", "txt:-"],
                         capture_output=True, text=True).stdout.strip()
    return out.splitlines()[-1].split()[-1] if out else ""


# A catalogue server on this machine: five categories.
served = os.path.join(os.environ["HOME"], "served")
os.makedirs(os.path.join(served, "tessaly", "wpfiles"))
with open(os.path.join(served, "tessaly", "wpfiles", "wpdlurls.tar"), "w", newline="") as f:
    f.write("[info]\r\ntime=0\r\n" + "".join(
        "[cat%d]\r\nname=Category %d\r\nurl1=http://127.0.0.1:9/%d.html\r\n" % (n, n, n)
        for n in range(1, 6)))


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                         functools.partial(Quiet, directory=served))
threading.Thread(target=server.serve_forever, daemon=True).start()
SERVER = "http://127.0.0.1:%d" % server.server_address[1]


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
    with open(CONFIG, "a", encoding="utf-8") as f:
        f.write(ROWS)
    with open(os.path.join(DATA, "IntCacheFile.dat"), "wb") as f:
        f.write(b"x" * 1234)
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

    # Hot keys: the enabled rows show "registered", the others no status.
    show_page(win, "Hot Keys")
    check(wait_for(lambda: statuses(win) == [REGISTERED, REGISTERED, None, None]) is not None,
          "the enabled rows show registered, the others no status: %s" % statuses(win))
    words = control(win, CAPTIONS[0] + " status").description
    check(words == "in force", "the words beside a grabbed row: %r" % words)
    # Clear and Switch exchange their keys (S and C); one apply registers both.
    press(control(win, "Close this window after applying changes."))
    for row, letter in ((0, "s"), (1, "c")):
        control(win, CAPTIONS[row] + " key", pyatspi.ROLE_TEXT).queryComponent().grabFocus()
        time.sleep(0.3)
        key(letter)
    press(control(win, "Apply and close window"))
    # The apply is over once the settings file holds the new keys.
    check(wait_for(lambda: stored().get("HK0/ASCIIkey") == "83") is not None, "the apply ends")
    check(wait_for(lambda: statuses(win) == [REGISTERED, REGISTERED, None, None]) is not None,
          "one apply registers both exchanged rows: %s" % statuses(win))
    # The keys run the exchanged actions: Ctrl+Shift+C switches, Ctrl+Shift+S clears.
    before = middle_colour()
    subprocess.run(["xdotool", "key", "ctrl+shift+c"], check=True)
    check(wait_for(lambda: middle_colour() != before) is not None,
          "Ctrl+Shift+C switches the wallpaper: %s, then %s" % (before, middle_colour()))
    time.sleep(1)
    shown = middle_colour()
    subprocess.run(["xdotool", "key", "ctrl+shift+s"], check=True)
    check(wait_for(lambda: middle_colour() != shown) is not None,
          "Ctrl+Shift+S clears it: %s, then %s" % (shown, middle_colour()))
    # A row ticked gets its status with the apply; a row unticked loses it.
    press(control(win, CAPTIONS[2]))
    press(control(win, CAPTIONS[1]))
    press(control(win, "Apply and close window"))
    check(wait_for(lambda: stored().get("HK1/Enabled") == "False") is not None, "the apply ends")
    check(wait_for(lambda: statuses(win) == [REGISTERED, None, REGISTERED, None]) is not None,
          "ticked and unticked rows after apply: %s" % statuses(win))

    # The font picker's palette from the keyboard: Tab enters it at the
    # chosen colour's swatch (the watermark's dark blue), the arrow keys move,
    # Space picks; Home and End go to the ends, Enter picks.
    show_page(win, "Watermark")
    press(control(win, "Edit font/color"))
    picker = window("Font")
    swatches = [n for n in walk(picker) if n.getRole() == pyatspi.ROLE_RADIO_BUTTON]
    names = [n.name for n in swatches]
    check(len(names) == 48 and len(set(names)) == 48 and names[22] == "Blue"
          and swatches[22].description == "#0000FF",
          "48 swatches, each named after its colour: %s" % names)

    def focused():
        return [n.name for n in walk(picker) if n.getState().contains(pyatspi.STATE_FOCUSED)]

    def chosen():
        return [n.name for n in swatches if n.getState().contains(pyatspi.STATE_CHECKED)]

    for _ in range(10):
        if focused() and focused()[0] in names:
            break
        key("Tab", title="^Font$")
        time.sleep(0.2)
    check(focused() == ["Dark blue"] and chosen() == ["Dark blue"],
          "Tab enters the palette at the chosen colour: %s, %s" % (focused(), chosen()))
    key("Right", "Down", "space", title="^Font$")
    check(wait_for(lambda: chosen() == ["Purple"] and focused() == ["Purple"]) is not None,
          "arrows move, Space picks: %s, %s" % (focused(), chosen()))
    key("Home", title="^Font$")
    check(wait_for(lambda: focused() == ["White"]) is not None, "Home: %s" % focused())
    key("End", "Return", title="^Font$")
    check(wait_for(lambda: chosen() == ["Very dark purple"]) is not None,
          "End, then Enter picks: %s" % chosen())
    key("Tab", "space", title="^Font$")  # on to the accept button, which closes the picker
    check(wait_for(lambda: not windows("Font")) is not None, "the picker closes")
    press(control(win, "Apply and close window"))
    check(wait_for(lambda: stored().get("Options/WaterMarkColor") == str(0x400040)) is not None,
          "the picked colour is stored: %s" % stored().get("Options/WaterMarkColor"))

    # The internet source shows the categories' pane.
    show_page(win, "Wallpaper")
    press(control(win, "Local Files list", pyatspi.ROLE_COMBO_BOX))
    time.sleep(0.7)
    subprocess.run(["xdotool", "key", "End", "Return"], check=True)
    # The catalogue server on the Internet page, with a tooltip. A refresh
    # from the default one, where nothing answers, says why it failed.
    show_page(win, "Internet")
    box = control(win, "Catalogue server :", pyatspi.ROLE_TEXT)

    def server_text():
        return box.queryText().getText(0, -1)

    check(server_text() == "http://127.0.0.1:8642" and "http:// or https://" in box.description,
          "the server and its tooltip: %s, %s" % (server_text(), box.description))
    press(control(win, "Refresh internet categories"))
    failed = "The internet categories could not be refreshed from " \
             "http://127.0.0.1:8642/tessaly/wpfiles/wpdlurls.tar: Error "
    check(wait_for(lambda: named(failed)) is not None,
          "the status line says why the refresh failed: %s" % named("The internet categories"))
    # An ftp address is refused and said; the stored server stays.
    box.queryEditableText().setTextContents("ftp://127.0.0.1/")
    press(control(win, "Apply and close window"))
    refused = 'The catalogue server "ftp://127.0.0.1/" is not an http:// or https:// address'
    check(wait_for(lambda: named(refused)) is not None, "a box says the address is refused")
    for w in windows():
        if any(n.name.startswith(refused) for n in walk(w)):
            press(control(w, "OK", pyatspi.ROLE_PUSH_BUTTON))
    check(stored().get("Options/IntServer") == "http://127.0.0.1:8642"
          and server_text() == "http://127.0.0.1:8642",
          "the server stays: %s" % stored().get("Options/IntServer"))
    # The local server: its categories show in two columns, odd numbers on the left.
    box.queryEditableText().setTextContents(SERVER)
    press(control(win, "Apply and close window"))
    check(wait_for(lambda: stored().get("Options/IntServer") == SERVER) is not None,
          "the server is stored: %s" % stored().get("Options/IntServer"))
    press(control(win, "Refresh internet categories"))
    boxes = wait_for(lambda: [control(win, "Category %d" % n, pyatspi.ROLE_CHECK_BOX)
                              for n in range(1, 6)])
    places = [(e.x, e.y) for e in (b.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                                   for b in boxes or [])]
    check(len(places) == 5 and places[0][0] == places[2][0] == places[4][0] < places[1][0]
          == places[3][0] and places[0][1] == places[1][1] < places[2][1] == places[3][1]
          < places[4][1], "two columns of categories: %s" % places)
    check(not named("The internet categories could not"), "the status line is clear again")
    # The cache size on one line, before and after clearing.
    press(control(win, "Caching", pyatspi.ROLE_PAGE_TAB))
    size = named("Cache file size:")
    check(len(size) == 1 and size[0].startswith("Cache file size: 1") and
          size[0].endswith(" bytes") and "\n" not in size[0], "the cache size: %r" % size)
    press(control(win, "Clear cache"))
    question = wait_for(lambda: windows("Clear cache")[0])
    press(control(question, "Yes", pyatspi.ROLE_PUSH_BUTTON))
    check(wait_for(lambda: named("Cache file size:") == ["Cache file size: 0 bytes"]) is not None,
          "the cache size after clearing: %r" % named("Cache file size:"))
    # A photo feed added from the screen reader's view: the tab, the button
    # named by its tooltip, the address dialog, the new entry ticked.
    with open(os.path.join(served, "photos.xml"), "w", encoding="utf-8") as f:
        f.write('<rss version="2.0"><channel><title>Harbour Days</title><item><enclosure '
                'url="boat.jpg" type="image/jpeg"/></item></channel></rss>')
    press(control(win, "Photo feeds", pyatspi.ROLE_PAGE_TAB))
    press(control(win, "Add a photo feed.", pyatspi.ROLE_PUSH_BUTTON))
    ask = wait_for(lambda: windows("New Photo Feed")[0])
    check(ask is not None, "Add asks for the address")
    if ask is not None:
        next(n for n in walk(ask) if n.getRole() == pyatspi.ROLE_TEXT).queryEditableText() \
            .setTextContents(SERVER + "/photos.xml")
        press(control(ask, "OK", pyatspi.ROLE_PUSH_BUTTON))
    entry = wait_for(lambda: next(n for n in walk(win) if n.name == "Harbour Days"
                                  and n.getRole() == pyatspi.ROLE_LIST_ITEM))
    said = control(win, "Photo feed status").description
    check(entry is not None and entry.getState().contains(pyatspi.STATE_CHECKED)
          and said == 'Pictures in "Harbour Days": 1.',
          "the feed is listed, ticked, and the status says so: %r" % said)

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
        mouse(control(picker, "Yellow", pyatspi.ROLE_RADIO_BUTTON), "click", "1")
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
    outcome = finish()
sys.exit(outcome)
