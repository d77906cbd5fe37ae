#!/bin/sh
# Longer fuzzing campaigns: runs every fuzz target (or the ones named) for the
# given time each, each from its own corpus out/fuzz/<target>/corpus, first
# filled from fuzz/corpus/<target> and then kept, so that a later campaign
# goes on where this one stopped. Crashes, leaks, time-outs and
# out-of-memory inputs land in out/fuzz/<target>/ and are listed at the end;
# the exit status is 1 when there is any.
#
#   fuzz/campaign.sh [-t seconds-per-target] [-b build-dir] [-j jobs] [target...]
#
# The build directory holds a build with -DSETUP_FUZZ=ON (default build/fuzz,
# the fuzz preset's); it is built first. Run from anywhere.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=600
build="$root/build/fuzz"
jobs=1
while getopts t:b:j: opt; do
  case $opt in
    t) seconds=$OPTARG ;;
    b) build=$(cd "$OPTARG" && pwd) ;;
    j) jobs=$OPTARG ;;
    *) echo "usage: $0 [-t seconds] [-b build-dir] [-j jobs] [target...]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "no fuzz build in $build: cmake --preset fuzz (or -DSETUP_FUZZ=ON with clang)" >&2
  exit 2
fi
cmake --build "$build" >/dev/null

if [ $# -eq 0 ]; then
  set -- $(cd "$root/fuzz" && sed -n 's/^setup_fuzzer(\([a-z_]*\) .*/\1/p' CMakeLists.txt)
fi

status=0
for target in "$@"; do
  exe="$build/fuzz/$target"
  if [ ! -x "$exe" ]; then
    echo "$target: not built in $build" >&2
    status=1
    continue
  fi
  out="$root/out/fuzz/$target"
  mkdir -p "$out/corpus"
  if [ -d "$root/fuzz/corpus/$target" ]; then
    cp -n "$root/fuzz/corpus/$target"/* "$out/corpus/" 2>/dev/null || true
  fi
  echo "== $target: $seconds s, corpus $out/corpus"
  # -jobs runs that many processes side by side, each for the whole time.
  if [ "$jobs" -gt 1 ]; then
    (cd "$out" && "$exe" -max_total_time="$seconds" -timeout=10 -jobs="$jobs" -workers="$jobs" \
      -artifact_prefix="$out/" corpus >"$out/run.log" 2>&1) || true
  else
    "$exe" -max_total_time="$seconds" -timeout=10 -artifact_prefix="$out/" "$out/corpus" \
      >"$out/run.log" 2>&1 || true
  fi
  grep -E '^#[0-9]+.*DONE|^Done' "$out/run.log" "$out"/fuzz-*.log 2>/dev/null | tail -n 1 || true
done

echo "== findings"
found=$(cd "$root/out/fuzz" && ls -d */crash-* */leak-* */timeout-* */oom-* */slow-unit-* 2>/dev/null || true)
if [ -n "$found" ]; then
  echo "$found" | while read -r f; do echo "out/fuzz/$f"; done
  echo "reproduce: <build>/fuzz/<target> out/fuzz/<target>/<file>"
  status=1
else
  echo "none"
fi
exit $status
