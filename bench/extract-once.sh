#!/bin/bash
# bench/extract-once.sh PREFIX SCRATCH MEMBER SIZE [TIMEFILE]
# One timed extraction: starts SCRATCH/Setup.exe under Wine in PREFIX, waits
# until the package's last member MEMBER has its SIZE bytes in the work
# folder's "files", flushes the disk with sync and ends the program (which
# would go on to the wizard). With TIMEFILE, the program runs under
# /usr/bin/time -v, which writes its figures there.
set -u
prefix=$1 scratch=$2 member=$3 size=$4 timefile=${5:-}
root=$(cd "$(dirname "$0")/.." && pwd)
# The prefix is made and its wineserver runs: Wine's loader starts the
# program directly, as a user's click would.
. "$root/bench/common.sh"
export WINEPREFIX="$prefix"
loader=$(bench_loader "$scratch/Setup.exe")

if [ -n "$timefile" ]; then
  /usr/bin/time -v -o "$timefile" "$loader" "$scratch/Setup.exe" >/dev/null 2>&1 &
  timer=$!
  # The program is the timer's child.
  for _ in $(seq 200); do
    pid=$(ps -o pid= --ppid "$timer" | tr -d ' ')
    [ -n "$pid" ] && break
    sleep 0.01
  done
else
  "$loader" "$scratch/Setup.exe" >/dev/null 2>&1 &
  pid=$!
  timer=$pid
fi

done=
deadline=$((SECONDS + 120))
while [ -z "$done" ]; do
  for f in "$prefix"/drive_c/users/*/Temp/~*.stp/files/"$member"; do
    if [ -f "$f" ] && [ "$(stat -c %s "$f")" = "$size" ]; then done=1; fi
  done
  [ -n "$done" ] && break
  if ! kill -0 "$pid" 2>/dev/null || [ $SECONDS -gt $deadline ]; then
    echo "extract-once: Setup.exe ended or stalled before $member was unpacked" >&2
    kill -KILL "$pid" 2>/dev/null
    wait "$timer" 2>/dev/null
    exit 1
  fi
  sleep 0.005
done
sync
kill -KILL "$pid" 2>/dev/null
wait "$timer" 2>/dev/null
exit 0
