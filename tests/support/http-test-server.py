#!/usr/bin/python3
"""A small HTTP (and optionally HTTPS) server on 127.0.0.1 for network tests.

Standard library only. Both servers listen on ports the system picks; once
they listen, "HTTP_PORT HTTPS_PORT\\n" is written to the --ready file
(HTTPS_PORT is 0 without --cert/--key). It stops on SIGTERM or SIGINT, when
the process that started it goes away, or after --lifetime seconds.

Paths (on both servers):
  /page.html       a small fixed HTML page
  /slow-page       the same page after 1.5 s
  /slow/NAME       the file NAME from --root after 1.5 s
  /files/NAME      the file NAME from --root, with ETag and Last-Modified;
                   a request whose If-None-Match (or, without it,
                   If-Modified-Since) still matches the file is answered
                   304 and counted under "304 /files/NAME"; a file that holds
                   just the line "#huge" answers as /huge does
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
import email.utils
import mimetypes
import os
import signal
import socket
import ssl
import struct
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

PAGE = (
    b"<!DOCTYPE html>\n"
    b"<html><head><title>Tessaly test page</title></head>\n"
    b"<body><p>Hello from the Tessaly test server.</p></body></html>\n"
)

CHUNK = 64 * 1024
# 64 KiB is a multiple of 256, so repeating this chunk continues the pattern.
PATTERN_CHUNK = bytes((i * 7) % 256 for i in range(CHUNK))
GIB = 1024 * 1024 * 1024
MAX_WAIT_SECONDS = 120.0

stopping = threading.Event()
counts = {}
counts_lock = threading.Lock()
ports = {"http": 0, "https": 0}


# The whole content of a served file that answers with 1 GiB instead.
HUGE_MARK = b"#huge\n"

def count(key):
    with counts_lock:
        counts[key] = counts.get(key, 0) + 1


def wait_a_while(seconds):
    """Sleeps in small steps; returns False if the server began to stop."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if stopping.wait(min(0.1, max(0.0, deadline - time.monotonic()))):
            return False
    return True


def pattern(n):
    """Yields n bytes of the pattern in chunks of at most 64 KiB."""
    left = n
    while left > 0:
        take = min(left, CHUNK)
        yield PATTERN_CHUNK if take == CHUNK else PATTERN_CHUNK[:take]
        left -= take


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "TessalyTestServer/1.0"

    def log_message(self, format, *args):  # quiet
        pass

    def log_error(self, format, *args):  # quiet
        pass

    # -- helpers -----------------------------------------------------------

    def send_body(self, status, body, content_type="text/plain; charset=utf-8"):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def redirect(self, location):
        body = b"redirect\n"
        self.send_response(302)
        self.send_header("Location", location)
        self.send_header("Content-Type", "text/plain; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def stream(self, chunks):
        """Writes chunks until they end, the client goes away or we stop.

        Whenever not all was written the connection is closed afterwards.
        """
        try:
            for chunk in chunks:
                if stopping.is_set():
                    self.close_connection = True
                    return
                self.wfile.write(chunk)
        except (BrokenPipeError, ConnectionError, ssl.SSLError, OSError):
            self.close_connection = True

    def not_found(self):
        self.send_body(404, b"not found\n")

    # -- paths -------------------------------------------------------------

    def do_GET(self):
        path = urllib.parse.urlsplit(self.path).path
        if path != "/counts":
            count(path)

        if path == "/page.html":
            self.send_body(200, PAGE, "text/html; charset=utf-8")
        elif path == "/slow-page":
            if wait_a_while(1.5):
                self.send_body(200, PAGE, "text/html; charset=utf-8")
            else:
                self.close_connection = True
        elif path.startswith("/slow/"):
            if wait_a_while(1.5):
                self.serve_file(urllib.parse.unquote(path[len("/slow/"):]))
            else:
                self.close_connection = True
        elif path.startswith("/files/"):
            self.serve_file(urllib.parse.unquote(path[len("/files/"):]))
        elif path.startswith("/bytes/"):
            self.serve_bytes(path[len("/bytes/"):])
        elif path == "/404":
            self.not_found()
        elif path == "/reset":
            self.reset()
        elif path == "/hang":
            wait_a_while(MAX_WAIT_SECONDS)
            self.close_connection = True
        elif path == "/drip":
            self.drip()
        elif path.startswith("/trickle/"):
            self.trickle(path[len("/trickle/"):])
        elif path.startswith("/stall/"):
            self.stall(path[len("/stall/"):])
        elif path == "/loop":
            self.redirect("/loop2")
        elif path == "/loop2":
            self.redirect("/loop")
        elif path == "/to-http":
            self.redirect("http://127.0.0.1:%d/page.html" % ports["http"])
        elif path == "/huge":
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Length", str(GIB))
            self.end_headers()
            self.stream(pattern(GIB))
        elif path == "/nolength-huge":
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Connection", "close")
            self.end_headers()
            self.stream(pattern(GIB))
            self.close_connection = True
        elif path.startswith("/count/"):
            count(urllib.parse.unquote(path[len("/count/"):]))
            self.send_body(200, b"ok")
        elif path == "/counts":
            with counts_lock:
                text = "".join("%s %d\n" % kv for kv in sorted(counts.items()))
            self.send_body(200, text.encode("utf-8"))
        else:
            self.not_found()

    def serve_file(self, name):
        root = self.server.root
        if (
            not root
            or not name
            or "/" in name
            or "\\" in name
            or name in (".", "..")
        ):
            self.not_found()
            return
        file_path = os.path.join(root, name)
        try:
            f = open(file_path, "rb")
        except OSError:
            self.not_found()
            return
        with f:
            info = os.fstat(f.fileno())
            size = info.st_size
            # A file that turned into a 1 GiB body, as /huge answers.
            if size == len(HUGE_MARK) and f.read() == HUGE_MARK:
                self.send_response(200)
                self.send_header("Content-Type", "application/octet-stream")
                self.send_header("Content-Length", str(GIB))
                self.end_headers()
                self.stream(pattern(GIB))
                return
            f.seek(0)
            etag = '"%x-%x"' % (info.st_mtime_ns, size)
            modified = email.utils.formatdate(int(info.st_mtime), usegmt=True)
            if self.unchanged(etag, int(info.st_mtime)):
                count("304 /files/" + name)
                self.send_response(304)
                self.send_header("ETag", etag)
                self.send_header("Last-Modified", modified)
                self.end_headers()
                return
            content_type = mimetypes.guess_type(name)[0] or "application/octet-stream"
            self.send_response(200)
            self.send_header("Content-Type", content_type)
            self.send_header("Content-Length", str(size))
            self.send_header("ETag", etag)
            self.send_header("Last-Modified", modified)
            self.end_headers()
            self.stream(iter(lambda: f.read(CHUNK), b""))

    def unchanged(self, etag, mtime):
        """Whether the request's validators still match the file."""
        tags = self.headers.get("If-None-Match")
        if tags is not None:
            return etag in [t.strip() for t in tags.split(",")] or tags.strip() == "*"
        since = self.headers.get("If-Modified-Since")
        if since is None:
            return False
        try:
            return mtime <= email.utils.parsedate_to_datetime(since).timestamp()
        except (TypeError, ValueError):
            return False

    def serve_bytes(self, text):
        try:
            n = int(text)
        except ValueError:
            n = -1
        if n < 0 or n > 4 * GIB:
            self.send_body(400, b"bad length\n")
            return
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(n))
        self.end_headers()
        self.stream(pattern(n))

    def reset(self):
        """Closes the connection with a TCP reset, without any answer."""
        sock = self.connection
        try:
            sock.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        except OSError:
            pass
        # The socket is only really closed once the file objects made from it
        # are closed too.
        for f in (self.rfile, self.wfile):
            try:
                f.close()
            except OSError:
                pass
        try:
            sock.close()
        except OSError:
            pass
        self.close_connection = True

    def drip(self):
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", "100000")
        self.end_headers()
        started = time.monotonic()
        try:
            self.wfile.flush()
            i = 0
            while time.monotonic() - started < MAX_WAIT_SECONDS:
                self.wfile.write(bytes(((i * 7) % 256,)))
                self.wfile.flush()
                i += 1
                if not wait_a_while(1.0):
                    break
        except (BrokenPipeError, ConnectionError, ssl.SSLError, OSError):
            pass
        self.close_connection = True


    def trickle(self, text):
        try:
            n, ms = (int(x) for x in text.split("/"))
        except ValueError:
            n = ms = -1
        if n < 0 or n > 1024 * 1024 or ms < 0 or ms > 60000:
            self.send_body(400, b"bad trickle\n")
            return
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(n))
        self.end_headers()
        try:
            self.wfile.flush()
            for i in range(n):
                if not wait_a_while(ms / 1000.0):
                    break
                self.wfile.write(bytes(((i * 7) % 256,)))
                self.wfile.flush()
        except (BrokenPipeError, ConnectionError, ssl.SSLError, OSError):
            pass
        self.close_connection = True

    def stall(self, text):
        try:
            n = int(text)
        except ValueError:
            n = -1
        if n < 0 or n > 64 * 1024 * 1024:
            self.send_body(400, b"bad length\n")
            return
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(2 * n))
        self.end_headers()
        self.stream(pattern(n))
        try:
            self.wfile.flush()
        except (BrokenPipeError, ConnectionError, ssl.SSLError, OSError):
            pass
        wait_a_while(MAX_WAIT_SECONDS)
        self.close_connection = True


class Server(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True

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
            except (ssl.SSLError, OSError):
                return
            request.settimeout(None)
        super().finish_request(request, client_address)

    def shutdown_request(self, request):
        try:
            super().shutdown_request(request)
        except (ssl.SSLError, OSError):
            pass

    def handle_error(self, request, client_address):  # quiet
        pass


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--ready", required=True, help="file to write the ports to")
    parser.add_argument("--cert", help="certificate (PEM) for the HTTPS server")
    parser.add_argument("--key", help="private key (PEM) for the HTTPS server")
    parser.add_argument("--root", help="folder whose files are served under /files/")
    parser.add_argument(
        "--lifetime", type=float, default=3600.0, help="stop after this many seconds"
    )
    args = parser.parse_args()
    if bool(args.cert) != bool(args.key):
        parser.error("--cert and --key go together")

    parent = os.getppid()
    servers = [Server(None, args.root)]
    ports["http"] = servers[0].server_address[1]
    if args.cert:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(args.cert, args.key)
        servers.append(Server(context, args.root))
        ports["https"] = servers[1].server_address[1]

    def stop(signum, frame):
        stopping.set()

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)

    threads = []
    for server in servers:
        t = threading.Thread(target=server.serve_forever, args=(0.2,), daemon=True)
        t.start()
        threads.append(t)

    tmp = args.ready + ".tmp"
    with open(tmp, "w", encoding="ascii") as f:
        f.write("%d %d\n" % (ports["http"], ports["https"]))
    os.replace(tmp, args.ready)

    deadline = time.monotonic() + args.lifetime
    while not stopping.is_set():
        if os.getppid() != parent or time.monotonic() > deadline:
            stopping.set()
            break
        stopping.wait(0.5)

    for server in servers:
        server.shutdown()
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
