"""The running program on a private desktop session (desktop-session.sh), as
the end-to-end tests meet it: its folders, a fresh configuration with a files
list of two plain pictures, the root window's colour, starting and ending it;
and the checks' verdicts."""
import configparser
import os
import struct
import subprocess
import time

TESSALY = os.environ["TESSALY_BINARY"]
CONFIG = os.path.join(os.environ["XDG_CONFIG_HOME"], "tessaly", "tessaly.conf")
DATA = os.path.join(os.environ["XDG_DATA_HOME"], "Orvane Tessaly")
PICTURES = os.path.join(os.environ["HOME"], "pictures")
ERRORS = os.path.join(os.environ["HOME"], "err.txt")
SOCKET = os.path.join(os.environ["XDG_RUNTIME_DIR"], "tessaly.sock")


failures = []


def check(condition, what):
    if not condition:
        print("FAILED:", what, flush=True)
        failures.append(what)


def wait_for(condition, seconds=10, step=0.2):
    end = time.time() + seconds
    while time.time() < end:
        try:
            value = condition()
            if value:
                return value
        except Exception:
            pass
        time.sleep(step)
    return None


def invert(content):
    """The program's byte inversion: every byte but the last becomes 255 minus it."""
    return bytes(255 - b for b in content[:-1]) + content[-1:] if content else content


def near(a, b, by):
    return a is not None and all(abs(x - y) <= by for x, y in zip(a, b))


def bitmap_whole(content):
    """A whole Windows bitmap: its header's file size and pixel rows all there."""
    if not content or len(content) < 54 or content[:2] != b"BM":
        return False
    size, offset, w, h, _, bpp = struct.unpack_from("<2xI4xI4xiiHH", content)
    rows = ((abs(w) * bpp + 31) // 32) * 4 * abs(h)
    return size == len(content) and offset + rows <= len(content) and w > 0


def stored():
    """The settings file's values, as {"Section/Key": value}."""
    ini = configparser.RawConfigParser(delimiters="=", strict=False)
    ini.optionxform = str  # keys keep their case
    ini.read_file(open(CONFIG, encoding="utf-8"))
    return {section + "/" + k: v for section in ini.sections() for k, v in ini.items(section)}


def write(path, content):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(content.encode("utf-8") if isinstance(content, str) else content)


def picture(path, colour="blue", size="64x48", *drawn):
    """A picture of the colour, plain unless ImageMagick's options `drawn`
    draw on it; its path."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    subprocess.run(["convert", "-size", size, "xc:" + colour, *drawn, path], check=True)
    return path


def reset(settings, colours=("red", "lime"), make=None, more=""):
    """A fresh configuration with `settings` under [Options] and the sections
    `more` after it, and a files list of a picture a colour: `make(colour)`
    makes it and gives its path (plain pictures in PICTURES by default)."""
    subprocess.run(["rm", "-rf", os.path.dirname(CONFIG), DATA])
    write(CONFIG, "[Options]\n" + "".join(k + "=" + v + "\n" for k, v in settings.items()) + more)
    paths = [(make or (lambda c: picture(os.path.join(PICTURES, c + ".png"), c)))(colour)
             for colour in colours]
    write(os.path.join(DATA, "WallPapersList.tsy"), "".join(
        os.path.dirname(p) + "/\r\n" + os.path.basename(p) + "\r\n" for p in paths) + "\x01\r\n")


def pixels(x, y, w=1, h=1):
    """The root window's pixels in a rectangle, row by row, as (r, g, b)."""
    data = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y),
                           "-depth", "8", "rgb:-"], capture_output=True).stdout
    return [tuple(data[i:i + 3]) for i in range(0, len(data), 3)]


def start(*args, env=None):
    p = subprocess.Popen([TESSALY, *args], stderr=open(ERRORS, "a"), env=env)
    time.sleep(1)
    return p


def quit(p):
    if p.poll() is not None:
        with open(ERRORS, encoding="utf-8") as err:
            print("the program ended early with", p.returncode, err.read())
    subprocess.run([TESSALY, "--quit"], check=True)
    p.wait(15)


# Settings as after an earlier run: no first-run steps, no change at start.
EARLIER = {"1strun": "False", "WallpaperStartup": "False", "WallpaperTimer": "True",
           "IntervalTimer": "10", "TechniqueTimer": "1", "WallPaperPosition": "Center",
           "WaterMarkPos": "5", "CurWallPaper": "0"}
# The same for tests that read the screen: no timer, the picture over every
# pixel, no watermark.
STILL = dict(EARLIER, WallpaperTimer="False", WallPaperPosition="Stretch", WaterMarkVisible="False")
