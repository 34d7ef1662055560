#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR), warnings failing the build. Further
# arguments go to CMake (as -DRUSK_SANITIZE=address); $BUILD_TYPE (RelWithDebInfo) applies when
# the folder is first configured; $JOBS (2) parallel jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
configure=(-DRUSK_WERROR=ON "$@")
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  command -v ninja >/dev/null 2>&1 && configure=(-G Ninja "${configure[@]}")
  configure+=(-DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}")
  # ccache keeps compiled objects across clean builds.
  command -v ccache >/dev/null 2>&1 && configure+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$BUILD_DIR" "${configure[@]}"
cmake --build "$BUILD_DIR" -j"${JOBS:-2}"
