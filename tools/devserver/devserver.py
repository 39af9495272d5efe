#!/usr/bin/env python3
"""A loopback access-control server for the demo and end-to-end tests of the Porvan client.

README
  Run:   python3 tools/devserver/devserver.py [--port 0] [--domain example.com ...]
                [--version 1.5.0.0] [--installer FILE] [--redirects N] [--tls CERT KEY]
  It listens on 127.0.0.1 only; with --tls it answers https instead, and names itself
  https://localhost:PORT, the name a test certificate carries. Port 0 takes any free port; the first line printed names the
  server URL to put into the client's ServerURL, e.g.
      Porvan development server on http://127.0.0.1:40123/porvandaemon/communication.php
  Every request then prints one line: client address, method, path, form fields, status, reply.

  Form posts (any path) answer the five modes from memory:
    get_client_ip    the client's address as the server sees it
    open_request     SUCCESS:Access_opened:<protocol>:<domain>  for a known domain,
                     FAIL:Not_registered otherwise; the open pairs are kept per client
    close_request    SUCCESS:Access_closed:<protocol>:<domain>  or FAIL:Not_registered
    check_version    OK for the accepted version, NEW|<installer URL> otherwise
    is_valid_domain  OK or NO:Unknown_domain
  The installer file (--installer) is served by GET and HEAD under /files/<its name>. With
  --redirects N the URL in the version reply first passes N redirects, alternately relative
  ("hop1-<name>") and absolute ("http://127.0.0.1:<port>/files/hop1-<name>").

  Form values are percent-decoded to bytes and read as code page 949, like the client writes
  them; "+" stays "+", as the client never writes a blank that way.

  Try it:
    curl -s --data 'mode=open_request&protocol=FTP&query=example.com&' http://127.0.0.1:PORT/
"""

import argparse
import os
import ssl
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import unquote_to_bytes

FORM_LIMIT = 64 * 1024  # a form post of the client is a few dozen bytes


def parse_form(body):
    """The fields of a form body; the last of a repeated name wins."""
    fields = {}
    for pair in body.split(b"&"):
        if not pair:
            continue
        name, _, value = pair.partition(b"=")
        fields[unquote_to_bytes(name).decode("cp949", "replace")] = unquote_to_bytes(value).decode(
            "cp949", "replace"
        )
    return fields


class AccessState:
    """What the server knows and which protocol/domain pairs each client has opened."""

    def __init__(self, domains, version):
        self.domains = {d.lower() for d in domains}
        self.version = version
        self.opened = {}  # client address -> set of (protocol, domain)
        self.lock = threading.Lock()

    def known(self, domain):
        return domain.lower() in self.domains

    def answer(self, client, fields, installer_url):
        mode = fields.get("mode", "")
        if mode == "get_client_ip":
            return client
        if mode in ("open_request", "close_request"):
            return self.access(client, mode, fields.get("protocol", ""), fields.get("query", ""))
        if mode == "check_version":
            if fields.get("version") == self.version:
                return "OK"
            return "NEW|" + installer_url
        if mode == "is_valid_domain":
            return "OK" if self.known(fields.get("domain", "")) else "NO:Unknown_domain"
        return "FAIL:Unknown_mode"

    def access(self, client, mode, protocol, domain):
        if protocol not in ("FTP", "SSH") or not self.known(domain):
            return "FAIL:Not_registered"
        pair = (protocol, domain.lower())
        with self.lock:
            opened = self.opened.setdefault(client, set())
            if mode == "open_request":
                opened.add(pair)
                return "SUCCESS:Access_opened:%s:%s" % (protocol, domain)
            opened.discard(pair)
            return "SUCCESS:Access_closed:%s:%s" % (protocol, domain)


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    def version_string(self):
        return "PorvanDevServer"

    def log_message(self, format, *args):  # noqa: A002 - the base class names it so
        pass  # one line per request is written by log_line instead

    def log_line(self, status, detail):
        print("%s %s %s %d %s" % (self.client_address[0], self.command, self.path, status, detail),
              flush=True)

    def send_text(self, status, text, head_only=False):
        data = text.encode("cp949", "replace")
        self.send_response(status)
        self.send_header("Content-Type", "text/plain; charset=euc-kr")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        if not head_only:
            self.wfile.write(data)

    def do_POST(self):
        try:
            length = int(self.headers.get("Content-Length", "0"))
        except ValueError:
            length = -1
        if length < 0 or length > FORM_LIMIT:
            self.send_text(400, "FAIL:Bad_request")
            self.log_line(400, "bad Content-Length")
            return
        fields = parse_form(self.rfile.read(length))
        # A slow server: the client must stay alive on the screen meanwhile.
        time.sleep(self.server.slow)
        reply = self.server.state.answer(self.client_address[0], fields, self.server.installer_url())
        self.send_text(200, reply)
        shown = " ".join("%s=%s" % item for item in fields.items())
        self.log_line(200, "%s -> %s" % (shown, reply))

    def do_GET(self):
        self.serve_file(head_only=False)

    def do_HEAD(self):
        self.serve_file(head_only=True)

    def serve_file(self, head_only):
        name = self.server.installer_name
        path = self.path.split("?", 1)[0]
        if name is None or not path.startswith("/files/"):
            self.send_text(404, "Not found", head_only)
            self.log_line(404, "")
            return
        wanted = path[len("/files/"):]
        if wanted == name:
            self.send_installer(head_only)
            return
        hop = self.server.hop_of(wanted)
        if hop is None:
            self.send_text(404, "Not found", head_only)
            self.log_line(404, "")
            return
        location = self.server.hop_location(hop - 1)
        self.send_response(302)
        self.send_header("Location", location)
        self.send_header("Content-Length", "0")
        self.end_headers()
        self.log_line(302, "-> " + location)

    def send_installer(self, head_only):
        with open(self.server.installer_path, "rb") as installer:
            data = installer.read()
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        if not head_only:
            self.wfile.write(data)
        self.log_line(200, "%d bytes" % len(data))


class DevServer(ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, port, state, installer_path, redirects, slow=0.0, tls=None):
        super().__init__(("127.0.0.1", port), Handler)
        self.slow = slow
        self.scheme = "http"
        if tls:
            # Still 127.0.0.1 only, but named "localhost", the name the certificate carries.
            context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
            context.minimum_version = ssl.TLSVersion.TLSv1_2
            context.load_cert_chain(*tls)
            self.socket = context.wrap_socket(self.socket, server_side=True,
                                              do_handshake_on_connect=False)
            self.scheme = "https"
        self.state = state
        self.installer_path = installer_path
        self.installer_name = os.path.basename(installer_path) if installer_path else None
        self.redirects = redirects

    def base(self):
        host = "localhost" if self.scheme == "https" else "127.0.0.1"
        return "%s://%s:%d" % (self.scheme, host, self.server_address[1])

    def hop_of(self, wanted):
        for hop in range(1, self.redirects + 1):
            if wanted == "hop%d-%s" % (hop, self.installer_name):
                return hop
        return None

    def hop_location(self, hop):
        """Where a request for hop+1 is sent: odd hops are named absolutely, even ones relatively."""
        target = self.installer_name if hop == 0 else "hop%d-%s" % (hop, self.installer_name)
        return target if hop % 2 == 0 else "%s/files/%s" % (self.base(), target)

    def installer_url(self):
        name = self.installer_name or "PorvanSetup.exe"
        if self.redirects and self.installer_name:
            name = "hop%d-%s" % (self.redirects, name)
        return "%s/files/%s" % (self.base(), name)


def main(argv):
    parser = argparse.ArgumentParser(description="Porvan loopback access-control server")
    parser.add_argument("--port", type=int, default=0, help="port on 127.0.0.1; 0 = any free port")
    parser.add_argument("--domain", action="append", dest="domains",
                        help="a domain the server knows (repeatable; default example.com)")
    parser.add_argument("--version", default="1.5.0.0", help="the accepted client version")
    parser.add_argument("--installer", help="the installer file served under /files/")
    parser.add_argument("--redirects", type=int, default=0,
                        help="redirects before the installer (default 0)")
    parser.add_argument("--slow", type=float, default=0.0,
                        help="seconds each form post is held before its reply (default 0)")
    parser.add_argument("--tls", nargs=2, metavar=("CERT", "KEY"),
                        help="answer https with this PEM certificate and key")
    args = parser.parse_args(argv)
    if args.installer and not os.path.isfile(args.installer):
        parser.error("no such installer file: %s" % args.installer)
    if args.redirects < 0:
        parser.error("--redirects must not be negative")
    if args.slow < 0:
        parser.error("--slow must not be negative")

    state = AccessState(args.domains or ["example.com"], args.version)
    server = DevServer(args.port, state, args.installer, args.redirects, args.slow, args.tls)
    print("Porvan development server on %s/porvandaemon/communication.php" % server.base(),
          flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
