#!/usr/bin/python3
"""A small HTTP (and optionally HTTPS) server on 127.0.0.1 for network tests.

Standard library only. Both servers listen on ports the system picks; once
they listen, "HTTP_PORT HTTPS_PORT\\n" is written to the --ready file
(HTTPS_PORT is 0 without --cert/--key). It stops on SIGTERM or SIGINT, or when
the process that started it goes away.

Paths (on both servers):
  /page.html       a small fixed HTML page
  /slow-page       the same page after 1.5 s
  /slow/NAME       the file NAME from --root after 1.5 s
  /files/NAME      the file NAME from --root, with ETag and Last-Modified;
                   a request whose If-None-Match holds the ETag is answered
                   304 and counted under "304 /files/NAME" (If-Modified-Since
                   alone is answered in full); a file that holds just the
                   line "#huge" answers as /huge does
  /bytes/N         N bytes, byte i = i*7 mod 256
  /404             status 404 (as is any unknown path)
  /reset           no answer: the connection is reset (SO_LINGER 0, close)
  /hang            no answer: waits until the server stops or 120 s pass
  /drip            200, Content-Length 100000, then one byte a second
  /trickle/N/MS    200, Content-Length N, then the N bytes of /bytes/N one
                   at a time, MS milliseconds apart: slow, never silent long
  /stall/N         200, Content-Length 2N, the first N bytes of /bytes/2N,
                   then silence until the server stops or 120 s pass
  /loop, /loop2    302 to each other
  /to-http         302 to the plain HTTP server's /page.html
  /huge            200, Content-Length 1 GiB, streamed in 64 KiB chunks
  /nolength-huge   200 without Content-Length (Connection: close), up to 1 GiB
  /count/NAME      "ok"; counted under NAME
  /counts          one line "KEY N" per key: how many GETs each path (and
                   each /count/NAME under NAME) has had; /counts itself is
                   not counted
"""
import argparse
import collections
import contextlib
import email.utils
import mimetypes
import os
import signal
import socket
import ssl
import struct
import threading
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

PAGE = (b"<!DOCTYPE html>\n<html><head><title>Tessaly test page</title></head>\n"
        b"<body><p>Hello from the Tessaly test server.</p></body></html>\n")
CHUNK = 64 * 1024
# 64 KiB is a multiple of 256, so repeating this chunk continues the pattern.
PATTERN_CHUNK = bytes((i * 7) % 256 for i in range(CHUNK))
GIB = 1024 * 1024 * 1024
MAX_WAIT_SECONDS = 120.0
HUGE_MARK = b"#huge\n"  # the whole content of a served file that answers with 1 GiB instead

stopping = threading.Event()  # waits on it end early when the server stops
counts = collections.Counter()
counts_lock = threading.Lock()
ports = {"http": 0, "https": 0}


def count(key):
    with counts_lock:
        counts[key] += 1


def pattern(n):
    """Yields n bytes of the pattern in chunks of at most 64 KiB."""
    for at in range(0, n, CHUNK):
        yield PATTERN_CHUNK[:n - at]


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, format, *args):  # quiet (log_error comes here too)
        pass

    def begin(self, status, length=None, content_type="application/octet-stream", **headers):
        """The status line and headers, but those given as None; further headers
        with "_" for "-" in their names."""
        self.send_response(status)
        for name, value in dict({"Content-Type": content_type, "Content-Length": length},
                                **headers).items():
            if value is not None:
                self.send_header(name.replace("_", "-"), str(value))
        self.end_headers()

    def send_body(self, status, body, content_type="text/plain; charset=utf-8", **headers):
        self.begin(status, len(body), content_type, **headers)
        self.wfile.write(body)

    def stream(self, chunks):
        """Writes chunks until they end, the client goes away or we stop;
        whenever not all was written the connection is closed afterwards."""
        try:
            for chunk in chunks:
                if stopping.is_set():
                    self.close_connection = True
                    return
                self.wfile.write(chunk)
        except OSError:  # the client went away
            self.close_connection = True

    def huge(self, length=True):
        """1 GiB of the pattern, with its length or (Connection: close) without."""
        self.begin(200, GIB) if length else self.begin(200, Connection="close")
        self.stream(pattern(GIB))
        self.close_connection |= not length

    def do_GET(self):
        path = urllib.parse.urlsplit(self.path).path
        if path != "/counts":
            count(path)
        rest = path.split("/", 2)[2] if path.count("/") > 1 else ""
        number = int(rest) if rest.isdigit() else -1

        if (path == "/slow-page" or path.startswith("/slow/")) and stopping.wait(1.5):
            self.close_connection = True
        elif path in ("/page.html", "/slow-page"):
            self.send_body(200, PAGE, "text/html; charset=utf-8")
        elif path.startswith(("/files/", "/slow/")):
            self.serve_file(urllib.parse.unquote(rest))
        elif path.startswith("/bytes/") and 0 <= number <= 4 * GIB:
            self.begin(200, number)
            self.stream(pattern(number))
        elif path == "/reset":
            self.reset()
        elif path == "/hang" or path.startswith("/stall/") and 0 <= number <= 64 * 1024 * 1024:
            if path != "/hang":
                self.begin(200, 2 * number)
                self.stream(pattern(number))
            stopping.wait(MAX_WAIT_SECONDS)
            self.close_connection = True
        elif path == "/drip":
            self.trickle(100000, 1000, first_at_once=True)
        elif path.startswith("/trickle/"):
            n, _, ms = rest.partition("/")
            if n.isdigit() and ms.isdigit() and int(n) <= 1024 * 1024 and int(ms) <= 60000:
                self.trickle(int(n), int(ms))
            else:
                self.send_body(400, b"bad trickle\n")
        elif path.startswith(("/bytes/", "/stall/")):
            self.send_body(400, b"bad length\n")
        elif path in ("/loop", "/loop2", "/to-http"):
            self.send_body(302, b"redirect\n", Location={"/loop": "/loop2", "/loop2": "/loop"}.get(
                path, "http://127.0.0.1:%d/page.html" % ports["http"]))
        elif path in ("/huge", "/nolength-huge"):
            self.huge(length=path == "/huge")
        elif path.startswith("/count/"):
            count(urllib.parse.unquote(rest))
            self.send_body(200, b"ok")
        elif path == "/counts":
            with counts_lock:
                text = "".join("%s %d\n" % kv for kv in sorted(counts.items()))
            self.send_body(200, text.encode("utf-8"))
        else:
            self.send_body(404, b"not found\n")

    def serve_file(self, name):
        root = self.server.root
        try:
            if not root or not name or "/" in name or "\\" in name or name in (".", ".."):
                raise OSError
            f = open(os.path.join(root, name), "rb")
        except OSError:
            self.send_body(404, b"not found\n")
            return
        with f:
            info = os.fstat(f.fileno())
            # A file that turned into a 1 GiB body, as /huge answers.
            if info.st_size == len(HUGE_MARK) and f.read() == HUGE_MARK:
                self.huge()
                return
            f.seek(0)
            validators = {"ETag": '"%x-%x"' % (info.st_mtime_ns, info.st_size),
                          "Last_Modified": email.utils.formatdate(int(info.st_mtime), usegmt=True)}
            tags = [t.strip() for t in self.headers.get("If-None-Match", "").split(",")]
            if validators["ETag"] in tags or "*" in tags:
                count("304 /files/" + name)
                self.begin(304, content_type=None, **validators)
                return
            self.begin(200, info.st_size, mimetypes.guess_type(name)[0] or "application/octet-stream",
                       **validators)
            self.stream(iter(lambda: f.read(CHUNK), b""))

    def reset(self):
        """Closes the connection with a TCP reset, without any answer."""
        with contextlib.suppress(OSError):
            self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        # The socket is only really closed once the file objects made from it
        # are closed too.
        for f in (self.rfile, self.wfile, self.connection):
            with contextlib.suppress(OSError):
                f.close()
        self.close_connection = True

    def trickle(self, n, ms, first_at_once=False):
        """n bytes of the pattern one at a time, ms milliseconds apart (the
        handler's writes are unbuffered: each byte goes out at once)."""
        self.begin(200, n)
        with contextlib.suppress(OSError):
            for i in range(n):
                if (i or not first_at_once) and stopping.wait(ms / 1000.0):
                    break
                self.wfile.write(bytes(((i * 7) % 256,)))
        self.close_connection = True


class Server(ThreadingHTTPServer):
    def __init__(self, tls_context, root):
        self.tls_context = tls_context
        self.root = root
        super().__init__(("127.0.0.1", 0), Handler)

    def finish_request(self, request, client_address):
        # Runs in the request's own thread, so a slow or failing TLS
        # handshake holds up nobody else.
        if self.tls_context is not None:
            request.settimeout(30)
            try:
                request = self.tls_context.wrap_socket(request, server_side=True)
            except OSError:  # an SSLError is one too
                return
            request.settimeout(None)
        super().finish_request(request, client_address)

    def shutdown_request(self, request):
        with contextlib.suppress(OSError):  # an SSLError is one too
            super().shutdown_request(request)

    def handle_error(self, request, client_address):  # quiet
        pass


parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
parser.add_argument("--ready", required=True, help="file to write the ports to")
parser.add_argument("--cert", help="certificate (PEM) for the HTTPS server")
parser.add_argument("--key", help="private key (PEM) for the HTTPS server")
parser.add_argument("--root", help="folder whose files are served under /files/")
args = parser.parse_args()
parent = os.getppid()
servers = [Server(None, args.root)]
if args.cert:
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(args.cert, args.key)
    servers.append(Server(context, args.root))
ports.update(zip(("http", "https"), (s.server_address[1] for s in servers)))
for signum in (signal.SIGTERM, signal.SIGINT):
    signal.signal(signum, lambda *_: stopping.set())
for server in servers:
    threading.Thread(target=server.serve_forever, args=(0.2,), daemon=True).start()
with open(args.ready + ".tmp", "w", encoding="ascii") as f:
    f.write("%d %d\n" % (ports["http"], ports["https"]))
os.replace(args.ready + ".tmp", args.ready)
while not stopping.wait(0.5):
    if os.getppid() != parent:
        stopping.set()
for server in servers:
    server.shutdown()
    server.server_close()
