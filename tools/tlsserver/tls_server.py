#!/usr/bin/env python3
"""Loopback TLS test servers for the https exchange of the Porvan client.

README
  Run:   python3 tools/tlsserver/tls_server.py --dir DIR [--ports-file FILE] [--until-stdin-closes]
         python3 tools/tlsserver/tls_server.py --dir DIR --certificates-only
  Makes a test CA and server certificates in DIR at first use (ca.pem / ca.der is the CA the
  tests trust for the run), then listens on 127.0.0.1 only, one port per kind of server:
    good       certificate for localhost, 127.0.0.1 and ::1 from the test CA
    wrongname  certificate for wrong.test only, from the test CA
    expired    certificate for localhost and 127.0.0.1 from the test CA, expired in 2021
    untrusted  certificate for localhost and 127.0.0.1 from a CA nobody trusts
    drip       good certificate; after the request, the reply comes one byte every 0.5 s
    silent     takes the connection and never sends a byte
    plain      plain HTTP: whatever arrives gets "HTTP/1.1 400 Bad Request"
    http       plain HTTP that answers as the TLS servers do (the yardstick of the benchmark)
    downgrade  good certificate; every request is redirected to an http URL
  The TLS servers answer a request with status 200 and the request's raw bytes as the body, so
  a client sees exactly what arrived; a HEAD request gets an empty 200.
  The first line on stdout (and --ports-file) is a JSON object of kind -> port. Each request
  logs one line on stderr. It ends on SIGTERM, or when stdin closes with --until-stdin-closes.
"""

import argparse
import datetime
import ipaddress
import json
import os
import shutil
import socket
import ssl
import sys
import tempfile
import threading
import time

from cryptography import x509
from cryptography.hazmat.primitives import hashes, serialization
from cryptography.hazmat.primitives.asymmetric import ec
from cryptography.x509.oid import NameOID

REQUEST_LIMIT = 64 * 1024
LOOPBACK_NAMES = ["localhost", "127.0.0.1", "::1"]
# The certificates last 30 days; a set older than this is made anew.
RENEW_AFTER = 20 * 24 * 3600


def name(common_name):
    return x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, common_name)])


def alt_names(hosts):
    entries = []
    for host in hosts:
        try:
            entries.append(x509.IPAddress(ipaddress.ip_address(host)))
        except ValueError:
            entries.append(x509.DNSName(host))
    return x509.SubjectAlternativeName(entries)


def make_ca(common_name):
    key = ec.generate_private_key(ec.SECP256R1())
    now = datetime.datetime.now(datetime.timezone.utc)
    cert = (
        x509.CertificateBuilder()
        .subject_name(name(common_name))
        .issuer_name(name(common_name))
        .public_key(key.public_key())
        .serial_number(x509.random_serial_number())
        .not_valid_before(now - datetime.timedelta(days=1))
        .not_valid_after(now + datetime.timedelta(days=30))
        .add_extension(x509.BasicConstraints(ca=True, path_length=0), critical=True)
        .add_extension(
            x509.KeyUsage(False, False, False, False, False, True, True, False, False), critical=True
        )
        .sign(key, hashes.SHA256())
    )
    return key, cert


def make_server(ca_key, ca_cert, hosts, not_before, not_after):
    key = ec.generate_private_key(ec.SECP256R1())
    cert = (
        x509.CertificateBuilder()
        .subject_name(name(hosts[0]))
        .issuer_name(ca_cert.subject)
        .public_key(key.public_key())
        .serial_number(x509.random_serial_number())
        .not_valid_before(not_before)
        .not_valid_after(not_after)
        .add_extension(alt_names(hosts), critical=False)
        .add_extension(x509.BasicConstraints(ca=False, path_length=None), critical=True)
        .add_extension(x509.ExtendedKeyUsage([x509.oid.ExtendedKeyUsageOID.SERVER_AUTH]),
                       critical=False)
        .sign(ca_key, hashes.SHA256())
    )
    return key, cert


def write_pair(directory, stem, key, cert):
    with open(os.path.join(directory, stem + ".key"), "wb") as f:
        f.write(key.private_bytes(serialization.Encoding.PEM,
                                  serialization.PrivateFormat.PKCS8,
                                  serialization.NoEncryption()))
    with open(os.path.join(directory, stem + ".pem"), "wb") as f:
        f.write(cert.public_bytes(serialization.Encoding.PEM))


def make_certificates(directory):
    """The test CA, an untrusted CA and the server certificates, unless DIR has a recent set."""
    complete = os.path.join(directory, "ca.der")
    if os.path.exists(complete) and time.time() - os.path.getmtime(complete) < RENEW_AFTER:
        return
    # Made aside and moved in whole, so that servers started at once never mix two sets.
    parent = os.path.dirname(os.path.abspath(directory))
    os.makedirs(parent, exist_ok=True)
    staging = tempfile.mkdtemp(prefix=".tls-", dir=parent)
    now = datetime.datetime.now(datetime.timezone.utc)
    ca_key, ca_cert = make_ca("Porvan Test CA")
    other_key, other_cert = make_ca("Porvan Untrusted Test CA")
    day = datetime.timedelta(days=1)
    pairs = {
        "ca": (ca_key, ca_cert),
        "good": make_server(ca_key, ca_cert, LOOPBACK_NAMES, now - day, now + 30 * day),
        "wrongname": make_server(ca_key, ca_cert, ["wrong.test"], now - day, now + 30 * day),
        "expired": make_server(ca_key, ca_cert, LOOPBACK_NAMES,
                               datetime.datetime(2020, 1, 1, tzinfo=datetime.timezone.utc),
                               datetime.datetime(2021, 1, 1, tzinfo=datetime.timezone.utc)),
        "untrusted": make_server(other_key, other_cert, LOOPBACK_NAMES, now - day, now + 30 * day),
    }
    for stem, (key, cert) in pairs.items():
        write_pair(staging, stem, key, cert)
    with open(os.path.join(staging, "ca.der"), "wb") as f:
        f.write(ca_cert.public_bytes(serialization.Encoding.DER))
    if os.path.exists(complete) and time.time() - os.path.getmtime(complete) < RENEW_AFTER:
        shutil.rmtree(staging)  # another server made the set meanwhile
        return
    shutil.rmtree(directory, ignore_errors=True)
    os.rename(staging, directory)


def read_request(conn):
    """The head up to the empty line and the Content-Length body, raw."""
    data = b""
    while b"\r\n\r\n" not in data and len(data) < REQUEST_LIMIT:
        chunk = conn.recv(4096)
        if not chunk:
            return data
        data += chunk
    head, _, body = data.partition(b"\r\n\r\n")
    length = 0
    for line in head.split(b"\r\n")[1:]:
        field, _, value = line.partition(b":")
        if field.strip().lower() == b"content-length":
            length = min(int(value.strip() or b"0"), REQUEST_LIMIT)
    while len(body) < length:
        chunk = conn.recv(4096)
        if not chunk:
            break
        body += chunk
    return head + b"\r\n\r\n" + body


def log(kind, text):
    print(f"{kind}: {text}", file=sys.stderr, flush=True)


def wait_for_close(conn):
    try:
        while conn.recv(4096):
            pass
    except OSError:
        pass


def answer(kind, conn, ports):
    request = read_request(conn)
    first = request.split(b"\r\n", 1)[0].decode("latin-1")
    log(kind, f"{first!r} {len(request)} bytes")
    if kind == "downgrade":
        target = f"http://127.0.0.1:{ports['plain']}/files/setup.exe"
        reply = (f"HTTP/1.1 302 Found\r\nLocation: {target}\r\nContent-Length: 0\r\n"
                 "Connection: close\r\n\r\n").encode()
    elif first.startswith("HEAD "):
        reply = b"HTTP/1.1 200 OK\r\nContent-Length: 0\r\nConnection: close\r\n\r\n"
    else:
        reply = (b"HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: "
                 + str(len(request)).encode() + b"\r\nConnection: close\r\n\r\n" + request)
    if kind == "drip":
        for byte in reply:
            conn.sendall(bytes([byte]))
            time.sleep(0.5)
        return
    conn.sendall(reply)


def serve_one(kind, conn, context, ports):
    try:
        with conn:
            conn.settimeout(120)
            if kind == "silent":
                wait_for_close(conn)
                return
            if kind == "http":
                answer(kind, conn, ports)
                return
            if kind == "plain":
                conn.recv(4096)
                conn.sendall(b"HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\n"
                             b"Connection: close\r\n\r\n")
                return
            with context.wrap_socket(conn, server_side=True) as tls:
                answer(kind, tls, ports)
    except (OSError, ssl.SSLError, ValueError) as error:
        log(kind, f"connection ended: {error}")


def listen(kind, context, ports):
    server = socket.create_server(("127.0.0.1", 0))
    ports[kind] = server.getsockname()[1]

    def loop():
        while True:
            conn, _ = server.accept()
            threading.Thread(target=serve_one, args=(kind, conn, context, ports),
                             daemon=True).start()

    threading.Thread(target=loop, daemon=True).start()


def context_for(directory, stem):
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.minimum_version = ssl.TLSVersion.TLSv1_2
    context.load_cert_chain(os.path.join(directory, stem + ".pem"),
                            os.path.join(directory, stem + ".key"))
    return context


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--dir", required=True)
    parser.add_argument("--ports-file")
    parser.add_argument("--until-stdin-closes", action="store_true")
    parser.add_argument("--certificates-only", action="store_true",
                        help="make the certificates in DIR and end")
    args = parser.parse_args()
    make_certificates(args.dir)
    if args.certificates_only:
        return
    ports = {}
    kinds = {"good": "good", "wrongname": "wrongname", "expired": "expired",
             "untrusted": "untrusted", "drip": "good", "downgrade": "good"}
    for kind, stem in kinds.items():
        listen(kind, context_for(args.dir, stem), ports)
    listen("silent", None, ports)
    listen("plain", None, ports)
    listen("http", None, ports)
    line = json.dumps(ports, sort_keys=True)
    if args.ports_file:
        with open(args.ports_file + ".tmp", "w") as f:
            f.write(line + "\n")
        os.replace(args.ports_file + ".tmp", args.ports_file)
    print(line, flush=True)
    if args.until_stdin_closes:
        sys.stdin.read()
    else:
        threading.Event().wait()


if __name__ == "__main__":
    main()
