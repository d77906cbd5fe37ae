#!/bin/bash
# bench/install-once.sh PREFIX EXE WORK INSTALL [TIMEFILE]
# One timed installation: runs EXE (install_bench.exe) under Wine in PREFIX,
# installing the work folder WORK into the folder INSTALL (both Linux paths;
# the program sees them on drive Z:), then flushes the disk with sync. The
# program ends by itself once the installation has shown its end message.
# With TIMEFILE, the program runs under /usr/bin/time -v, which writes its
# figures there. Exit code: the program's.
set -u
prefix=$1 exe=$2 work=$3 install=$4 timefile=${5:-}
root=$(cd "$(dirname "$0")/.." && pwd)
# The prefix is made and its wineserver runs: Wine's loader starts the
# program directly.
. "$root/bench/common.sh"
export WINEPREFIX="$prefix"
loader=$(bench_loader "$exe")

winpath() { printf 'Z:%s' "${1//\//\\}"; }

if [ -n "$timefile" ]; then
  /usr/bin/time -v -o "$timefile" "$loader" "$exe" "$(winpath "$work")" "$(winpath "$install")"
else
  "$loader" "$exe" "$(winpath "$work")" "$(winpath "$install")"
fi
status=$?
sync
exit $status
