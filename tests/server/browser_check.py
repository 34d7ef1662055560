#!/usr/bin/env python3
"""The dashboard in headless Chromium against rusk-server and simulated indicators: the page
builds a tile per indicator from the live WebSocket, and a tile's weight follows the simulator.

usage: browser_check.py RUSK_SERVER RUSK_SIM CHROMIUM"""
import html
import os
import re
import subprocess
import sys
import tempfile
import time

server_bin, sim_bin, chromium = sys.argv[1:4]
work = tempfile.mkdtemp(prefix="rusk-browser-test-")
procs = []


def start(args):
    p = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    procs.append(p)
    return p


def weights(url):
    """The weights the page shows once its scripts ran, by tile name."""
    dom = subprocess.run([chromium, "--headless", "--no-sandbox", "--disable-gpu",
                          f"--user-data-dir={work}/profile", "--virtual-time-budget=2000",
                          "--dump-dom", url], capture_output=True, text=True, timeout=60).stdout
    tiles = re.findall(r'<div class="name"><span>([^<]*)</span>.*?<div class="weight">([^<]*)</div>',
                       dom, re.S)
    return {html.unescape(n): w for n, w in tiles}


try:
    sim = start([sim_bin, "--count", "2", "--cycle", "2000"])
    devices = [sim.stdout.readline().strip() for _ in range(2)]
    fleet = os.path.join(work, "fleet.ini")
    with open(fleet, "w") as f:
        for i, device in enumerate(devices):
            f.write(f"[a{i}]\nName=x&amp;{i}\nDevice={device}\nModel=805\nRate=10\n")
    server = start([server_bin, fleet, "--listen", "127.0.0.1:0"])
    line = server.stderr.readline()
    found = re.search(r":(\d+)/", line)
    if not found:
        raise SystemExit(f"FAIL: rusk-server: {line}{server.stderr.read()}")
    port = int(found.group(1))
    url = f"http://127.0.0.1:{port}/"
    # Names are shown as text: an entity in a name stays as written.
    # A page load's scripts may finish before the socket's first message: load again, bounded.
    def shown(tiles):
        return sorted(tiles) == ["x&amp;0", "x&amp;1"] and all(
            re.fullmatch(r"-?\d+(\.\d+)?", w) for w in tiles.values())
    end = time.monotonic() + 15
    first = weights(url)
    while not shown(first):
        if time.monotonic() > end:
            raise SystemExit(f"FAIL: tiles {first}")
        first = weights(url)
    end = time.monotonic() + 15
    while weights(url).get("x&amp;0", first["x&amp;0"]) == first["x&amp;0"]:
        if time.monotonic() > end:
            raise SystemExit("FAIL: the weight did not follow the simulator")
    print("ok")
finally:
    for p in procs:
        if p.poll() is None:
            p.kill()
            p.wait()
