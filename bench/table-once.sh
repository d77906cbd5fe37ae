#!/bin/bash
# bench/table-once.sh PREFIX SCRATCH INSTALL [TIMEFILE]
# One whole unpack and install, in one process as Setup.exe runs it:
# SCRATCH/install_bench.exe --whole (beside SCRATCH/Setup.UMF) unpacks the
# package into a new work folder in the prefix's temporary folder, hands over
# to the wizard window and installs into the folder INSTALL (a Linux path;
# the program sees it on drive Z:), then the disk is flushed with sync. The
# program ends by itself once the installation has shown its end message.
# With TIMEFILE, the program runs under /usr/bin/time -v, which writes its
# figures there. Exit code: the program's.
set -u
prefix=$1 scratch=$2 install=$3 timefile=${4:-}
root=$(cd "$(dirname "$0")/.." && pwd)
# The prefix is made and its wineserver runs: Wine's loader starts the
# program directly.
. "$root/bench/common.sh"
export WINEPREFIX="$prefix"
exe=$scratch/install_bench.exe
loader=$(bench_loader "$exe")
target="Z:${install//\//\\}"

if [ -n "$timefile" ]; then
  /usr/bin/time -v -o "$timefile" "$loader" "$exe" --whole "$target"
else
  "$loader" "$exe" --whole "$target"
fi
status=$?
sync
exit $status
