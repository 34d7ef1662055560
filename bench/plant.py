"""What the server's benchmarks share: a paced simulator playing `count` indicators, a fleet
file of them and rusk-server watching it, which sees no password the user stored; and their
end."""
import os
import re
import subprocess


def start_plant(sim_bin, server_bin, count, work, procs, **env):
    """Starts the simulators and the server; returns the server and the port it listens on."""
    sim = subprocess.Popen([sim_bin, "--count", str(count), "--baud", "19200"],
                           stdout=subprocess.PIPE, text=True)
    procs.append(sim)
    devices = [sim.stdout.readline().strip() for _ in range(count)]
    fleet = os.path.join(work, "fleet.ini")
    with open(fleet, "w") as f:
        for i, device in enumerate(devices):
            f.write(f"[line{i + 1}]\nDevice={device}\nModel=805\nRate=2\n")
    server = subprocess.Popen([server_bin, fleet, "--listen", "127.0.0.1:0"],
                              stderr=subprocess.PIPE, text=True,
                              env=dict(os.environ, XDG_DATA_HOME=work, XDG_CONFIG_HOME=work,
                                       **env))
    procs.append(server)
    return server, int(re.search(r":(\d+)/", server.stderr.readline()).group(1))


def end_all(procs):
    """Ends every process started, the last first: asked to, then made to."""
    for p in reversed(procs):
        if p.poll() is None:
            p.terminate()
            try:
                p.wait(timeout=5)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()
