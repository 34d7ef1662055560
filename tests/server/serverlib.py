"""What the checks of rusk-server share: the processes they start (ended, with the work folder,
by end_all), waiting for a condition with a bound, and the requests a simulated indicator was
sent, which must all be reads."""
import re
import shutil
import subprocess
import time

procs = []
# Live data, "W00" alone (the current product) and codes alone (the settings check's reads):
# never a value, never a product selected.
READ_REQUEST = re.compile(r"R[A-Z]|W[0-9][0-9A-F]")


def start(args, **kw):
    p = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, **kw)
    procs.append(p)
    return p


def wait_for(what, condition, bound_s):
    end = time.monotonic() + bound_s
    while time.monotonic() < end:
        got = condition()
        if got:
            return got
        time.sleep(0.05)
    raise SystemExit(f"FAIL: {what} not within {bound_s} s")


def sent_requests(log, since=0):
    """The requests in a simulator's --log from character `since` on, each checked to be a
    read."""
    with open(log) as f:
        requests = f.read()[since:].split()
    for request in requests:
        if not READ_REQUEST.fullmatch(request):
            raise SystemExit(f"FAIL: {log} shows {request!r} sent")
    return requests


def end_all(work=None):
    for p in procs:
        if p.poll() is None:
            p.kill()
            p.wait()
    if work:
        shutil.rmtree(work, ignore_errors=True)
