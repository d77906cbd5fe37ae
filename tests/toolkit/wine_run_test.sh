#!/bin/sh
# wine_run_test.sh WINE-RUN PREFIX PROBE
# The Wine runner passes a program's output on while the program runs, and
# runs once more a program that failed before it wrote anything, noting it
# in PREFIX.restarts.
set -u
wine_run=$1 prefix=$2 probe=$3
scratch=$(mktemp -d)
# The note of the deliberate second run goes too: tools/test.sh shows the
# notes of every prefix.
trap '"$wine_run" "$prefix" --stop; rm -rf "$scratch" "$prefix.restarts"' EXIT
windows() { printf 'Z:%s' "$1" | tr / '\\'; }
fail() { echo "FAILED: $*"; exit 1; }

# The first line shows while the program still waits for the go-ahead.
"$wine_run" "$prefix" "$probe" "$(windows "$scratch/go")" done >"$scratch/out" 2>"$scratch/err" &
runner=$!
i=0
until grep -q '^before the wait' "$scratch/out" 2>/dev/null; do
  i=$((i + 1))
  [ $i -le 600 ] || { touch "$scratch/go"; wait $runner; fail "no output while the program ran"; }
  sleep 0.1
done
touch "$scratch/go"
rc=0
wait $runner || rc=$?
[ $rc -eq 0 ] || fail "exit code $rc"
printf 'before the wait\nafter the wait\n' | tr -d '\r' >"$scratch/expected"
tr -d '\r' <"$scratch/out" | cmp -s - "$scratch/expected" || fail "output: $(cat "$scratch/out")"
[ ! -s "$scratch/err" ] || fail "error output: $(cat "$scratch/err")"

# Stopped at a time limit, the runner takes the program with it, and whoever
# reads its output is not kept waiting for the program's end.
( "$wine_run" "$prefix" "$probe" "$(windows "$scratch/never")" done & echo $! >"$scratch/runner"; wait ) 2>&1 |
  { cat >"$scratch/out"; touch "$scratch/closed"; } &
i=0
until grep -q '^before the wait' "$scratch/out" 2>/dev/null; do
  i=$((i + 1))
  [ $i -le 600 ] || fail "stopped runner: no output while the program ran"
  sleep 0.1
done
kill -9 "$(cat "$scratch/runner")"
i=0
until [ -e "$scratch/closed" ]; do
  i=$((i + 1))
  [ $i -le 300 ] || fail "stopped runner: its output stays open while the program runs on"
  sleep 0.1
done

# A failure without any output is taken as a failed start: run again, noted.
rm -f "$prefix.restarts"
rc=0
out=$("$wine_run" "$prefix" "$probe" "$(windows "$scratch/mark")" 2>&1) || rc=$?
[ $rc -eq 0 ] || fail "run again: exit code $rc"
[ "$(printf '%s' "$out" | tr -d '\r')" = "second run" ] || fail "run again: output '$out'"
grep -q "exit code 3 without output, run again" "$prefix.restarts" || fail "no note in $prefix.restarts"
echo "passed"
