#!/bin/bash
# The test command: builds every preset and runs every ctest label.
#   tools/test.sh            everything
# Exits non-zero when any build or test fails.
set -u
cd "$(dirname "$0")/.."
root=$PWD

tools/install-deps.sh || exit 1

jobs=$(nproc)
rm -f build/windows*/wineprefix*.restarts
status=0
step() { echo; echo "== $*"; }
run() { "$@" || status=1; }

# 32-bit Windows programs run under Wine only where the kernel can start
# 32-bit Linux programs (Wine's 32-bit loader is one) and Wine's 32-bit half
# is installed (wine_runs_32bit).
. tools/wine-env.sh

step "native: portable logic (ASan/UBSan)"
cmake --preset native >/dev/null && cmake --build --preset native -j "$jobs" || exit 1
run ctest --preset native -j "$jobs"

step "fuzz: readers of package input, bounded runs"
cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j "$jobs" || exit 1
run ctest --preset fuzz -j "$jobs"

# The Windows tests need a display for their windows: one Xvfb for the run.
export -n DISPLAY 2>/dev/null || true
xvfb_run() {
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
}

step "windows: 32-bit build"
cmake --preset windows >/dev/null && cmake --build --preset windows -j "$jobs" || exit 1
if wine_runs_32bit; then
  run xvfb_run ctest --preset windows -j "$jobs"
elif kernel_runs_32bit; then
  echo "Wine's 32-bit half (wine32:i386) is not installed: only the build checks of the 32-bit build run here"
else
  # ctest would have to start every 32-bit test program to list its cases.
  # The checks of the import and export tables are steps of the build
  # (cmake/BinaryChecks.cmake): they have run above.
  echo "this kernel cannot start 32-bit programs: only the build checks of the 32-bit build run here"
fi
tools/wine-run "$root/build/windows/wineprefix" --stop

step "windows64: the same sources, 64-bit, every test under Wine"
cmake --preset windows64 >/dev/null && cmake --build --preset windows64 -j "$jobs" || exit 1
run xvfb_run ctest --preset windows64 -j "$jobs"
tools/wine-run "$root/build/windows64/wineprefix" --stop

# Programs that ended before writing anything and were run again
# (tools/wine-run): shown, so that a pattern in them is not missed.
restarts=$(cat build/windows*/wineprefix*.restarts 2>/dev/null || true)
if [ -n "$restarts" ]; then
  echo
  echo "== test programs that ended with a failure code before writing anything, run again:"
  echo "$restarts"
fi

echo
if [ $status -eq 0 ]; then echo "ALL TESTS PASSED"; else echo "SOME TESTS FAILED"; fi
exit $status
