#!/usr/bin/python3
"""Long runs against the real program: kill -9 torture, soak, network faults.

  stress.py torture --trials N --shim SO | soak --changes N | faults   [--results FILE]

run-stress.sh runs each inside tests/support/with-temp-home.sh (a home folder
of its own, a D-Bus address that leads nowhere, so the program's messages go
to its standard error) on the program TESSALY_BINARY names, and serves
pictures, pages and the catalogue from tests/support/http-test-server.py on
127.0.0.1. The figures are printed and, with --results FILE, appended to FILE.
"""
import argparse
import contextlib
import os
import random
import re
import socket
import subprocess
import sys
import time

SUPPORT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support")
sys.path.insert(0, SUPPORT)
from tessaly_session import (CONFIG, DATA, PICTURES, SOCKET, TESSALY, bitmap_whole, invert,  # noqa: E402
                             picture, wait_for, write)

# The temporary folder with-temp-home.sh made; the served files go there too.
ROOT = os.path.dirname(os.environ["HOME"])
SERVED = os.path.join(ROOT, "served")
ENV = dict(os.environ) if "DISPLAY" in os.environ else dict(os.environ, QT_QPA_PLATFORM="offscreen")
# Settings as after an earlier run: nothing changes by itself, no cooldown.
OPTIONS = {"1strun": "False", "AutoStart": "True", "WallpaperStartup": "False",
           "WallpaperTimer": "False", "TechniqueTimer": "1", "IntIgnore": "True",
           "IntTimeOut": "10", "IntEnableCaching": "True", "IntCoolDown": "0"}
BITMAP, LIST = "Orvane Wallpaper.bmp", "WallPapersList.tsy"
SEED, TIMEOUT = 20, 3  # the torture's seed, the faults' IntTimeOut


# --- the program's files -------------------------------------------------------

def data(name):
    return os.path.join(DATA, name)


def read(path):
    return open(path, "rb").read() if os.path.exists(path) else None


def remove(*names):
    for path in filter(os.path.exists, map(data, names)):
        os.remove(path)


def lines(addresses):
    return "".join(a + "\r\n" for a in addresses).encode()


def ini_text(sections):
    return "".join("[%s]\n%s\n" % (name, "".join("%s=%s\n" % kv for kv in keys.items()))
                   for name, keys in sections.items())


def set_options(values, fresh):
    """Sets keys of the settings file's [Options] section; a file that is
    missing or not whole is replaced by `fresh`."""
    content = read(CONFIG)
    if not settings_complete(content):
        write(CONFIG, ini_text({"Options": dict(fresh, **values), "Internet": {"1": "1"}}))
        return
    head, section, rest = content.decode("utf-8").partition("[Options]\n")
    options, next_section, tail = rest.partition("\n[")
    kept = [line for line in options.split("\n") if line.split("=", 1)[0] not in values]
    write(CONFIG, head + section + "\n".join(["%s=%s" % kv for kv in values.items()] + kept) +
          next_section + tail)


def settings_complete(content):
    """A settings file as the program writes it whole: every line a section or
    a key, the hot-key sections through the last one, a line end at the end."""
    text = (content or b"").decode("utf-8", "replace")
    return text.endswith("\n") and "[HK5]" in text and "[Options]" in text and \
        "IntervalTimer=" in text and all(not line or "=" in line or line.startswith("[") and
                                         line.endswith("]") for line in text.splitlines())


# A record of the cache index: "<key>", "<pos>P</pos>", "<len>L</len>", "</key>", CR LF each.
RECORD = r"<([^\r\n]*)>\r\n<pos>(\d+)</pos>\r\n<len>(\d+)</len>\r\n</\1>(?:\r\n|$)"


def cache_records(index_bytes):
    """The records of a decoded cache index, or None when it is not whole."""
    text = invert(index_bytes).decode("utf-8", "replace")
    if re.sub(RECORD, "", text):
        return None
    return [(key, int(pos), int(length)) for key, pos, length in re.findall(RECORD, text)]


def cache_whole(expected_item):
    """Whether every record of the cache index points at a whole item in the
    data file that decodes to what was served under its key."""
    index = read(data("IntCacheIndexFile.dat"))
    records = cache_records(index) if index is not None else []
    content = read(data("IntCacheFile.dat")) or b""
    return records is not None and all(
        len(item) == length and (expected_item(key) is None or invert(item) == expected_item(key))
        for key, pos, length in records
        for item in [content[max(pos - 1, 0):max(pos - 1, 0) + length]])


# --- the local server and the program -------------------------------------------

class Server:
    def __init__(self, tls):
        ready = os.path.join(ROOT, "server-ready")
        self.process = subprocess.Popen(
            ["/usr/bin/python3", os.path.join(SUPPORT, "http-test-server.py"), "--ready", ready,
             "--root", SERVED, *tls], stdin=subprocess.DEVNULL)
        wait_for(lambda: os.path.exists(ready))
        self.http, self.https = (int(p) for p in open(ready).read().split())

    def url(self, path):
        return "http://127.0.0.1:%d%s" % (self.http, path)


class Program:
    def __init__(self, extra_env=None):
        self.errors = os.path.join(ROOT, "stderr-%d.txt" % time.monotonic_ns())
        with open(self.errors, "wb") as err:
            self.process = subprocess.Popen([TESSALY, "/y"], env=dict(ENV, **(extra_env or {})),
                                            stdin=subprocess.DEVNULL,
                                            stdout=subprocess.DEVNULL, stderr=err)

    def wait_listening(self, seconds=20):
        """True once the program takes messages on its socket."""
        return bool(wait_for(lambda: self.process.poll() is not None or self.send(None),
                             seconds, 0.01)) and self.process.poll() is None

    def send(self, message, seconds=10):
        """Hands a message over the program's socket, as a second start does;
        None only connects."""
        with socket.socket(socket.AF_UNIX) as s:
            s.settimeout(seconds)
            try:
                s.connect(SOCKET)
                if message is None:
                    return True
                s.sendall(message.encode() + b"\n")
                return s.recv(16).startswith(b"OK")
            except OSError:
                return False

    def said(self):
        return open(self.errors, encoding="utf-8", errors="replace").read()

    def kill(self):
        self.process.kill()  # SIGKILL
        self.process.wait()

    def end(self):
        self.send("TessalyEnd")
        try:
            self.process.wait(20)
        except subprocess.TimeoutExpired:
            self.kill()

    def rss_kb(self):
        with open("/proc/%d/status" % self.process.pid) as f:
            return int((f.read().partition("VmRSS:")[2].split() or [0])[0])


def stamp():
    """The wallpaper bitmap's modification time, 0 while there is none."""
    return os.stat(data(BITMAP)).st_mtime_ns if os.path.exists(data(BITMAP)) else 0


def make_picture(name, size, colour, folders=(SERVED, PICTURES)):
    for folder in folders:
        picture(os.path.join(folder, name), colour, size, "-fill", "white", "-draw", "circle 20,20 30,30")


# --- kill -9 torture -------------------------------------------------------------

CATALOGUE = ("[info]\r\ntime=0\r\n[cat1]\r\nname=Stress\r\nurl1=%s\r\nurl2=%s\r\n"
             "[cat2]\r\nname=Other\r\nurl1=%s\r\n")
SERVED_PICTURES = ("red.jpg", "blue.png")


def link(page, k):
    """The k-th picture link on category page `page`."""
    return "/files/%s?p%d-%d.jpg" % (SERVED_PICTURES[k % 2], page, k)


def torture(args, server):
    rng = random.Random(SEED)
    for name, colour in zip(SERVED_PICTURES, ("red", "blue")):
        make_picture(name, "320x240", colour)
    served = {n: read(os.path.join(SERVED, n)) for n in SERVED_PICTURES}

    def page_links(page):
        return lines(server.url(link(page, k)) for k in range(6))

    for i in (1, 2):
        write(os.path.join(SERVED, "page%d.html" % i),
              "<html>%s</html>" % "".join('<A HREF="%s">x</A>\n' % link(i, k) for k in range(6)))
    pages = [server.url("/files/page%d.html" % i) for i in (1, 2)]
    catalogue = CATALOGUE % (pages[0], pages[1], pages[0])
    write(os.path.join(SERVED, "catalogue.ini"), catalogue)
    expected_list = page_links(1) + page_links(2)

    def expected_item(key):
        if "/files/page" in key:
            return page_links(int(key.split("page")[1][0]))
        return next((content for name, content in served.items() if "/files/" + name in key), None)

    addresses = [server.url("/files/%s?n=%d" % (SERVED_PICTURES[n % 2], n))
                 for n in range(args.trials + 10)]

    def settings_for(kind):
        return dict(OPTIONS, WallPaperPosition="Center",
                    IntCatCode=server.url("/files/catalogue.ini"),
                    WPSource="2" if kind in ("cache", "catalogue") else "0")

    # What each kind of trial does once the program listens, and a first
    # guess of how long that takes: the kill falls at a fraction, drawn
    # from the seed, of this window.
    kinds = ["settings", "bitmap", "cache", "catalogue", "list"]
    counts, torn, late = ({k: 0 for k in kinds} for _ in range(3))  # late: finished before the kill
    no_start, notes = 0, []
    window = {"settings": 0.03, "bitmap": 0.2, "cache": 0.3, "catalogue": 0.15, "list": 0.1}
    # (The first trial's set-up writes the settings file and the list.)
    files_list = ("%s/\r\nred.jpg\r\n%s/\r\nblue.png\r\n\x01\r\n" % (PICTURES, PICTURES)).encode()
    names = (LIST, BITMAP, "wpdlurls.tar", "wpdlfiles.dat")  # the files every trial checks
    started = time.monotonic()
    for trial in range(args.trials):
        kind = kinds[trial % len(kinds)] if trial < len(kinds) else rng.choice(kinds)
        counts[kind] += 1
        # Prepare the store for this kind, on the files the last trial left.
        opts = dict(settings_for(kind), **({"1strun": "True"} if kind == "list" else {}))
        set_options({k: opts[k] for k in ("WPSource", "AutoStart", "1strun", "IntCatCode",
                                          "IntCoolDown")}, settings_for(kind))
        if kind == "list":
            remove(LIST)  # a first run: no list yet, the program writes its own
        elif read(data(LIST)) is None or kind == "bitmap":
            write(data(LIST), files_list)
        if kind == "catalogue":
            remove("wpdlfiles.dat", "wpdlurls.tar")
        elif kind == "cache":
            write(data("wpdlfiles.dat"), invert(lines(addresses)))
        before = {n: read(data(n)) for n in names} | {"conf": read(CONFIG)}

        program = Program()
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
            program.send("TessalyToggleTimer" if kind == "settings" else "TessalyNext")
            if kind == "settings":
                program.send("TessalyEnd", 2)
            time.sleep(rng.random() * window[kind])
        program.kill()
        after = {n: read(data(n)) for n in names} | {"conf": read(CONFIG)}
        changed = {n: after[n] != before[n] for n in after}
        lst, cat, files = after[LIST], after["wpdlurls.tar"], after["wpdlfiles.dat"]
        bad = [what for what, broken in (
            ("settings", changed["conf"] and not settings_complete(after["conf"])),
            ("bitmap", changed[BITMAP] and not bitmap_whole(after[BITMAP])),
            ("list", changed[LIST] and (lst or b"").split(b"\r\n")[1:] != [b"sample.jpg", b""]),
            ("catalogue", cat is not None and changed["wpdlurls.tar"] and
             invert(cat) != catalogue.encode()),
            ("internet list", files is not None and changed["wpdlfiles.dat"] and
             invert(files) != expected_list),
            ("cache", not cache_whole(expected_item))) if broken]
        if bad:
            torn[kind] += 1
            notes.append("trial %d (%s): not whole: %s" % (trial, kind, ", ".join(bad)))
        done = {"settings": changed["conf"], "bitmap": changed[BITMAP],
                "cache": read(data("IntCacheIndexFile.dat")) is not None and changed["conf"],
                "catalogue": files is not None, "list": lst is not None}[kind]
        late[kind] += done
        # The window follows how long the operation takes here, so that
        # about half the kills fall before it has finished.
        window[kind] = min(3.0, max(0.005, window[kind] * (0.93 if done else 1.07)))

    # The last trial's files must let the program start.
    program = Program()
    final_start = program.wait_listening()
    program.end()
    elapsed = time.monotonic() - started

    full_disk = full_disk_run(args, invert(lines(addresses)))

    row = "%-10s %7s %13s %13s %6s"
    rows = ["kill -9 torture: %d trials, seed %d, %.0f s" % (args.trials, SEED, elapsed),
            row % ("operation", "trials", "killed before", "done before", "torn"),
            row % ("", "", "it finished", "the kill", "")]
    rows += [row % (k, counts[k], counts[k] - late[k], late[k], torn[k]) for k in kinds]
    rows.append(row % ("all", args.trials, "", "", sum(torn.values())))
    rows.append("torn files: %d of %d trials; starts that failed: %d; start after the last trial: %s"
                % (sum(torn.values()), args.trials, no_start, "yes" if final_start else "NO"))
    rows.append("full disk (%s): %s" % full_disk)
    report(args, rows + notes[:20])
    return 0 if not sum(torn.values()) and not no_start and final_start and \
        full_disk[1].startswith("old files whole") else 1


def full_disk_run(args, internet_list):
    """An internet change (a cache store and a bitmap write) and a settings save on a
    full disk: the old files stay whole and the user is told."""
    # An internet list in place, so the start rebuilds nothing and the change
    # stores what it fetches.
    write(data("wpdlfiles.dat"), internet_list)
    set_options({"WPSource": "2", "1strun": "False"}, {})
    folders = [DATA, os.path.dirname(CONFIG)]
    mounted = []
    saved = {os.path.join(folder, name): read(os.path.join(folder, name))
             for folder in folders for name in os.listdir(folder)}
    try:
        # A small file system over each folder (which hides its files until it
        # is unmounted), the saved files copied in, the rest filled up.
        for folder in folders:
            size = "size=%dk" % (sum(map(len, saved.values())) // 1024 + 1024)
            if subprocess.run(["mount", "-t", "tmpfs", "-o", size, "tmpfs", folder],
                              stderr=subprocess.DEVNULL).returncode != 0:
                break
            mounted.append(folder)
            for path in filter(lambda p: os.path.dirname(p) == folder, saved):
                write(path, saved[path])
            with contextlib.suppress(OSError), open(os.path.join(folder, "fill"), "wb",
                                                    buffering=0) as fill:
                while True:
                    fill.write(b"x" * 4096)
        how, extra = "tmpfs", {}
        if len(mounted) < len(folders):
            how = "LD_PRELOAD shim"
            for folder in mounted:
                subprocess.run(["umount", folder])
            mounted = []
            if not args.shim:
                return (how, "not run: no shim given")
            extra = {"LD_PRELOAD": args.shim, "TESSALY_TEST_FULL_DISK": ROOT}
        program = Program(extra)
        if not program.wait_listening():
            return (how, "the program did not start: " + program.said()[-200:])
        program.send("TessalyToggleTimer")
        program.send("TessalyNext")
        time.sleep(1.5)
        program.end()
        # The cache's data file only grows: an item written before its index
        # record failed is unused bytes, which the design allows.
        changed = ["%s (%d -> %s bytes)" % (os.path.basename(p), len(content),
                                           len(now) if now is not None else "no")
                   for p, content in saved.items() for now in [read(p)]
                   if not (now == content or p.endswith("IntCacheFile.dat") and
                           now is not None and now.startswith(content))]
        return (how, "%s; user told: %s" % ("old files whole" if not changed else
                                            "OLD FILES CHANGED: " + ", ".join(changed),
                                            "yes" if "could not" in program.said() else "NO"))
    finally:
        for folder in mounted:
            subprocess.run(["umount", folder])


# --- soak ------------------------------------------------------------------------

def usage(program):
    """Once the program has settled: RSS (kB), open files, the X pixmaps and
    their bytes held by its X clients (xrestop names them after the program;
    the server does not know their process), child processes."""
    time.sleep(0.5)
    pid = str(program.process.pid)
    xrestop = subprocess.run(["xrestop", "-b", "-m", "1"], capture_output=True, text=True).stdout
    held, ours = {"pixmaps": 0, "pixmap bytes": 0}, False
    for line in xrestop.splitlines():
        key, _, value = line.strip().partition(":")
        if not line.startswith("\t"):
            ours = "tessaly" in line.lower()
        elif ours and key.strip() in held:
            held[key.strip()] += int(value)
    children = subprocess.run(["ps", "-o", "pid=", "--ppid", pid], capture_output=True, text=True)
    return (program.rss_kb(), len(os.listdir("/proc/%s/fd" % pid)), held["pixmaps"],
            held["pixmap bytes"], len(children.stdout.split()))


def soak(args, server):
    kinds = [("a.jpg", "640x480", "red"), ("b.png", "800x600", "green"), ("c.gif", "300x200", "blue"),
             ("d.bmp", "500x400", "orange"), ("e.webp", "1024x768", "purple"),
             ("f.tif", "400x300", "yellow"), ("g.jpg", "2000x1500", "gray")]
    for name, size, colour in kinds:
        make_picture(name, size, colour)
    subprocess.run(["heif-enc", "-q", "40", "-o", os.path.join(PICTURES, "h.heic"),
                    os.path.join(PICTURES, "b.png")], check=True, capture_output=True)
    rows = []
    addresses = [server.url("/files/%s?n=%d" % (kinds[n % len(kinds)][0], n)) for n in range(200)]
    write(data(LIST), "\x01\r\n" + PICTURES + "\r\n")
    write(data("wpdlfiles.dat"), invert(lines(addresses)))

    def change():
        before = stamp()
        subprocess.run([TESSALY, "--next"], env=ENV, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=False)
        return wait_for(lambda: stamp() != before, 30, 0.002) is not None

    half = args.changes // 2
    for label, source, count in (("local pictures", "1", args.changes - half),
                                 ("internet pictures", "2", half)):
        write(CONFIG, ini_text({"Options": dict(OPTIONS, WPSource=source, WaterMarkVisible="True",
                                                WallPaperPosition="Fit (Reduce/Enlarge)")}))
        program = Program()
        if not program.wait_listening():
            rows.append("%s: the program did not start" % label)
            continue
        # Warm up (caches, fonts, plugins), then measure.
        for _ in range(min(20, count)):
            change()
        first = usage(program)
        started = time.monotonic()
        missed = sum(not change() for _ in range(count))
        elapsed = time.monotonic() - started
        last = usage(program)
        program.end()
        rows.append("%s: %d changes through `tessaly --next` in %.0f s (%.0f ms each), %d not seen"
                    % (label, count, elapsed, 1000 * elapsed / max(count, 1), missed))
        rows.append("  %-22s %12s %12s %10s" % ("", "before", "after", "growth"))
        rows += ["  %-22s %12d %12d %10d" % (what, a, b, b - a) for what, a, b in zip(
            ("RSS (kB)", "open fds", "X pixmaps", "X pixmap bytes", "child processes"), first, last)]
    report(args, ["soak: %d changes" % args.changes] + rows)
    return 0


# --- network faults --------------------------------------------------------------

def faults(args, server):
    make_picture("good.jpg", "320x240", "green", [SERVED])
    failed = False
    with socket.socket() as closed:
        closed.bind(("127.0.0.1", 0))
        closed_port = closed.getsockname()[1]
    matrix = [
        ("refused connection", "http://127.0.0.1:%d/x.jpg" % closed_port, {}),
        ("reset mid-body", server.url("/reset"), {}),
        ("never answering", server.url("/hang"), {}),
        ("silent mid-body", server.url("/stall/100000"), {}),
        ("1 GB body", server.url("/huge"), {}),
        ("1 GB, no length", server.url("/nolength-huge"), {}),
        ("redirect loop", server.url("/loop"), {}),
        ("bad certificate", "https://127.0.0.1:%d/files/good.jpg" % server.https, {}),
        ("refusing proxy", server.url("/files/good.jpg?proxy"),
         {"IntUseProxy": "True", "IntProxy": "127.0.0.1:%d" % closed_port}),
    ]
    row = "%-20s %9s %9s %8s %9s %12s"
    rows = ["network faults: IntTimeOut %d s; each is one `--next` on an internet list of that "
            "address alone" % TIMEOUT, row % ("fault", "gave up", "limit", "peak RSS", "cached",
                                              "next change"), row % ("", "", "", "MB", "", "")]
    for label, address, extra in matrix:
        options = dict(OPTIONS, WallpaperTimer="True", IntervalTimer="60", IntTimeOut=str(TIMEOUT),
                       WPSource="2", IntUseProxy="False")
        write(CONFIG, ini_text({"Options": dict(options, **extra), "Internet": {"Seq": "1"}}))
        remove("IntCacheIndexFile.dat", "IntCacheFile.dat")
        write(data("wpdlfiles.dat"), invert(lines([address, server.url("/files/good.jpg?after")])))
        program = Program()
        if not program.wait_listening():
            rows.append("%-20s the program did not start" % label)
            failed = True
            continue
        # The step ends by storing the time of the attempt (IntCL).
        before = os.stat(CONFIG).st_mtime_ns
        sent = time.monotonic()
        program.send("TessalyNext")
        peak, gave_up = 0, None
        while time.monotonic() - sent < TIMEOUT + 30:
            peak = max(peak, program.rss_kb())
            if os.stat(CONFIG).st_mtime_ns != before:
                gave_up = time.monotonic() - sent
                break
            time.sleep(0.02)
        index = read(data("IntCacheIndexFile.dat"))
        records = cache_records(index) if index else []
        cached = records is None or any(r[0] == address for r in records)
        # The program still works: the next address is a good picture
        # (through the same refusing proxy it can only answer).
        old = stamp()
        changed = program.send("TessalyNext")
        if not extra:
            changed = wait_for(lambda: stamp() != old, TIMEOUT + 5, 0.02) is not None
        alive = program.process.poll() is None
        program.end()
        failed |= not (gave_up is not None and gave_up <= TIMEOUT + 1 and not cached and changed and
                       alive)
        rows.append("%-20s %8s %8ds %8d %9s %12s" % (
            label, "%.2fs" % gave_up if gave_up is not None else "never", TIMEOUT + 1, peak // 1024,
            "YES" if cached else "no", ("answers" if extra else "works") if changed else "FAILED"))
    report(args, rows)
    return 1 if failed else 0


def report(args, rows):
    text = "\n".join(rows) + "\n"
    sys.stdout.write(text)
    if args.results:
        with open(args.results, "a", encoding="utf-8") as f:
            f.write(text + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("run", choices=("torture", "soak", "faults"))
    parser.add_argument("--results")
    parser.add_argument("--trials", type=int, default=1000)
    parser.add_argument("--changes", type=int, default=10000)
    parser.add_argument("--shim", help="the full-disk LD_PRELOAD shim, where tmpfs cannot be mounted")
    args = parser.parse_args()
    tls = ()
    if args.run == "faults":  # the HTTPS server's certificate is one nobody trusts
        certs = os.path.join(ROOT, "certs")
        subprocess.run([os.path.join(SUPPORT, "make-test-certs.sh"), certs], check=True,
                       capture_output=True)
        tls = ("--cert", os.path.join(certs, "untrusted.pem"), "--key", os.path.join(certs, "untrusted.key"))
    server = Server(tls)
    try:
        return globals()[args.run](args, server)
    finally:
        server.process.terminate()
        server.process.wait(10)


if __name__ == "__main__":
    sys.exit(main())
