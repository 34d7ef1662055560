#!/usr/bin/env bash
# Runs one fuzz target for a while, building the fuzz targets first where needed:
#   scripts/fuzz.sh TARGET [SECONDS] [libFuzzer options ...]
# TARGET is one of fuzz/fuzz_*.cpp (fuzz_link, fuzz_decoding, fuzz_ini, fuzz_datafile,
# fuzz_datafile_sqlite, fuzz_mdb_dump, fuzz_fleet), or "all" for each in turn. SECONDS is 600 unless given.
# The build is clang with libFuzzer, ASan and UBSan, in build-fuzz/ (or $FUZZ_BUILD_DIR).
# The seeds in fuzz/corpus/TARGET/ are read, never written: new inputs go to
# $FUZZ_BUILD_DIR/corpus/TARGET/, and a finding to $FUZZ_BUILD_DIR/findings/TARGET/, with a
# non-zero exit. Replay a finding with: $FUZZ_BUILD_DIR/fuzz/TARGET FILE
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ]; then
  sed -n '2,10p' "$0" | sed 's/^# \{0,1\}//'
  exit 2
fi
target=$1
seconds=${2:-600}
shift $(($# < 2 ? 1 : 2))
BUILD=${FUZZ_BUILD_DIR:-build-fuzz}
targets=(fuzz_link fuzz_decoding fuzz_ini fuzz_datafile fuzz_datafile_sqlite fuzz_mdb_dump fuzz_fleet)
if [ "$target" = all ]; then
  status=0
  for t in "${targets[@]}"; do bash "$0" "$t" "$seconds" "$@" || status=1; done
  exit "$status"
fi
if [ ! -f "fuzz/$target.cpp" ]; then
  echo "fuzz.sh: no target $target (fuzz/$target.cpp)" >&2
  exit 2
fi

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  configure=(-DRUSK_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
    -DCMAKE_BUILD_TYPE=RelWithDebInfo)
  command -v ninja >/dev/null 2>&1 && configure=(-G Ninja "${configure[@]}")
  command -v ccache >/dev/null 2>&1 && configure+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$BUILD" "${configure[@]}"
fi
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
cmake --build "$BUILD" --target "$target" -j"${JOBS:-2}"

mkdir -p "$BUILD/corpus/$target" "$BUILD/findings/$target"
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0}
export QT_QPA_PLATFORM=offscreen
# An input may take up to the Access helper's own 20 s limit; longer is a hang.
"$BUILD/fuzz/$target" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
  -artifact_prefix="$BUILD/findings/$target/" "$@" "$BUILD/corpus/$target" "fuzz/corpus/$target"
