#!/usr/bin/env bash
# Installs every Debian package the project needs. Safe to run again; asks nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libqt6sql6-sqlite qt6-translations-l10n
  qt6-l10n-tools qt6-tools-dev
  libgl-dev
  mdbtools libmdb3 libmdbsql3 mdbtools-dev
  xvfb xauth x11-utils imagemagick fonts-ipafont-gothic
  clang-format clang
  qt6-charts-dev libqt6opengl6-dev poppler-utils
  desktop-file-utils appstream lintian dpkg-dev librsvg2-bin
  ccache
  qt6-httpserver-dev qt6-websockets-dev prometheus chromium chromium-driver python3-selenium
  libjs-chart.js
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
