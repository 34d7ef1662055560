#!/usr/bin/env python3
"""rusk-server's page of one indicator against a simulated indicator whose journal holds a read,
a write changing one setting and a read again (made by rusk-cli): the routes and what they
refuse, the page's data (samples, fills, set points, snapshots), the changes of a snapshot
decoded, the downloads, and each reply in the language the browser asks for.

usage: page_check.py RUSK_SERVER RUSK_SIM RUSK_CLI"""
import json
import os
import re
import sqlite3
import subprocess
import sys
import tempfile
import urllib.error
import urllib.request

import serverlib

from serverlib import end_all, wait_for

server_bin, sim_bin, cli_bin = sys.argv[1:4]
work = tempfile.mkdtemp(prefix="rusk-page-test-")
env = dict(os.environ, XDG_DATA_HOME=work, XDG_CONFIG_HOME=work)


def start(args):
    return serverlib.start(args, env=env)


def cli(*args):
    done = subprocess.run([cli_bin, *args], capture_output=True, text=True, env=env, timeout=30)
    if done.returncode != 0:
        raise SystemExit(f"FAIL: rusk-cli {args}: {done.stderr}")


def get(path, language="ja"):
    req = urllib.request.Request(f"http://127.0.0.1:{port}{path}",
                                 headers={"Accept-Language": language})
    try:
        with urllib.request.urlopen(req, timeout=10) as r:
            return r.status, r.headers, r.read()
    except urllib.error.HTTPError as e:
        return e.code, e.headers, b""


def api(path, language="ja"):
    status, _, body = get(path, language)
    if status != 200:
        raise SystemExit(f"FAIL: {path}: {status}")
    return json.loads(body)


try:
    sim = start([sim_bin, "--cycle", "2000"])
    device = sim.stdout.readline().strip()
    data = os.path.join(work, "a.mdb")
    cli("read", device, "-o", data)
    with sqlite3.connect(data) as db:
        db.execute("UPDATE 設定値 SET 上限 = '03001'")
    cli("write", device, "-i", data)
    cli("read", device, "-o", data)

    fleet = os.path.join(work, "fleet.ini")
    with open(fleet, "w") as f:
        f.write(f"[press]\nDevice={device}\nModel=805\nRate=10\n")
    server = start([server_bin, fleet, "--listen", "127.0.0.1:0"])
    line = server.stderr.readline()
    port = int(re.search(r":(\d+)/", line).group(1))

    # What is served and what is refused; every reply under the Content-Security-Policy.
    chart = os.path.exists("/usr/share/javascript/chart.js/chart.min.js")
    for path, want, head in (
            ("/indicator?i=0", 200, b"<!DOCTYPE html>"), ("/indicator.js", 200, b"'use strict'"),
            ("/chart.js", 200 if chart else 404, b"/*!" if chart else b""),
            ("/download/sheet?i=0", 200, b"%PDF-"), ("/download/data?i=0", 200, b"SQLite format 3\0"),
            ("/indicator?i=1", 404, b""), ("/indicator?i=01", 404, b""), ("/indicator?i=-1", 404, b""),
            ("/indicator?i=+0", 404, b""), ("/indicator?i=", 404, b""), ("/indicator", 404, b""),
            ("/api/indicator?i=9999999999", 404, b""), ("/api/changes?i=0&id=999", 404, b""),
            ("/api/changes?i=0&id=x", 404, b""), ("/download/data?i=1", 404, b"")):
        status, headers, body = get(path)
        if status != want or not body.startswith(head):
            raise SystemExit(f"FAIL: {path}: {status} {body[:20]!r}, wanted {want} {head!r}")
        if status == 200 and "script-src 'self'" not in headers.get("Content-Security-Policy", ""):
            raise SystemExit(f"FAIL: {path} without its Content-Security-Policy")
    disposition = get("/download/sheet?i=0")[1].get("Content-Disposition", "")
    if not disposition.startswith("attachment;") or "press.pdf" not in disposition:
        raise SystemExit(f"FAIL: the sheet's Content-Disposition: {disposition}")

    # The page's data: samples and fills as they come, the set points of the product it runs
    # (from the journal), the snapshots newest first.
    page = wait_for("samples and a fill", lambda: (lambda p: p if len(p["samples"]) >= 3 and p[
        "fills"] else None)(api("/api/indicator?i=0")), 8)
    keys = [p["key"] for p in page.get("setPoints", [])]
    if keys != ["target", "preliminary", "coarse", "over", "under"]:
        raise SystemExit(f"FAIL: set points {page.get('setPoints')}")
    runs = [(s["id"], s["complete"]) for s in page["snapshots"]]
    if [i for i, _ in runs] != sorted((i for i, _ in runs), reverse=True) or len(runs) < 3:
        raise SystemExit(f"FAIL: snapshots {page['snapshots']}")

    # Changes: the write changed one setting; the oldest snapshot has nothing before it.
    changed = [api(f"/api/changes?i=0&id={i}") for i, _ in runs]
    counts = [len(c["changes"]) for c in changed]
    if counts.count(1) != 1 or sum(counts) != 1:
        raise SystemExit(f"FAIL: changes {changed}")
    change = next(c for c in changed if c["changes"])["changes"][0]
    if not change["place"].startswith("W22") or "→" not in change["change"]:
        raise SystemExit(f"FAIL: the change {change}")

    # Each reply in the browser's language, whatever the last one asked.
    for language in ("en-GB,en;q=0.8", "ja", "en", "de-DE"):
        english = language.startswith("en")
        texts = api("/api/texts", language)
        first = api(f"/api/changes?i=0&id={runs[-1][0]}", language)
        ascii_only = all(t.isascii() for t in (texts["title"], texts["chart"], first["summary"]))
        if ascii_only != english or texts["language"] != ("en" if english else "ja"):
            raise SystemExit(f"FAIL: {language}: {texts['title']} {first['summary']}")
        if english and texts["states"].get(page["tile"]["state"]) != "Watching":
            raise SystemExit(f"FAIL: the state in English: {texts['states']}")
    print("ok")
finally:
    end_all(work)
