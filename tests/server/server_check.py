#!/usr/bin/env python3
"""rusk-server against simulated indicators: read requests only on every line, the fill
statistics of an indicator that fills, a silent and a
killed indicator shown as such within 3 s while another goes on, /metrics accepted by promtool,
the Content-Security-Policy on every reply and a 4xx for what is not served.

usage: server_check.py RUSK_SERVER RUSK_SIM PROMTOOL"""
import json
import os
import re
import signal
import subprocess
import sys
import tempfile
import urllib.error
import urllib.request

from serverlib import end_all, sent_requests, start, wait_for

server_bin, sim_bin, promtool = sys.argv[1:4]
work = tempfile.mkdtemp(prefix="rusk-server-test-")


def get(path, method="GET"):
    req = urllib.request.Request(f"http://127.0.0.1:{port}{path}", method=method)
    try:
        with urllib.request.urlopen(req, timeout=5) as r:
            return r.status, dict(r.headers), r.read().decode()
    except urllib.error.HTTPError as e:
        return e.code, dict(e.headers), ""


def metric(text, name, indicator):
    m = re.search(rf'^{name}{{indicator="{indicator}"}} (\S+)$', text, re.M)
    return float(m.group(1)) if m else None


try:
    sims = {}
    for name, extra in (("going", ["--cycle", "2000", "--free-fall", "2"]), ("killed", []),
                        ("silent", ["--silent"])):
        log = os.path.join(work, f"{name}.log")
        p = start([sim_bin, "--log", log] + extra)
        sims[name] = (p, p.stdout.readline().strip(), log)
    fleet = os.path.join(work, "fleet.ini")
    with open(fleet, "w") as f:
        for name, (_, device, _) in sims.items():
            f.write(f"[{name}]\nDevice={device}\nModel=805\nRate=4\n")
    server = start([server_bin, fleet, "--listen", "127.0.0.1:0"])
    line = server.stderr.readline()
    port = int(re.search(r":(\d+)/", line).group(1))

    def seen():
        text = get("/metrics")[2]
        return text if (metric(text, "rusk_link_up", "going") == 1
                        and metric(text, "rusk_link_up", "killed") == 1
                        and metric(text, "rusk_link_up", "silent") == 0) else None
    text = wait_for("two answering, one silent", seen, 10)

    check = subprocess.run([promtool, "check", "metrics"], input=text, text=True,
                           capture_output=True)
    if check.returncode != 0:
        raise SystemExit(f"FAIL: promtool: {check.stdout}{check.stderr}")

    sims["killed"][0].kill()
    before = metric(text, "rusk_last_read_timestamp_seconds", "going")

    def killed_shown():
        t = get("/metrics")[2]
        return t if metric(t, "rusk_link_up", "killed") == 0 else None
    t = wait_for("killed indicator shown down", killed_shown, 3)
    t = wait_for("the others go on", lambda: (lambda x: x if metric(x, "rusk_last_read_timestamp_seconds", "going") > before else None)(get("/metrics")[2]), 3)
    if metric(t, "rusk_link_up", "going") != 1:
        raise SystemExit("FAIL: the answering indicator went down")

    # The fill statistics of the going indicator (the simulator fills to about 100).
    t = wait_for("two fills", lambda: (lambda x: x if (metric(x, "rusk_fills_total", "going") or 0) >= 2 else None)(get("/metrics")[2]), 10)
    if not 90 < metric(t, "rusk_fill_mean", "going") < 110 or metric(t, "rusk_fill_stddev", "going") is None:
        raise SystemExit(f"FAIL: fill statistics\n{t}")
    if metric(t, "rusk_fills_total", "silent") != 0 or metric(t, "rusk_fill_mean", "silent") is not None:
        raise SystemExit(f"FAIL: figures for the silent indicator\n{t}")

    overview = json.loads(get("/api/overview")[2])
    if [o["name"] for o in overview] != ["going", "killed", "silent"] or overview[0]["up"] is not True:
        raise SystemExit(f"FAIL: overview {overview}")
    # The fills of the last hour are all of them here; the feed is one of the outputs or none.
    going = overview[0]
    if going["perHour"] != going["fills"] or going.get("feed") not in (
            "", "large", "medium", "small", "discharge", "complete") or "backup" in going:
        raise SystemExit(f"FAIL: tile {going}")

    for path, want in (("/", 200), ("/dashboard.js", 200), ("/nowhere", 404),
                       ("/%2e%2e/%2e%2e/etc/passwd", 404), ("/../etc/passwd", 404),
                       ("/live", 400)):
        status, headers, _ = get(path)
        if status != want:
            raise SystemExit(f"FAIL: {path}: {status}, wanted {want}")
        if status == 200 and "script-src 'self'" not in headers.get("Content-Security-Policy", ""):
            raise SystemExit(f"FAIL: {path} without its Content-Security-Policy")
    status = get("/metrics", "POST")[0]
    if not 400 <= status < 500:
        raise SystemExit(f"FAIL: POST /metrics gave {status}")

    server.send_signal(signal.SIGTERM)
    if server.wait(timeout=5) != 0:
        raise SystemExit("FAIL: rusk-server did not end cleanly on SIGTERM")

    for _, _, log in sims.values():
        sent_requests(log)
    print("ok")
finally:
    end_all(work)
