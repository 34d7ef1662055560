#!/usr/bin/env python3
"""rusk-server's access rules against a simulated indicator: listening off this machine needs a
stored password (set through standard input, kept hashed with mode 0600); with one, no page,
API, metric or WebSocket without a session; a malformed request a 400; a wrong password
refused and answered later; the right one gives an HttpOnly, SameSite=Strict cookie and then everything works, /metrics also
with basic auth or a bearer token; a malformed login form is a 400. Then the same over TLS with
a self-signed certificate (skipped without openssl), where the cookie is Secure.

usage: access_check.py RUSK_SERVER RUSK_SIM"""
import base64
import http.client
import os
import re
import shutil
import socket
import ssl
import stat
import subprocess
import sys
import tempfile
import time

from serverlib import end_all, start

server_bin, sim_bin = sys.argv[1:3]
work = tempfile.mkdtemp(prefix="rusk-access-test-")
PASSWORD = "correct horse"


def fail(what):
    raise SystemExit(f"FAIL: {what}")


class Client:
    def __init__(self, port, tls):
        self.port, self.tls = port, tls
        self.context = ssl._create_unverified_context() if tls else None

    def request(self, method, path, body=None, headers=None):
        if self.tls:
            c = http.client.HTTPSConnection("127.0.0.1", self.port, timeout=40,
                                            context=self.context)
        else:
            c = http.client.HTTPConnection("127.0.0.1", self.port, timeout=40)
        c.request(method, path, body=body, headers=headers or {})
        r = c.getresponse()
        out = (r.status, r.headers, r.read().decode())
        c.close()
        return out

    def websocket(self, cookie=None):
        """The status of a /live handshake, and whether a text frame followed a 101."""
        s = socket.create_connection(("127.0.0.1", self.port), timeout=10)
        if self.tls:
            s = self.context.wrap_socket(s)
        key = base64.b64encode(os.urandom(16)).decode()
        s.sendall((f"GET /live HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\n"
                   f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                   f"Sec-WebSocket-Version: 13\r\n"
                   + (f"Cookie: {cookie}\r\n" if cookie else "") + "\r\n").encode())
        data = b""
        while b"\r\n\r\n" not in data:
            chunk = s.recv(4096)
            if not chunk:
                break
            data += chunk
        status = int(data.split(b" ")[1]) if data.startswith(b"HTTP/1.1 ") else None
        head, _, rest = data.partition(b"\r\n\r\n")
        if b"HTTP/1.1 101" in rest:
            fail("a second answer after the first on one handshake")
        if status == 101 and not rest:
            rest = s.recv(2)
        s.close()
        return status, rest[:1] == b"\x81"


def serve(fleet, *extra):
    server = start([server_bin, fleet, "--listen", "0.0.0.0:0", "--password-file", pwfile,
                    *extra])
    line = server.stderr.readline()
    m = re.search(r"://0\.0\.0\.0:(\d+)/", line)
    if not m:
        fail(f"rusk-server did not listen: {line}{server.stderr.read()}")
    return server, int(m.group(1))


def check_access(client, secure):
    # Without a session: pages go to the login page, the rest is refused.
    for path, want in (("/", 303), ("/api/overview", 401), ("/metrics", 401),
                       ("/nowhere", 303), ("/login", 200)):
        status, headers, _ = client.request("GET", path)
        if status != want:
            fail(f"{path} without a session: {status}, wanted {want}")
        if want == 303 and headers["Location"] != "/login":
            fail(f"{path} sends to {headers['Location']}")
    if client.websocket() != (401, False):
        fail("a WebSocket without a session")
    _, _, blank_page = client.request("GET", "/login")
    if not secure:  # a request Qt's parser refuses is answered, not just dropped
        s = socket.create_connection(("127.0.0.1", client.port), timeout=10)
        s.sendall(b"\x00GARBAGE\r\n\r\n")
        if not s.recv(100).startswith(b"HTTP/1.1 400 "):
            fail("a malformed request line was not a 400")
        s.close()

    form = {"Content-Type": "application/x-www-form-urlencoded"}
    if client.request("POST", "/login", "password=%zz", form)[0] != 400:
        fail("a malformed login form was not a 400")
    if not secure:  # the slowed failures are the same rule under TLS; asked once
        began = time.monotonic()
        status, headers, page = client.request("POST", "/login", "password=wrong", form)
        if status != 401 or "Set-Cookie" in headers or page == blank_page:
            fail(f"a wrong password: {status}, cookie {headers.get('Set-Cookie')}")
        if time.monotonic() - began < 0.9:
            fail("a wrong password was answered at once")
        status, headers, _ = client.request(
            "GET", "/metrics", headers={"Authorization": "Basic " + base64.b64encode(
                b"prometheus:wrong").decode()})
        if status not in (401, 429):
            fail(f"/metrics with a wrong password: {status}")

    status, headers, _ = client.request(
        "POST", "/login", "password=" + PASSWORD.replace(" ", "+"), form)
    cookie = headers.get("Set-Cookie", "")
    flags = [f.strip() for f in cookie.split(";")]
    if status != 303:
        fail(f"the right password: {status} {cookie}")
    for flag in ("HttpOnly", "SameSite=Strict", "Path=/"):
        if flag not in flags:
            fail(f"the session cookie without {flag}: {cookie}")
    if ("Secure" in flags) != secure:
        fail(f"the session cookie's Secure flag under TLS={secure}: {cookie}")
    session = flags[0]
    for path in ("/", "/api/overview", "/metrics"):
        status, _, body = client.request("GET", path, headers={"Cookie": session})
        if status != 200 or not body:
            fail(f"{path} with a session: {status}")
    if client.websocket(session) != (101, True):
        fail("a WebSocket with a session got no overview")
    if client.request("GET", "/api/overview", headers={"Cookie": session + "x"})[0] != 401:
        fail("a made-up session was taken")

    # Prometheus: the password as basic auth (any user) or as a bearer token.
    basic = "Basic " + base64.b64encode(f"prometheus:{PASSWORD}".encode()).decode()
    for auth in (basic, "Bearer " + PASSWORD):
        status, _, body = client.request("GET", "/metrics", headers={"Authorization": auth})
        if status != 200 or "rusk_link_up" not in body:
            fail(f"/metrics with {auth.split()[0]}: {status}")
        if client.request("GET", "/api/overview", headers={"Authorization": auth})[0] != 401:
            fail(f"{auth.split()[0]} opened more than /metrics")

    # Logging out ends the session and clears its cookie.
    status, headers, _ = client.request("POST", "/logout", headers={"Cookie": session})
    if status != 303 or headers["Location"] != "/login" or \
            "Max-Age=0" not in headers.get("Set-Cookie", ""):
        fail(f"logout: {status} {headers}")
    if client.request("GET", "/api/overview", headers={"Cookie": session})[0] != 401:
        fail("a session went on after its logout")


try:
    sim = start([sim_bin, "--log", os.path.join(work, "sim.log")])
    device = sim.stdout.readline().strip()
    fleet = os.path.join(work, "fleet.ini")
    with open(fleet, "w") as f:
        f.write(f"[line1]\nDevice={device}\nModel=805\n")
    pwfile = os.path.join(work, "config", "password")

    # No password stored: off this machine is refused.
    refused = subprocess.run([server_bin, fleet, "--listen", "0.0.0.0:0", "--password-file",
                              pwfile], capture_output=True, text=True, timeout=10)
    if refused.returncode != 2 or "--set-password" not in refused.stderr:
        fail(f"listening off this machine without a password: {refused.returncode} "
             f"{refused.stderr}")

    for stdin in ("\n", PASSWORD + "\n"):
        r = subprocess.run([server_bin, "--set-password", "--password-file", pwfile],
                           input=stdin, capture_output=True, text=True, timeout=30)
        if r.returncode != (2 if stdin == "\n" else 0) or os.path.exists(pwfile) == (stdin == "\n"):
            fail(f"--set-password with {stdin!r}: {r.returncode} {r.stderr}")
    if stat.S_IMODE(os.stat(pwfile).st_mode) != 0o600:
        fail(f"the password file's mode is {oct(os.stat(pwfile).st_mode)}")
    with open(pwfile) as f:
        if PASSWORD.split()[0] in f.read():
            fail("the password is in the file in clear")

    server, port = serve(fleet)
    check_access(Client(port, False), False)
    server.terminate()
    server.wait(timeout=10)

    openssl = shutil.which("openssl")
    if not openssl:
        print("openssl absent: TLS part skipped")
    else:
        cert, key = os.path.join(work, "cert.pem"), os.path.join(work, "key.pem")
        subprocess.run([openssl, "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key,
                        "-out", cert, "-days", "2", "-subj", "/CN=127.0.0.1"],
                       check=True, capture_output=True, timeout=60)
        bad = subprocess.run([server_bin, fleet, "--password-file", pwfile, "--cert", fleet,
                              "--key", key], capture_output=True, text=True, timeout=10)
        if bad.returncode != 2 or "--cert" not in bad.stderr:
            fail(f"a bad certificate: {bad.returncode} {bad.stderr}")
        server, port = serve(fleet, "--cert", cert, "--key", key)
        check_access(Client(port, True), True)
    print("ok")
finally:
    end_all(work)
