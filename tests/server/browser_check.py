#!/usr/bin/python3
"""The dashboard in headless Chromium driven by Selenium, against rusk-server and simulated
indicators: a tile per indicator, names shown as text, a weight that follows the simulator;
then an indicator's page, reached from its tile, in the browser's language (English), with its
chart drawn and its live weight moving, and the same page without the chart library.

usage: browser_check.py RUSK_SERVER RUSK_SIM CHROMEDRIVER
Exits 77 (skipped) when Selenium or chromedriver is missing."""
import os
import re
import subprocess
import sys
import tempfile

SKIP = 77
server_bin, sim_bin, chromedriver = sys.argv[1:4]
try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    print("skipped: python3-selenium is not installed")
    sys.exit(SKIP)
if not os.access(chromedriver, os.X_OK):
    print("skipped: chromedriver is not installed")
    sys.exit(SKIP)

work = tempfile.mkdtemp(prefix="rusk-browser-test-")
procs = []
NUMBER = re.compile(r"-?\d+(\.\d+)?")


def start(args):
    p = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                         env=dict(os.environ, XDG_DATA_HOME=work))
    procs.append(p)
    return p


def until(driver, what, condition, bound_s=10):
    try:
        return WebDriverWait(driver, bound_s, poll_frequency=0.1).until(lambda d: condition())
    except Exception as e:
        shown = driver.execute_script("return document.body.innerText")
        raise SystemExit(f"FAIL: {what} not within {bound_s} s ({type(e).__name__}); "
                         f"the page shows: {shown!r}")


def tiles(driver):
    """The weights the overview shows, by tile name."""
    shown = {}
    for tile in driver.find_elements(By.CSS_SELECTOR, "section.tile"):
        name = tile.find_element(By.CSS_SELECTOR, ".name a").text
        shown[name] = tile.find_element(By.CSS_SELECTOR, ".weight").text
    return shown


driver = None
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
    url = f"http://127.0.0.1:{found.group(1)}/"

    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--lang=en-US",
                     "--window-size=1366,768", f"--user-data-dir={work}/profile"):
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"intl.accept_languages": "en-US,en"})
    driver = webdriver.Chrome(service=Service(chromedriver), options=options)
    driver.get(url)

    # Names are shown as text: an entity in a name stays as written.
    first = until(driver, "a numeric weight on both tiles", lambda: (lambda t: t if sorted(t) == [
        "x&amp;0", "x&amp;1"] and all(NUMBER.fullmatch(w) for w in t.values()) else None)(
        tiles(driver)))
    until(driver, "the weight following the simulator",
          lambda: tiles(driver)["x&amp;0"] != first["x&amp;0"])

    driver.find_element(By.LINK_TEXT, "x&amp;0").click()
    until(driver, "the indicator's page", lambda: "/indicator?i=0" in driver.current_url)
    until(driver, "the page's title", lambda: driver.find_element(By.ID, "title").text == "x&amp;0")
    if driver.find_element(By.TAG_NAME, "html").get_attribute("lang") != "en":
        raise SystemExit("FAIL: the page is not in the browser's language")
    # The chart drew a curve: some pixels of its canvas are painted.
    painted = """const c = document.getElementById('chart');
        if (c.dataset.drawn !== 'true' || Number(c.dataset.points) < 3) return 0;
        const px = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
        let n = 0;
        for (let i = 3; i < px.length; i += 4) if (px[i] !== 0) ++n;
        return n;"""
    until(driver, "the chart drawn", lambda: driver.execute_script(painted) > 1000)
    weight = driver.find_element(By.ID, "weight").text
    until(driver, "the page's weight moving", lambda: driver.find_element(By.ID, "weight").text
          not in ("", weight))

    # Without the chart library the page still shows the rest, and says why there is no chart.
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": ["*chart.js*"]})
    driver.refresh()
    until(driver, "the note on the missing chart",
          lambda: driver.find_element(By.ID, "chartNote").is_displayed()
          and not driver.find_element(By.ID, "chart").is_displayed()
          and driver.find_element(By.ID, "weight").text != "")
    if driver.find_element(By.ID, "title").text != "x&amp;0":
        raise SystemExit("FAIL: the page without its chart")
    print("ok")
finally:
    if driver:
        driver.quit()
    for p in procs:
        if p.poll() is None:
            p.kill()
            p.wait()
