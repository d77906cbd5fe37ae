#!/bin/sh
# wine_run_test.sh WINE-RUN PREFIX PROBE
# The Wine runner passes a program's output on while the program runs, and
# runs once more a program that failed before it wrote anything, noting it
# in PREFIX.restarts.
set -u
wine_run=$1 prefix=$2 probe=$3
scratch=$(mktemp -d)
trap '"$wine_run" "$prefix" --stop; rm -rf "$scratch"' EXIT
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

# A failure without any output is taken as a failed start: run again, noted.
rm -f "$prefix.restarts"
rc=0
out=$("$wine_run" "$prefix" "$probe" "$(windows "$scratch/mark")" 2>&1) || rc=$?
[ $rc -eq 0 ] || fail "run again: exit code $rc"
[ "$(printf '%s' "$out" | tr -d '\r')" = "second run" ] || fail "run again: output '$out'"
grep -q "exit code 3 without output, run again" "$prefix.restarts" || fail "no note in $prefix.restarts"
echo "passed"
