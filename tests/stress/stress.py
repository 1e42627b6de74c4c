#!/usr/bin/python3
"""Long runs against the real program: kill -9 torture, soak, network faults.

  stress.py torture --binary B --trials N [--seed S] [--shim SO]
  stress.py soak    --binary B --changes N
  stress.py faults  --binary B

Each run works in a temporary home folder of its own (HOME, XDG folders, a
D-Bus address that leads nowhere, so the program's messages go to its
standard error) and serves pictures, pages and the catalogue from
tests/support/http-test-server.py on 127.0.0.1. The figures are printed and,
with --results FILE, appended to FILE.
"""
import argparse
import os
import random
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SUPPORT = os.path.join(HERE, "..", "support")


# --- the program's files -------------------------------------------------------

def invert(data):
    """The program's byte inversion: every byte but the last becomes 255 minus it."""
    return bytes(255 - b for b in data[:-1]) + data[-1:] if data else data


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return None


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data.encode("utf-8") if isinstance(data, str) else data)


def ini_text(sections):
    out = []
    for name, keys in sections.items():
        out.append("[%s]" % name)
        out += ["%s=%s" % kv for kv in keys.items()]
        out.append("")
    return "\n".join(out)


def set_options(path, values, fresh):
    """Sets keys of the [Options] section of a settings file; a file that is
    missing or not whole is replaced by `fresh`."""
    data = read(path)
    if not settings_complete(data):
        write(path, ini_text({"Options": dict(fresh, **values), "Internet": {"1": "1"}}))
        return
    lines = data.decode("utf-8").split("\n")
    section = None
    seen = set()
    for i, line in enumerate(lines):
        if line.startswith("["):
            if section == "[Options]":
                break
            section = line
            continue
        key = line.split("=", 1)[0]
        if section == "[Options]" and key in values:
            lines[i] = "%s=%s" % (key, values[key])
            seen.add(key)
    at = lines.index("[Options]") + 1
    for key in values:
        if key not in seen:
            lines.insert(at, "%s=%s" % (key, values[key]))
    write(path, "\n".join(lines))


def settings_complete(data):
    """A settings file as the program writes it whole: every line a section or
    a key, the hot-key sections through the last one, a line end at the end."""
    if not data or not data.endswith(b"\n"):
        return False
    text = data.decode("utf-8", "replace")
    for line in text.splitlines():
        if line and not (line.startswith("[") and line.endswith("]")) and "=" not in line:
            return False
    return "[HK5]" in text and "[Options]" in text and "IntervalTimer=" in text


def bitmap_complete(data):
    """A whole Windows bitmap: its header's file size and pixel rows all there."""
    if not data or len(data) < 54 or data[:2] != b"BM":
        return False
    size, = struct.unpack_from("<I", data, 2)
    off, = struct.unpack_from("<I", data, 10)
    w, h = struct.unpack_from("<ii", data, 18)
    bpp, = struct.unpack_from("<H", data, 28)
    rows = ((abs(w) * bpp + 31) // 32) * 4 * abs(h)
    return size == len(data) and off + rows <= len(data) and w > 0


def cache_records(index_bytes):
    """The records of a decoded cache index, or None when it is not whole."""
    text = invert(index_bytes).decode("utf-8", "replace")
    records = []
    lines = text.split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    if len(lines) % 4:
        return None
    for i in range(0, len(lines), 4):
        key, pos, length, close = lines[i:i + 4]
        if not (key.startswith("<") and key.endswith(">") and close == "</" + key[1:]
                and pos.startswith("<pos>") and length.startswith("<len>")):
            return None
        records.append((key[1:-1], int(pos[5:-6]), int(length[5:-6])))
    return records


def cache_whole(data_folder, expected_item):
    """Whether every record of the cache index points at a whole item in the
    data file that decodes to what was served under its key."""
    index = read(os.path.join(data_folder, "IntCacheIndexFile.dat"))
    if index is None:
        return True
    records = cache_records(index)
    if records is None:
        return False
    data = read(os.path.join(data_folder, "IntCacheFile.dat")) or b""
    for key, pos, length in records:
        start = pos - 1 if pos > 0 else 0
        item = data[start:start + length]
        if len(item) != length:
            return False
        want = expected_item(key)
        if want is not None and invert(item) != want:
            return False
    return True


# --- the local server and the program -------------------------------------------

class Server:
    def __init__(self, root, certs=None):
        self.ready = os.path.join(root, "server-ready")
        args = [sys.executable if False else "/usr/bin/python3",
                os.path.join(SUPPORT, "http-test-server.py"), "--ready", self.ready,
                "--root", os.path.join(root, "served"), "--lifetime", "7200"]
        if certs:
            args += ["--cert", certs[0], "--key", certs[1]]
        self.process = subprocess.Popen(args, stdin=subprocess.DEVNULL)
        for _ in range(200):
            if os.path.exists(self.ready):
                break
            time.sleep(0.05)
        self.http, self.https = (int(p) for p in open(self.ready).read().split())

    def url(self, path, https=False):
        return "%s://127.0.0.1:%d%s" % ("https" if https else "http",
                                        self.https if https else self.http, path)

    def stop(self):
        self.process.terminate()
        self.process.wait(10)


class Home:
    """A home folder of the program's own, as tests/support/with-temp-home.sh makes it."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="tessaly-stress.")
        for d in ("home", "config", "data", "cache", "runtime", "served"):
            os.makedirs(os.path.join(self.root, d))
        os.chmod(os.path.join(self.root, "runtime"), 0o700)
        self.config = os.path.join(self.root, "config", "tessaly", "tessaly.conf")
        self.data = os.path.join(self.root, "data", "Orvane Tessaly")
        self.served = os.path.join(self.root, "served")
        self.socket = os.path.join(self.root, "runtime", "tessaly.sock")
        self.env = dict(os.environ)
        self.env.update(HOME=os.path.join(self.root, "home"),
                        XDG_CONFIG_HOME=os.path.join(self.root, "config"),
                        XDG_DATA_HOME=os.path.join(self.root, "data"),
                        XDG_CACHE_HOME=os.path.join(self.root, "cache"),
                        XDG_RUNTIME_DIR=os.path.join(self.root, "runtime"),
                        DBUS_SESSION_BUS_ADDRESS="unix:path=%s/no-bus" % self.root,
                        DBUS_SYSTEM_BUS_ADDRESS="unix:path=%s/no-bus" % self.root)
        self.env.pop("http_proxy", None)
        self.env.pop("https_proxy", None)
        if "DISPLAY" not in self.env:
            self.env["QT_QPA_PLATFORM"] = "offscreen"

    def path(self, name):
        return os.path.join(self.data, name)

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)


class Program:
    def __init__(self, binary, home, args=("/y",), extra_env=None):
        self.home = home
        self.errors = os.path.join(home.root, "stderr-%d.txt" % time.monotonic_ns())
        env = dict(home.env)
        env.update(extra_env or {})
        with open(self.errors, "wb") as err:
            self.process = subprocess.Popen([binary] + list(args), env=env,
                                            stdin=subprocess.DEVNULL,
                                            stdout=subprocess.DEVNULL, stderr=err)

    def wait_listening(self, seconds=20):
        """True once the program takes messages on its socket."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                return False
            s = socket.socket(socket.AF_UNIX)
            try:
                s.connect(self.home.socket)
                return True
            except OSError:
                time.sleep(0.01)
            finally:
                s.close()
        return False

    def send(self, message, seconds=10):
        """Hands a message over the program's socket, as a second start does."""
        s = socket.socket(socket.AF_UNIX)
        s.settimeout(seconds)
        try:
            s.connect(self.home.socket)
            s.sendall(message.encode() + b"\n")
            return s.recv(16).startswith(b"OK")
        except OSError:
            return False
        finally:
            s.close()

    def said(self):
        return open(self.errors, encoding="utf-8", errors="replace").read()

    def kill(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGKILL)
        self.process.wait()

    def end(self, seconds=20):
        self.send("TessalyEnd")
        try:
            return self.process.wait(seconds) == 0
        except subprocess.TimeoutExpired:
            self.kill()
            return False

    def rss_kb(self):
        for line in open("/proc/%d/status" % self.process.pid):
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
        return 0

    def fds(self):
        return len(os.listdir("/proc/%d/fd" % self.process.pid))

    def children(self):
        out = subprocess.run(["ps", "-o", "pid=", "--ppid", str(self.process.pid)],
                             capture_output=True, text=True).stdout
        return len(out.split())


def make_picture(path, size, colour):
    subprocess.run(["convert", "-size", size, "xc:" + colour, "-fill", "white",
                    "-draw", "circle 20,20 30,30", path], check=True)


# --- kill -9 torture -------------------------------------------------------------

CATALOGUE = ("[info]\r\ntime=0\r\n[cat1]\r\nname=Stress\r\nurl1=%s\r\nurl2=%s\r\n"
             "[cat2]\r\nname=Other\r\nurl1=%s\r\n")


def torture(args):
    rng = random.Random(args.seed)
    home = Home()
    server = None
    try:
        for name, colour in (("red.jpg", "red"), ("blue.png", "blue")):
            make_picture(os.path.join(home.served, name), "320x240", colour)
        pictures_folder = os.path.join(home.root, "home", "Pictures")
        os.makedirs(pictures_folder)
        for name in ("red.jpg", "blue.png"):
            shutil.copy(os.path.join(home.served, name), pictures_folder)
        server = Server(home.root)
        served = {n: read(os.path.join(home.served, n)) for n in ("red.jpg", "blue.png")}
        pages = []
        for i in (1, 2):
            links = "".join('<A HREF="/files/%s?p%d-%d.jpg">x</A>\n' % (("red.jpg", "blue.png")[k % 2], i, k)
                            for k in range(6))
            write(os.path.join(home.served, "page%d.html" % i), "<html>%s</html>" % links)
            pages.append(server.url("/files/page%d.html" % i))
        catalogue = CATALOGUE % (pages[0], pages[1], pages[0])
        write(os.path.join(home.served, "catalogue.ini"), catalogue)
        expected_links = []
        for i in (1, 2):
            expected_links += [server.url("/files/%s?p%d-%d.jpg" % (("red.jpg", "blue.png")[k % 2], i, k))
                               for k in range(6)]
        expected_list = ("".join(a + "\r\n" for a in expected_links)).encode()

        def expected_item(key):
            if "/files/page" in key:
                i = int(key.split("page")[1][0])
                return ("".join(server.url("/files/%s?p%d-%d.jpg" % (("red.jpg", "blue.png")[k % 2], i, k))
                                + "\r\n" for k in range(6))).encode()
            for name, data in served.items():
                if "/files/" + name in key:
                    return data
            return None

        addresses = [server.url("/files/%s?n=%d" % (("red.jpg", "blue.png")[n % 2], n))
                     for n in range(args.trials + 10)]

        def settings_for(kind):
            options = {"1strun": "False", "AutoStart": "True", "WallpaperStartup": "False",
                       "WallpaperTimer": "False", "TechniqueTimer": "1", "IntIgnore": "True",
                       "IntTimeOut": "10", "IntEnableCaching": "True",
                       "WallPaperPosition": "Center", "IntCatCode": server.url("/files/catalogue.ini"),
                       "IntCoolDown": "0"}
            options["WPSource"] = "2" if kind in ("cache", "catalogue") else "0"
            return options

        # What each kind of trial does once the program listens, and a first
        # guess of how long that takes: the kill falls at a fraction, drawn
        # from the seed, of this window.
        kinds = ["settings", "bitmap", "cache", "catalogue", "list"]
        counts = {k: 0 for k in kinds}
        torn = {k: 0 for k in kinds}
        late = {k: 0 for k in kinds}  # the operation had finished before the kill
        no_start = 0
        notes = []
        window = {"settings": 0.03, "bitmap": 0.2, "cache": 0.3, "catalogue": 0.15, "list": 0.1}

        list_path = home.path("WallPapersList.tsy")
        files_list = ("%s/\r\nred.jpg\r\n%s/\r\nblue.png\r\n\x01\r\n" % (pictures_folder, pictures_folder)).encode()

        # The files every trial checks, with their old contents.
        def snapshot():
            return {n: read(home.path(n)) for n in
                    ("WallPapersList.tsy", "Orvane Wallpaper.bmp", "wpdlurls.tar", "wpdlfiles.dat")} | \
                   {"conf": read(home.config)}

        write(home.config, ini_text({"Options": settings_for("settings"), "Internet": {"1": "1"}}))
        write(list_path, files_list)

        started = time.monotonic()
        for trial in range(args.trials):
            kind = kinds[trial % len(kinds)] if trial < len(kinds) else rng.choice(kinds)
            counts[kind] += 1
            # Prepare the store for this kind, on the files the last trial left.
            opts = settings_for(kind)
            if kind == "list":
                opts["1strun"] = "True"
            set_options(home.config, {k: opts[k] for k in ("WPSource", "AutoStart", "1strun", "IntCatCode",
                                                            "IntCoolDown")},
                        settings_for(kind))
            if kind == "list":
                # A first run: no list yet, the program writes its own.
                if os.path.exists(list_path):
                    os.remove(list_path)
            elif read(list_path) is None or kind == "bitmap":
                write(list_path, files_list)
            if kind == "catalogue":
                for n in ("wpdlfiles.dat", "wpdlurls.tar"):
                    if os.path.exists(home.path(n)):
                        os.remove(home.path(n))
            elif kind == "cache":
                write(home.path("wpdlfiles.dat"), invert(("".join(a + "\r\n" for a in addresses)).encode()))
            before = snapshot()

            program = Program(args.binary, home)
            if kind in ("catalogue", "list"):
                # The write happens while the program starts.
                time.sleep(rng.random() * window[kind])
            elif not program.wait_listening():
                no_start += 1
                notes.append("trial %d (%s): the program did not start: %s" %
                             (trial, kind, program.said()[-300:]))
                program.kill()
                continue
            else:
                message = {"settings": "TessalyToggleTimer", "bitmap": "TessalyNext",
                           "cache": "TessalyNext"}[kind]
                program.send(message)
                if kind == "settings":
                    program.send("TessalyEnd", 2)
                time.sleep(rng.random() * window[kind])
            program.kill()
            after = snapshot()

            bad = []
            if after["conf"] != before["conf"] and not settings_complete(after["conf"]):
                bad.append("settings")
            bmp = after["Orvane Wallpaper.bmp"]
            if bmp != before["Orvane Wallpaper.bmp"] and not bitmap_complete(bmp):
                bad.append("bitmap")
            lst = after["WallPapersList.tsy"]
            if lst != before["WallPapersList.tsy"]:
                lines = (lst or b"").split(b"\r\n")
                if lst is None or not (lst.endswith(b"\r\n") and len(lines) == 3 and lines[1] == b"sample.jpg"):
                    bad.append("list")
            cat = after["wpdlurls.tar"]
            if cat is not None and cat != before["wpdlurls.tar"] and invert(cat) != catalogue.encode():
                bad.append("catalogue")
            files = after["wpdlfiles.dat"]
            if files is not None and files != before["wpdlfiles.dat"] and invert(files) != expected_list:
                bad.append("internet list")
            if not cache_whole(home.data, expected_item):
                bad.append("cache")
            if bad:
                torn[kind] += 1
                notes.append("trial %d (%s): not whole: %s" % (trial, kind, ", ".join(bad)))
            changed = {"settings": after["conf"] != before["conf"],
                       "bitmap": bmp != before["Orvane Wallpaper.bmp"],
                       "cache": read(home.path("IntCacheIndexFile.dat")) is not None and
                       after["conf"] != before["conf"],
                       "catalogue": files is not None,
                       "list": lst is not None}[kind]
            late[kind] += changed
            # The window follows how long the operation takes here, so that
            # about half the kills fall before it has finished.
            window[kind] = min(3.0, max(0.005, window[kind] * (0.93 if changed else 1.07)))
            if args.verbose:
                print("trial %d %s %s" % (trial, kind, "late" if changed else "mid"), file=sys.stderr)

        # The last trial's files must let the program start.
        program = Program(args.binary, home)
        final_start = program.wait_listening()
        program.end()
        elapsed = time.monotonic() - started

        full_disk = full_disk_run(args, home,
                                  invert(("".join(a + "\r\n" for a in addresses)).encode()))

        rows = ["kill -9 torture: %d trials, seed %d, %.0f s" % (args.trials, args.seed, elapsed),
                "%-10s %7s %13s %13s %6s" % ("operation", "trials", "killed before", "done before", "torn")]
        rows.append("%-10s %7s %13s %13s %6s" % ("", "", "it finished", "the kill", ""))
        for k in kinds:
            rows.append("%-10s %7d %13d %13d %6d" % (k, counts[k], counts[k] - late[k], late[k], torn[k]))
        rows.append("%-10s %7d %13s %13s %6d" % ("all", args.trials, "", "", sum(torn.values())))
        rows.append("torn files: %d of %d trials; starts that failed: %d; start after the last trial: %s"
                    % (sum(torn.values()), args.trials, no_start, "yes" if final_start else "NO"))
        rows.append("full disk (%s): %s" % full_disk)
        rows += notes[:20]
        report(args, rows)
        return 0 if not sum(torn.values()) and not no_start and final_start and \
            full_disk[1].startswith("old files whole") else 1
    finally:
        if server:
            server.stop()
        home.remove()


def full_disk_run(args, home, internet_list):
    """An internet change (a cache store and a bitmap write) and a settings save on a
    full disk: the old files stay whole and the user is told."""
    # An internet list in place, so the start rebuilds nothing and the change
    # stores what it fetches.
    write(home.path("wpdlfiles.dat"), internet_list)
    set_options(home.config, {"WPSource": "2", "1strun": "False"}, {})
    folders = [home.data, os.path.dirname(home.config)]
    mounted = []
    how = "tmpfs"
    saved = {}
    for folder in folders:
        for name in os.listdir(folder):
            saved[os.path.join(folder, name)] = read(os.path.join(folder, name))
    try:
        for folder in folders:
            keep = tempfile.mkdtemp(dir=home.root)
            for name in os.listdir(folder):
                shutil.move(os.path.join(folder, name), keep)
            need = sum(os.path.getsize(os.path.join(keep, n)) for n in os.listdir(keep))
            size = "size=%dk" % (need // 1024 + 1024)
            if subprocess.run(["mount", "-t", "tmpfs", "-o", size, "tmpfs", folder],
                              stderr=subprocess.DEVNULL).returncode != 0:
                for name in os.listdir(keep):
                    shutil.move(os.path.join(keep, name), folder)
                how = "LD_PRELOAD shim"
                break
            mounted.append(folder)
            for name in os.listdir(keep):
                shutil.copy(os.path.join(keep, name), folder)
            try:
                with open(os.path.join(folder, "fill"), "wb", buffering=0) as fill:
                    while True:
                        fill.write(b"x" * 4096)
            except OSError:
                pass
        extra = {}
        if how != "tmpfs":
            for folder in mounted:
                subprocess.run(["umount", folder])
            mounted = []
            if not args.shim:
                return (how, "not run: no shim given")
            extra = {"LD_PRELOAD": args.shim, "TESSALY_TEST_FULL_DISK": home.root}
        text = (read(home.config) or b"").decode()
        program = Program(args.binary, home, extra_env=extra)
        if not program.wait_listening():
            return (how, "the program did not start: " + program.said()[-200:])
        program.send("TessalyToggleTimer")
        program.send("TessalyNext")
        time.sleep(1.5)
        program.end()
        said = program.said()
        def whole(path, data):
            now = read(path)
            # The cache's data file only grows: an item written before its
            # index record failed is unused bytes, which the design allows.
            if path.endswith("IntCacheFile.dat"):
                return now is not None and now.startswith(data)
            return now == data

        changed = ["%s (%d -> %s bytes)" % (os.path.basename(p), len(data),
                                           len(read(p)) if read(p) is not None else "no")
                   for p, data in saved.items() if not whole(p, data)]
        told = "could not" in said
        return (how, "%s; user told: %s" % ("old files whole" if not changed else
                                            "OLD FILES CHANGED: " + ", ".join(changed),
                                            "yes" if told else "NO"))
    finally:
        for folder in mounted:
            subprocess.run(["umount", folder])


# --- soak ------------------------------------------------------------------------

def x_pixmaps():
    """The X pixmaps and their bytes held by the program's X clients (xrestop
    names them after the program; the server does not know their process)."""
    out = subprocess.run(["xrestop", "-b", "-m", "1"], capture_output=True, text=True).stdout
    pixmaps = pixmap_bytes = 0
    ours = False
    for line in out.splitlines():
        if not line.startswith("\t"):
            ours = "tessaly" in line.lower()
            continue
        key, _, value = line.strip().partition(":")
        if ours and key.strip() == "pixmaps":
            pixmaps += int(value)
        elif ours and key.strip() == "pixmap bytes":
            pixmap_bytes += int(value)
    return (pixmaps, pixmap_bytes)


def soak(args):
    home = Home()
    server = None
    rows = []
    try:
        folder = os.path.join(home.root, "home", "Pictures")
        os.makedirs(folder)
        kinds = [("a.jpg", "640x480", "red"), ("b.png", "800x600", "green"), ("c.gif", "300x200", "blue"),
                 ("d.bmp", "500x400", "orange"), ("e.webp", "1024x768", "purple"),
                 ("f.tif", "400x300", "yellow"), ("g.jpg", "2000x1500", "gray")]
        for name, size, colour in kinds:
            make_picture(os.path.join(folder, name), size, colour)
            shutil.copy(os.path.join(folder, name), home.served)
        subprocess.run(["heif-enc", "-q", "40", "-o", os.path.join(folder, "h.heic"),
                        os.path.join(folder, "b.png")], check=True, capture_output=True)
        server = Server(home.root)
        addresses = [server.url("/files/%s?n=%d" % (kinds[n % len(kinds)][0], n)) for n in range(200)]
        base = {"1strun": "False", "AutoStart": "True", "WallpaperStartup": "False", "WallpaperTimer": "False",
                "TechniqueTimer": "1", "IntIgnore": "True", "IntTimeOut": "10", "IntEnableCaching": "True",
                "WallPaperPosition": "Fit (Reduce/Enlarge)", "WaterMarkVisible": "True", "IntCoolDown": "0"}
        write(home.path("WallPapersList.tsy"), "\x01\r\n" + folder + "\r\n")
        write(home.path("wpdlfiles.dat"), invert(("".join(a + "\r\n" for a in addresses)).encode()))
        cli = os.path.abspath(args.binary)
        half = args.changes // 2
        for label, source, count in (("local pictures", "1", args.changes - half),
                                     ("internet pictures", "2", half)):
            write(home.config, ini_text({"Options": dict(base, WPSource=source)}))
            program = Program(args.binary, home)
            if not program.wait_listening():
                rows.append("%s: the program did not start" % label)
                continue
            bitmap = home.path("Orvane Wallpaper.bmp")

            def change():
                stamp = os.stat(bitmap).st_mtime_ns if os.path.exists(bitmap) else 0
                subprocess.run([cli, "--next"], env=home.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, check=False)
                deadline = time.monotonic() + 30
                while time.monotonic() < deadline:
                    if os.path.exists(bitmap) and os.stat(bitmap).st_mtime_ns != stamp:
                        return True
                    time.sleep(0.002)
                return False

            # Warm up (caches, fonts, plugins), then measure.
            for _ in range(min(20, count)):
                change()
            time.sleep(0.5)
            first = (program.rss_kb(), program.fds(), x_pixmaps(), program.children())
            started = time.monotonic()
            missed = 0
            for _ in range(count):
                missed += not change()
            elapsed = time.monotonic() - started
            time.sleep(0.5)
            last = (program.rss_kb(), program.fds(), x_pixmaps(), program.children())
            program.end()
            rows.append("%s: %d changes through `tessaly --next` in %.0f s (%.0f ms each), %d not seen"
                        % (label, count, elapsed, 1000 * elapsed / max(count, 1), missed))
            rows.append("  %-22s %12s %12s %10s" % ("", "before", "after", "growth"))
            rows.append("  %-22s %12d %12d %10d" % ("RSS (kB)", first[0], last[0], last[0] - first[0]))
            rows.append("  %-22s %12d %12d %10d" % ("open fds", first[1], last[1], last[1] - first[1]))
            rows.append("  %-22s %12d %12d %10d" % ("X pixmaps", first[2][0], last[2][0], last[2][0] - first[2][0]))
            rows.append("  %-22s %12d %12d %10d" % ("X pixmap bytes", first[2][1], last[2][1],
                                                    last[2][1] - first[2][1]))
            rows.append("  %-22s %12d %12d %10d" % ("child processes", first[3], last[3], last[3] - first[3]))
        report(args, ["soak: %d changes" % args.changes] + rows)
        return 0
    finally:
        if server:
            server.stop()
        home.remove()


# --- network faults --------------------------------------------------------------

def faults(args):
    home = Home()
    server = None
    rows = []
    failed = False
    try:
        certs = os.path.join(home.root, "certs")
        os.makedirs(certs)
        subprocess.run([os.path.join(SUPPORT, "make-test-certs.sh"), certs], check=True,
                       capture_output=True)
        make_picture(os.path.join(home.served, "good.jpg"), "320x240", "green")
        server = Server(home.root, (os.path.join(certs, "untrusted.pem"), os.path.join(certs, "untrusted.key")))
        closed = socket.socket()
        closed.bind(("127.0.0.1", 0))
        closed_port = closed.getsockname()[1]
        closed.close()
        timeout = args.timeout
        matrix = [
            ("refused connection", "http://127.0.0.1:%d/x.jpg" % closed_port, {}),
            ("reset mid-body", server.url("/reset"), {}),
            ("never answering", server.url("/hang"), {}),
            ("silent mid-body", server.url("/stall/100000"), {}),
            ("1 GB body", server.url("/huge"), {}),
            ("1 GB, no length", server.url("/nolength-huge"), {}),
            ("redirect loop", server.url("/loop"), {}),
            ("bad certificate", server.url("/files/good.jpg", https=True), {}),
            ("refusing proxy", server.url("/files/good.jpg?proxy"),
             {"IntUseProxy": "True", "IntProxy": "127.0.0.1:%d" % closed_port}),
        ]
        rows.append("network faults: IntTimeOut %d s; each is one `--next` on an internet list of that "
                    "address alone" % timeout)
        rows.append("%-20s %9s %9s %8s %9s %12s" % ("fault", "gave up", "limit", "peak RSS", "cached",
                                                    "next change"))
        rows.append("%-20s %9s %9s %8s %9s %12s" % ("", "", "", "MB", "", ""))
        for label, address, extra in matrix:
            options = {"1strun": "False", "AutoStart": "True", "WallpaperStartup": "False",
                       "WallpaperTimer": "True", "IntervalTimer": "60", "TechniqueTimer": "1",
                       "IntIgnore": "True", "IntTimeOut": str(timeout), "IntEnableCaching": "True",
                       "WPSource": "2", "IntUseProxy": "False", "IntCoolDown": "0"}
            options.update(extra)
            write(home.config, ini_text({"Options": options, "Internet": {"Seq": "1"}}))
            for n in ("IntCacheIndexFile.dat", "IntCacheFile.dat"):
                if os.path.exists(home.path(n)):
                    os.remove(home.path(n))
            good = server.url("/files/good.jpg?after")
            write(home.path("wpdlfiles.dat"), invert((address + "\r\n" + good + "\r\n").encode()))
            program = Program(args.binary, home)
            if not program.wait_listening():
                rows.append("%-20s the program did not start" % label)
                failed = True
                continue
            def stamp():
                return os.stat(home.config).st_mtime_ns
            # The step ends by storing the time of the attempt (IntCL).
            before = stamp()
            sent = time.monotonic()
            program.send("TessalyNext")
            peak = 0
            gave_up = None
            while time.monotonic() - sent < timeout + 30:
                peak = max(peak, program.rss_kb())
                if stamp() != before:
                    gave_up = time.monotonic() - sent
                    break
                time.sleep(0.02)
            index = read(home.path("IntCacheIndexFile.dat"))
            records = cache_records(index) if index else []
            cached = records is None or any(r[0] == address for r in records)
            # The program still works: the next address is a good picture
            # (through the same refusing proxy it can only answer).
            bitmap = home.path("Orvane Wallpaper.bmp")
            old = os.stat(bitmap).st_mtime_ns if os.path.exists(bitmap) else 0
            changed = program.send("TessalyNext")
            deadline = time.monotonic() + timeout + 5
            while not extra and time.monotonic() < deadline:
                changed = os.path.exists(bitmap) and os.stat(bitmap).st_mtime_ns != old
                if changed:
                    break
                time.sleep(0.02)
            alive = program.process.poll() is None
            program.end()
            ok = gave_up is not None and gave_up <= timeout + 1 and not cached and changed and alive
            failed |= not ok
            rows.append("%-20s %8s %8ds %8d %9s %12s" % (
                label, "%.2fs" % gave_up if gave_up is not None else "never", timeout + 1, peak // 1024,
                "YES" if cached else "no",
                ("answers" if extra else "works") if changed else "FAILED"))
        report(args, rows)
        return 1 if failed else 0
    finally:
        if server:
            server.stop()
        home.remove()


def report(args, rows):
    text = "\n".join(rows) + "\n"
    sys.stdout.write(text)
    if args.results:
        with open(args.results, "a", encoding="utf-8") as f:
            f.write(text + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    sub = parser.add_subparsers(dest="run", required=True)
    for name in ("torture", "soak", "faults"):
        p = sub.add_parser(name)
        p.add_argument("--binary", required=True)
        p.add_argument("--results")
        p.add_argument("--verbose", action="store_true")
        if name == "torture":
            p.add_argument("--trials", type=int, default=1000)
            p.add_argument("--seed", type=int, default=20)
            p.add_argument("--shim", help="the full-disk LD_PRELOAD shim, where tmpfs cannot be mounted")
        if name == "soak":
            p.add_argument("--changes", type=int, default=10000)
        if name == "faults":
            p.add_argument("--timeout", type=int, default=3)
    args = parser.parse_args()
    return {"torture": torture, "soak": soak, "faults": faults}[args.run](args)


if __name__ == "__main__":
    sys.exit(main())
