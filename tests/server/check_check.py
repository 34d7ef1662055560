#!/usr/bin/env python3
"""rusk-server's settings check against a simulated indicator: equal to its baseline (a data file
rusk-cli read from it) the flag is 0; the baseline replaced by one differing in one setting, the
flag is 1 at the next check; each check is a snapshot in the --journal file, listed with its
differences; the server sends read requests only and never selects a product; a bad CheckEvery=
is refused naming the member and its line; a silent indicator beside it holds up no check.

usage: check_check.py RUSK_SERVER RUSK_SIM RUSK_CLI"""
import os
import re
import shutil
import signal
import sqlite3
import subprocess
import sys
import tempfile
import threading
import urllib.request

from serverlib import end_all, procs, sent_requests, wait_for

server_bin, sim_bin, cli_bin = sys.argv[1:4]
work = tempfile.mkdtemp(prefix="rusk-check-test-")
env = dict(os.environ, XDG_DATA_HOME=os.path.join(work, "data"))


def differ():
    with urllib.request.urlopen(f"http://127.0.0.1:{port}/metrics", timeout=5) as r:
        m = re.search(r'^rusk_settings_differ\{indicator="filler"\} (\S+)$', r.read().decode(),
                      re.M)
    return float(m.group(1)) if m else None


def checks():
    return len(re.findall(r"設定の点検 \(基準", "".join(server_err)))


server_err = []
try:
    bad = os.path.join(work, "bad.ini")
    with open(bad, "w") as f:
        f.write("[a]\nDevice=/dev/null\nModel=805\n\n[b]\nDevice=/dev/null\nModel=805\n"
                "CheckEvery=soon\n")
    refused = subprocess.run([server_bin, bad], capture_output=True, text=True, env=env)
    if refused.returncode != 2 or f"{bad}:8: [b] CheckEvery" not in refused.stderr:
        raise SystemExit(f"FAIL: CheckEvery=soon: {refused.returncode} {refused.stderr!r}")

    log = os.path.join(work, "sim.log")
    sim = subprocess.Popen([sim_bin, "--log", log], stdout=subprocess.PIPE, text=True)
    procs.append(sim)
    device = sim.stdout.readline().strip()
    same = os.path.join(work, "same.mdb")
    subprocess.run([cli_bin, "read", device, "-o", same, "-q"], check=True, env=env,
                   stdout=subprocess.DEVNULL)
    # The same data file with one setting changed: the first stored setting field.
    changed = os.path.join(work, "changed.mdb")
    shutil.copy(same, changed)
    db = sqlite3.connect(changed)
    columns = [c[1] for c in db.execute('PRAGMA table_info("設定値")')]
    field = next(c for c in columns
                 if re.fullmatch(r"\d+", str(db.execute(f'SELECT "{c}" FROM "設定値"').fetchone()[0])))
    old = db.execute(f'SELECT "{field}" FROM "設定値"').fetchone()[0]
    db.execute(f'UPDATE "設定値" SET "{field}" = ?', ("1" if old != "1" else "2",))
    db.commit()
    db.close()
    baseline = os.path.join(work, "baseline.mdb")
    shutil.copy(same, baseline)
    with open(log) as f:
        read_by_cli = len(f.read())

    # A silent indicator beside it holds up none of its checks.
    silent = subprocess.Popen([sim_bin, "--silent"], stdout=subprocess.PIPE, text=True)
    procs.append(silent)
    fleet = os.path.join(work, "fleet.ini")
    with open(fleet, "w") as f:
        f.write(f"[filler]\nDevice={device}\nModel=805\nBaseline=baseline.mdb\nCheckEvery=1s\n"
                f"[silent]\nDevice={silent.stdout.readline().strip()}\nModel=805\nCheckEvery=1\n")
    journal = os.path.join(work, "server.sqlite")
    server = subprocess.Popen([server_bin, fleet, "--listen", "127.0.0.1:0", "--journal", journal],
                              stderr=subprocess.PIPE, text=True, env=env)
    procs.append(server)
    port = int(re.search(r":(\d+)/", server.stderr.readline()).group(1))
    threading.Thread(target=lambda: server_err.extend(iter(server.stderr.readline, "")),
                     daemon=True).start()

    wait_for("the first check, equal", lambda: differ() == 0, 10)
    os.replace(changed, baseline)
    seen = checks()
    wait_for("the next check, differing", lambda: differ() == 1, 6)
    wait_for("the flag held at a further check", lambda: checks() > seen + 1 and differ() == 1, 6)

    with urllib.request.urlopen(f"http://127.0.0.1:{port}/api/overview", timeout=5) as r:
        if '"differ":true' not in r.read().decode():
            raise SystemExit("FAIL: the tile shows no difference")
    server.send_signal(signal.SIGTERM)
    if server.wait(timeout=5) != 0:
        raise SystemExit("FAIL: rusk-server did not end cleanly on SIGTERM")

    db = sqlite3.connect(journal)
    kept = db.execute("SELECT COUNT(*) FROM snapshots").fetchone()[0]
    if kept < 3:
        raise SystemExit(f"FAIL: {kept} snapshots in the server's journal")

    sent = sent_requests(log, read_by_cli)
    if "W20" not in sent or "W10" not in sent:
        raise SystemExit("FAIL: the settings and the product's values were not read")
    print("ok")
finally:
    end_all(work)
