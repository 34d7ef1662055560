#!/usr/bin/python3
"""The dashboard of rusk-server watching 64 simulated indicators paced at 19200 baud, 2 samples/s
each, in headless Chromium driven by Selenium (Debian's python3-selenium: run with the system's
python3):

- dashboard_load_ms: from the start of a page load to all 64 tiles showing a weight, median of
  LOADS (default 7) loads;
- dashboard_push_ms: the 95th percentile, over SECONDS (default 30) with the page open, of the
  time from a sample's last reply to the WebSocket frames carrying it being sent (measured inside
  the server: RUSK_SERVER_PUSH_TIMES makes it tell its percentiles on standard error at its end).

usage: dashboard_bench.py RUSK_SERVER RUSK_SIM [CHROMEDRIVER [SECONDS [LOADS]]]"""
import re
import signal
import statistics
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

from plant import end_all, start_plant

server_bin, sim_bin = sys.argv[1:3]
chromedriver = sys.argv[3] if len(sys.argv) > 3 else "/usr/bin/chromedriver"
seconds = float(sys.argv[4]) if len(sys.argv) > 4 else 30
loads = int(sys.argv[5]) if len(sys.argv) > 5 else 7
count = 64
work = tempfile.mkdtemp(prefix="rusk-dashboard-bench-")
procs = []
driver = None

# Resolves with the time since the page's load began once every tile shows a weight.
ALL_TILES = """const done = arguments[arguments.length - 1];
const count = arguments[0];
(function look() {
  const weights = [...document.querySelectorAll('section.tile .weight')];
  if (weights.length === count && weights.every((w) => /\\d/.test(w.textContent)))
    done(performance.now());
  else
    requestAnimationFrame(look);
})();"""

try:
    server, port = start_plant(sim_bin, server_bin, count, work, procs,
                               RUSK_SERVER_PUSH_TIMES="1")
    url = f"http://127.0.0.1:{port}/"

    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1366,768",
                     f"--user-data-dir={work}/profile"):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service(chromedriver), options=options)
    driver.set_script_timeout(30)
    time.sleep(3)  # a benchmark's warm-up: every indicator answering
    times = []
    for _ in range(loads + 1):
        driver.get("about:blank")
        driver.get(url)
        times.append(driver.execute_async_script(ALL_TILES, count))
    # The first load starts the browser's own caches: not counted.
    print(f"figure dashboard_load_ms {statistics.median(times[1:]):.0f} ms")

    time.sleep(seconds)  # the page open, the frames pushed
    driver.quit()
    driver = None
    server.send_signal(signal.SIGTERM)
    _, rest = server.communicate(timeout=10)
    found = re.search(r"push_ms p50 (\S+) p95 (\S+) max (\S+) count (\d+)", rest)
    if not found:
        raise SystemExit(f"no push times from the server: {rest}")
    print(f"figure dashboard_push_ms {float(found.group(2)):.3f} ms")
    print(f"# push p50 {found.group(1)} ms, max {found.group(3)} ms, {found.group(4)} frames; "
          f"loads {', '.join(f'{t:.0f}' for t in times)} ms")
finally:
    if driver:
        driver.quit()
    end_all(procs)
