#!/usr/bin/env python3
"""Serves one file by HEAD and GET on 127.0.0.1 for the download benchmark; prints its port."""
import http.server
import os
import socketserver
import sys

PATH = sys.argv[1]


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def head(self):
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(os.path.getsize(PATH)))
        self.send_header("Connection", "close")
        self.end_headers()
        self.close_connection = True

    def do_HEAD(self):
        self.head()

    def do_GET(self):
        self.head()
        with open(PATH, "rb") as f:
            # The kernel copies the file to the socket, so the server is never the bottleneck.
            os.sendfile(self.wfile.fileno(), f.fileno(), 0, os.path.getsize(PATH))

    def log_message(self, *args):
        pass


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


with Server(("127.0.0.1", 0), Handler) as server:
    print(server.server_address[1], flush=True)
    server.serve_forever()
