#!/usr/bin/env bash
# Sets up, builds, starts the simulated indicator and opens the program connected to it.
# Closing the window stops the simulator.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
bin="$BUILD_DIR"

link="${XDG_RUNTIME_DIR:-/tmp}/rusk-sim-$(id -u)"
sim_log=$(mktemp)
"$bin/tools/rusk-sim" --link "$link" --model "${RUSK_SIM_MODEL:-805}" >"$sim_log" 2>&1 &
sim_pid=$!
cleanup() { kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; rm -f "$sim_log"; }
trap cleanup EXIT INT TERM

for _ in $(seq 1 100); do
  [ -s "$sim_log" ] && break
  sleep 0.05
done
echo "Simulated indicator on $(head -n 1 "$sim_log") (also $link)"

# The program keeps Rusk.INI beside its executable; point port Com1 at the simulator.
"$bin/tools/rusk-ini" "$bin/Rusk.INI" Devices Com1 "$link"

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: running the window under xvfb-run (nothing will be visible)." >&2
  exec_cmd=(xvfb-run -a -s "-screen 0 1280x1024x24" "$bin/rusk")
else
  exec_cmd=("$bin/rusk")
fi
"${exec_cmd[@]}"
