#!/usr/bin/env bash
# Builds the Debian package of rusk (rusk, rusk-cli, rusk-sim, the Access helper, desktop entry,
# icons, metainfo and manual pages, installed under /usr) into $BUILD_DIR/package, then checks
# it with lintian when present. Dependencies come from dpkg-shlibdeps.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
configure=(-DRUSK_WERROR=ON)
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  command -v ninja >/dev/null 2>&1 && configure=(-G Ninja "${configure[@]}")
  configure+=(-DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}")
  command -v ccache >/dev/null 2>&1 && configure+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
cmake -S . -B "$BUILD_DIR" "${configure[@]}"
cmake --build "$BUILD_DIR" -j"${JOBS:-2}" \
  --target rusk rusk-cli rusk-sim rusk-mdb-dump rusk_install_data
cpack --config "$BUILD_DIR/CPackConfig.cmake" -B "$BUILD_DIR/package"
deb=$(ls -t "$BUILD_DIR"/package/*.deb | head -n 1)
echo "package: $deb"
if command -v lintian >/dev/null 2>&1; then
  lintian --tag-display-limit 0 "$deb" || true
fi
