#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ (or
# $BUILD_DIR) and runs every test under them without a display. The simulator processes the
# tests start are built and run the same way. Any sanitizer report fails the run: reports go to
# files (the simulators' stderr is not shown), which are printed at the end. Leaks inside system
# libraries are suppressed by tests/sanitizers/lsan.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
BUILD_DIR=${BUILD_DIR:-build-asan}
start=$(date +%s)
BUILD_DIR=$BUILD_DIR BUILD_TYPE=${BUILD_TYPE:-Debug} bash scripts/build.sh \
  -DRUSK_SANITIZE="address;undefined"
built=$(date +%s)

reports=$PWD/$BUILD_DIR/sanitizer-reports
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:log_path=$reports/asan"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$reports/ubsan"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
status=0
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"${JOBS:-2}" || status=$?
end=$(date +%s)

for report in "$reports"/*; do
  [ -e "$report" ] || continue
  echo "=== sanitizer report $(basename "$report")"
  cat "$report"
  status=1
done
echo "ASan+UBSan: build $((built - start)) s, tests $((end - built)) s"
exit "$status"
