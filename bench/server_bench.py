#!/usr/bin/env python3
"""rusk-server with 64 simulated indicators paced at 19200 baud, 2 samples/s each, and one
browser (headless Chromium) on the dashboard, for SECONDS (default 60): the server's CPU in per
cent of one core and its resident memory at the end.

usage: server_bench.py RUSK_SERVER RUSK_SIM CHROMIUM [SECONDS]"""
import os
import re
import subprocess
import sys
import tempfile
import time

from plant import end_all, start_plant

server_bin, sim_bin, chromium = sys.argv[1:4]
seconds = float(sys.argv[4]) if len(sys.argv) > 4 else 60
count = 64
work = tempfile.mkdtemp(prefix="rusk-server-bench-")
procs = []
tick = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / tick


def rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        return int(re.search(r"VmRSS:\s+(\d+)", f.read()).group(1)) / 1024


try:
    server, port = start_plant(sim_bin, server_bin, count, work, procs)
    browser = subprocess.Popen([chromium, "--headless", "--no-sandbox", "--disable-gpu",
                                f"--user-data-dir={work}/profile",
                                "--remote-debugging-port=0", f"http://127.0.0.1:{port}/"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    procs.append(browser)
    time.sleep(3)  # a benchmark's warm-up, not a test's wait
    start_cpu, start = cpu_seconds(server.pid), time.monotonic()
    time.sleep(seconds)
    used = cpu_seconds(server.pid) - start_cpu
    elapsed = time.monotonic() - start
    print(f"figure server_64_cpu_percent {100 * used / elapsed:.1f} %")
    print(f"figure server_64_rss_mb {rss_mb(server.pid):.1f} MB")
finally:
    end_all(procs)
