#!/bin/bash
# bench/floor-once.sh PREFIX EXE MARKER
# One timed start of wine_floor.exe (EXE) under Wine in PREFIX: it shows its
# window and then creates MARKER (a path on drive Z:, the same in both
# worlds); the script waits for MARKER and ends the program.
set -u
prefix=$1 exe=$2 marker=$3
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/bench/common.sh"
export WINEPREFIX="$prefix"
loader=$(bench_loader "$exe")
rm -f "$marker"
"$loader" "$exe" window "Z:${marker//\//\\}" >/dev/null 2>&1 &
pid=$!
deadline=$((SECONDS + 60))
until [ -f "$marker" ]; do
  if ! kill -0 "$pid" 2>/dev/null || [ $SECONDS -gt $deadline ]; then
    echo "floor-once: wine_floor.exe ended or stalled before showing its window" >&2
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    exit 1
  fi
  sleep 0.005
done
kill -KILL "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit 0
