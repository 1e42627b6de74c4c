#!/usr/bin/python3
"""The settings window of the running program, driven black-box through the
accessibility interface screen readers use (AT-SPI), on a private desktop
session (desktop-session.sh), page by page in one run; then the window in
German. What each page applies, cancel, the help links and the spinners:
test_settings_window."""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from atspi_driver import *  # noqa: F401,F403 (the driver's vocabulary)

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


def spot(e, colour):
    """A point of the extents e on the screen in this colour, halfway out among
    those from the middle."""
    found = [(e.x + i % e.width, e.y + i // e.width)
             for i, rgb in enumerate(pixels(e.x, e.y, e.width, e.height)) if near(rgb, colour, 24)]
    found.sort(key=lambda p: (p[0] - e.x - e.width / 2) ** 2 + (p[1] - e.y - e.height / 2) ** 2)
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


# A catalogue server on this machine: five categories.
served = os.path.join(os.environ["HOME"], "served")
write(os.path.join(served, "tessaly", "wpfiles", "wpdlurls.tar"), "[info]\r\ntime=0\r\n" + "".join(
    "[cat%d]\r\nname=Category %d\r\nurl1=http://127.0.0.1:9/%d.html\r\n" % (n, n, n)
    for n in range(1, 6)))


server = subprocess.Popen(["/usr/bin/python3", "-u", "-m", "http.server", "-b", "127.0.0.1", "-d",
                           served, "0"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
SERVER = "http://127.0.0.1:" + server.stdout.readline().split()[5]  # "Serving HTTP on ADDRESS port N …"

try:
    # The hot-key rows; the clock's numbers white, its hands red, green and
    # blue; a cache of 1234 bytes.
    reset(EARLIER, more=ROWS + "[ClockDigit]\ncolor=16777215\n"
          "[ClockPointers]\nHour=255\nMin=65280\nSec=16711680\n")
    write(os.path.join(DATA, "IntCacheFile.dat"), b"x" * 1234)
    for colour in ("blue", "yellow", "white"):
        picture(os.path.join(PICTURES, colour + ".png"), colour)
    dropped = os.path.join(os.environ["HOME"], "dropped")
    picture(os.path.join(dropped, "top.png"))
    picture(os.path.join(dropped, "sub", "deeper.jpg"))
    notes = os.path.join(os.environ["HOME"], "notes.txt")
    open(notes, "w").write("not a picture")

    # Opening: --settings and a later start both lead to the one window.
    p = start("/y")
    subprocess.run([TESSALY, "--settings"], check=True)
    win = window()
    check(win is not None, "--settings opens the window")
    subprocess.run([TESSALY], check=True)
    time.sleep(1)
    check(len(windows()) == 1, "a later start raises the same window")

    # The files list: pictures added through the file dialog, a folder and a
    # text file dragged in from another program, a file deleted from the disk
    # after the question; apply closes the window (the list file it writes:
    # test_settings_window).
    files = control(win, "Files list", pyatspi.ROLE_LIST)
    press(control(files.parent, "Browse for pictures"))
    dialog = wait_for(lambda: windows("Open Pictures")[0])
    control(dialog, "File name:", pyatspi.ROLE_TEXT).queryEditableText().setTextContents(
        " ".join('"%s/%s.png"' % (PICTURES, c) for c in ("blue", "yellow", "white")))
    press(control(dialog, "Open", pyatspi.ROLE_PUSH_BUTTON))
    added = ["red.png", "lime.png", "blue.png", "yellow.png", "white.png"]
    check(wait_for(lambda: items(files) == added),
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
    press(control(win, "Apply and close window"))
    check(wait_for(lambda: not windows(), 10), "apply closes")
    # Opened again: in the window open since the start, the accessibility tree
    # showed no hot-key statuses.
    subprocess.run([TESSALY, "--settings"], check=True)
    win = window()

    # Hot keys: the enabled rows show "registered", the others no status.
    show_page(win, "Hot Keys")
    check(wait_for(lambda: statuses(win) == [REGISTERED, REGISTERED, None, None]),
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
    check(wait_for(lambda: stored().get("HK0/ASCIIkey") == "83"), "the apply ends")
    check(wait_for(lambda: statuses(win) == [REGISTERED, REGISTERED, None, None]),
          "one apply registers both exchanged rows: %s" % statuses(win))
    # The keys run the exchanged actions: Ctrl+Shift+C switches, Ctrl+Shift+S clears.
    # (Seen in the middle, where a centred picture shows.)
    for keys, what in (("ctrl+shift+c", "Ctrl+Shift+C switches the wallpaper"),
                       ("ctrl+shift+s", "Ctrl+Shift+S clears it")):
        before = pixels(640, 512)
        subprocess.run(["xdotool", "key", keys], check=True)
        check(wait_for(lambda: pixels(640, 512) != before),
              "%s: %s, then %s" % (what, before, pixels(640, 512)))
        time.sleep(1)
    # A row ticked gets its status with the apply; a row unticked loses it.
    press(control(win, CAPTIONS[2]))
    press(control(win, CAPTIONS[1]))
    press(control(win, "Apply and close window"))
    check(wait_for(lambda: stored().get("HK1/Enabled") == "False"), "the apply ends")
    check(wait_for(lambda: statuses(win) == [REGISTERED, None, REGISTERED, None]),
          "ticked and unticked rows after apply: %s" % statuses(win))

    # The window, kept open after apply, shows the new interval's countdown.
    show_page(win, "Wallpaper")
    set_text(win, "Minutes between changes", "3")
    press(control(win, "Apply and close window"))
    check(wait_for(lambda: named("Next wallpaper change is after: 0:02:")),
          "the countdown follows the new interval: %s" % named("Next wallpaper change is after:"))

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
    check(wait_for(lambda: chosen() == ["Purple"] and focused() == ["Purple"]),
          "arrows move, Space picks: %s, %s" % (focused(), chosen()))
    key("Home", title="^Font$")
    check(wait_for(lambda: focused() == ["White"]), "Home: %s" % focused())
    key("End", "Return", title="^Font$")
    check(wait_for(lambda: chosen() == ["Very dark purple"]), "End, then Enter picks: %s" % chosen())
    key("Tab", "space", title="^Font$")  # on to the accept button, which closes the picker
    check(wait_for(lambda: not windows("Font")), "the picker closes")
    press(control(win, "Apply and close window"))
    check(wait_for(lambda: stored().get("Options/WaterMarkColor") == str(0x400040)),
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
    shown = box.queryText().getText(0, -1)
    check(shown == "http://127.0.0.1:8642" and "http:// or https://" in box.description,
          "the server and its tooltip: %s, %s" % (shown, box.description))
    press(control(win, "Refresh internet categories"))
    failed = "The internet categories could not be refreshed from " \
             "http://127.0.0.1:8642/tessaly/wpfiles/wpdlurls.tar: Error "
    check(wait_for(lambda: named(failed)),
          "the status line says why the refresh failed: %s" % named("The internet categories"))
    # The local server: its categories show in two columns, odd numbers on the left.
    box.queryEditableText().setTextContents(SERVER)
    press(control(win, "Apply and close window"))
    wait_for(lambda: stored().get("Options/IntServer") == SERVER)  # the apply is over
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
    check(wait_for(lambda: named("Cache file size:") == ["Cache file size: 0 bytes"]),
          "the cache size after clearing: %r" % named("Cache file size:"))

    # The clock preview: a click on the hour hand edits its colour (here to
    # yellow), one on a number the numbers' font; each element is a button of
    # its own for screen readers, and the keyboard goes from one to the next.
    show_page(win, "Clock")
    preview = control(win, "Clock preview")
    check(items(preview) == ["Clock numbers", "Hour hand", "Minute hand", "Second hand"],
          "the preview's elements: %s" % items(preview))
    e = preview.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    mouse(spot(e, (255, 0, 0)), "click", "1")  # on the hour hand
    picker = window("Select Color")
    check(picker is not None, "a click on the hour hand opens the colour picker")
    if picker is not None:
        mouse(control(picker, "Yellow", pyatspi.ROLE_RADIO_BUTTON), "click", "1")
        press(control(picker, "accept and close window"))
        wait_for(lambda: not windows("Select Color"))
    check(spot(e, (255, 255, 0)) is not None, "the hour hand shows its new colour")
    number = spot(e, (255, 255, 255))
    check(picker_opens("Font", lambda: mouse(number, "click", "1")),
          "a click on a number opens the font picker")
    # On the numbers now: two elements on, the minute hand.
    preview.queryComponent().grabFocus()
    check(picker_opens("Select Color", lambda: key("Right", "Right", "space")),
          "the keyboard reaches the minute hand")
    check(picker_opens("Select Color", lambda: press(control(win, "Second hand"))),
          "the second hand is a button for screen readers")
    # The page list takes the keyboard back (a click on its current entry).
    mouse(control(win, "Clock", pyatspi.ROLE_LIST_ITEM), "click", "1")

    # The transparency slider (stored alpha 150): a click on the arrow at
    # "Transparent", then one in the trough before it, each towards that end.
    # No compositing manager runs: a note beside it says the slider does
    # nothing for now, until one starts.
    show_page(win, "Advanced")
    note = ("No compositing manager is running, so the clock and calendar cannot be translucent: "
            "they show opaque (at the right end, not at all) until one runs.")
    check(wait_for(lambda: note in named(note)), "a note says that no compositing manager runs")
    bar = control(win, "Clock and calendar transparency :", pyatspi.ROLE_SCROLL_BAR)
    e = bar.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    for x in (e.x + e.width - e.height // 2, e.x + e.width - 2 * e.height):
        mouse((x, e.y + e.height // 2), "click", "1")
        time.sleep(0.3)
    compositor = subprocess.Popen(["picom", "--backend", "xrender", "--config", "/dev/null"],
                                  stderr=subprocess.DEVNULL)
    check(wait_for(lambda: note not in named(note)), "the note goes once a compositing manager runs")
    compositor.terminate()
    compositor.wait(5)

    # A typed limit that is not a number: the stored one stays, a box says so.
    set_text(win, "CPU usage limit in percent", "lots")
    press(control(win, "Apply and close window"))
    said = 'The CPU limit "lots" is not a whole number from 0 to 100; it stays 90%.'
    check(wait_for(lambda: any(n.name == said for w in windows() for n in walk(w))),
          "a box says the limit stays")
    quit(p)
    s = stored()
    check(s.get("ClockPointers/Hour") == str(0x00FFFF),
          "the hour hand's new colour stored: %s" % s.get("ClockPointers/Hour"))
    check(s.get("Options/Transparency") == "139",
          "a step and a page towards transparent: %s" % s.get("Options/Transparency"))

    # In the desktop's language, German here: the window's title and captions.
    p = start("/y", env=dict({k: v for k, v in os.environ.items()
                              if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES")}, LANG="de_DE.UTF-8"))
    subprocess.run([TESSALY, "--settings"], check=True)
    win = window("Tessaly-Einstellungen")
    check(win is not None, "the settings window speaks German")
    labels = items(control(win, "Optionen:", pyatspi.ROLE_LIST))
    check(labels == ["Hintergrundbild", "Wasserzeichen", "Farben", "Uhr", "Kalender",
                     "Tastenkürzel", "Internet", "Erweitert", "Nachrichtenleiste"],
          "the German page list: %s" % labels)
    press(control(win, "Verwerfen und Fenster schließen"))
    quit(p)
finally:
    server.terminate()
    outcome = finish()
sys.exit(outcome)
