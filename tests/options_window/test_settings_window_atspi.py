#!/usr/bin/python3
"""The settings window of the running program, driven black-box through the
accessibility interface screen readers use (AT-SPI), on a private desktop
session (desktop-session.sh): opening it, the page list (in English and in
German), apply, cancel, apply that keeps the window open and switches the
wallpaper, and the files list (the file dialog, a real drag and drop,
deleting from the disk) written to the list file on apply."""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from atspi_driver import *  # noqa: F401,F403 (the driver's vocabulary)
from atspi_driver import finish

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

    # In the desktop's language, German here: the window's title and captions.
    german = {k: v for k, v in os.environ.items()
              if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES")}
    p = start("/y", env=dict(german, LANG="de_DE.UTF-8"))
    subprocess.run([TESSALY, "--settings"], check=True)
    win = window("Tessaly-Einstellungen")
    check(win is not None, "the settings window speaks German")
    pages = control(win, "Optionen:", pyatspi.ROLE_LIST)
    labels = [pages.getChildAtIndex(i).name for i in range(pages.childCount)]
    check(labels == ["Hintergrundbild", "Wasserzeichen", "Farben", "Uhr", "Kalender",
                     "Tastenkürzel", "Internet", "Erweitert", "Nachrichtenleiste"],
          "the German page list: %s" % labels)
    press(control(win, "Verwerfen und Fenster schließen"))
    quit(p)

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
    status = finish()
sys.exit(status)
