#!/bin/bash
# bench/extract.sh [RUNS]
# Times the launcher's extraction of two packages under Wine against cp of the
# same package file on the same disk, each followed by sync, and reports the
# median wall time of RUNS runs (default 5) and the peak memory.
#   large: 8 members of 32 MiB of random bytes (256 MiB)
#   small: 1000 members of 4 KiB
# Needs build/windows64/launcher/Setup.exe and build/native/tools/umfpack/umfpack
# (built here; BENCH_WINDOWS64 and BENCH_NATIVE name other build trees of
# those presets); writes only under out/bench/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-5}

windows64=${BENCH_WINDOWS64:-build/windows64}
native=${BENCH_NATIVE:-build/native}
setup_exe=$root/$windows64/launcher/Setup.exe
keeper_exe=$root/$windows64/bench/keep_desktop.exe
floor_exe=$root/$windows64/bench/wine_floor.exe
umfpack=$root/$native/tools/umfpack/umfpack
out=$root/out/bench
prefix=$out/wineprefix

# Setup.exe shows windows: give it a display.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

. "$root/bench/common.sh"
bench_need_tools

if [ ! -x "$umfpack" ]; then
  [ -d "$native" ] || cmake --preset native >/dev/null
  cmake --build "$native" --target umfpack >/dev/null
fi
bench_build_windows64 "$windows64" Setup keep_desktop wine_floor -- "$setup_exe" "$keeper_exe" "$floor_exe"

# Packages, made once and kept.
mkdir -p "$out/data"
make_package() {  # NAME COUNT BYTES
  local dir=$out/data/$1
  [ -f "$dir.UMF" ] && return
  rm -rf "$dir" && mkdir -p "$dir"
  head -c $(($2 * $3)) /dev/urandom | split -b "$3" -d -a 4 - "$dir/m"
  "$umfpack" "$dir.UMF" "$dir"/m* >/dev/null
  rm -rf "$dir"
}
make_package large 8 $((32 * 1024 * 1024))
make_package small 1000 4096
# One member of one byte: the cost of starting the program under Wine, which
# the two packages above pay too.
make_package one 1 1

# One wineserver and Wine's desktop for the whole run, started before any
# timing.
bench_start_wine "$prefix" "$keeper_exe" "$setup_exe"
workdirs="$prefix/drive_c/users/*/Temp/~*.stp"

declare -A median peak count
bench() {  # NAME
  local name=$1 scratch=$out/run/$1
  rm -rf "$scratch" && mkdir -p "$scratch"
  cp "$setup_exe" "$scratch/Setup.exe"
  cp "$out/data/$name.UMF" "$scratch/Setup.UMF"
  local last member size
  last=$("$umfpack" --list "$scratch/Setup.UMF" | tail -n 1)
  size=$(cut -f2 <<<"$last")
  member=$(cut -f3 <<<"$last")
  local once="bench/extract-once.sh '$prefix' '$scratch' '$member' $size"

  count[$name]=$("$umfpack" --list "$scratch/Setup.UMF" | wc -l)
  echo "== $name: ${count[$name]} members, $(stat -c %s "$scratch/Setup.UMF") bytes"
  hyperfine --runs "$runs" --warmup 1 --export-json "$out/$name.json" --style basic \
    --prepare "rm -rf $workdirs" -n setup "$once" \
    --prepare "rm -f '$scratch/copy.UMF'" -n cp "cp '$scratch/Setup.UMF' '$scratch/copy.UMF' && sync"

  rm -rf $workdirs
  bench/extract-once.sh "$prefix" "$scratch" "$member" "$size" "$out/$name.setup.time"
  rm -rf $workdirs "$scratch/copy.UMF"
  /usr/bin/time -v -o "$out/$name.cp.time" sh -c "cp '$scratch/Setup.UMF' '$scratch/copy.UMF' && sync"
  rm -f "$scratch/copy.UMF"

  for side in setup cp; do
    median[$name.$side]=$(jq -r ".results[] | select(.command==\"$side\") | .median" "$out/$name.json")
    peak[$name.$side]=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$out/$name.$side.time")
  done
}
bench large
bench small
bench one
rm -rf $workdirs

bench_wine_floor "$floor_exe" "$runs"

ms() { awk -v s="$1" 'BEGIN { printf "%.1f ms", s * 1000 }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }
echo
echo "Median wall time of $runs runs (each side followed by sync), peak resident memory:"
printf '%-32s %14s %14s %14s   %s\n' "" "Setup.exe" "cp" "ratio" "target"
for name in large small; do
  ratio=$(awk -v a="${median[$name.setup]}" -v b="${median[$name.cp]}" 'BEGIN { printf "%.2fx", a / b }')
  target="<= 2x cp"
  [ $name = small ] && target="<= 1.5 ms per member"
  printf '%-32s %14s %14s %14s   %s\n' "$name: time" "$(ms "${median[$name.setup]}")" \
    "$(ms "${median[$name.cp]}")" "$ratio" "$target"
  printf '%-32s %14s %14s %14s   %s\n' "$name: peak memory" "$(mib "${peak[$name.setup]}")" \
    "$(mib "${peak[$name.cp]}")" "" "< 64 MiB"
done
per_member() { awk -v s="$1" -v n="${count[small]}" 'BEGIN { printf "%.2f ms", s * 1000 / n }'; }
printf '%-32s %14s %14s %14s   %s\n' "small: per member" \
  "$(per_member "${median[small.setup]}")" "$(per_member "${median[small.cp]}")" "" "<= 1.5 ms"
# The same figures without the program's start (the one-byte package).
start=${median[one.setup]}
printf '%-32s %14s\n' "program start (one member)" "$(ms "$start")"
large_net=$(awk -v a="${median[large.setup]}" -v s="$start" 'BEGIN { print a - s }')
printf '%-32s %14s %14s %14s\n' "large: after the start" "$(ms "$large_net")" "$(ms "${median[large.cp]}")" \
  "$(awk -v a="$large_net" -v b="${median[large.cp]}" 'BEGIN { printf "%.2fx", a / b }')"
small_net=$(awk -v a="${median[small.setup]}" -v s="$start" 'BEGIN { print a - s }')
printf '%-32s %14s\n' "small: per member after the start" "$(per_member "$small_net")"
echo
echo "Wine's floor in the same run (wine_floor.exe):"
printf '%-32s %14s\n' "a program showing a window" "$(ms "$FLOOR_WINDOW")"
printf '%-32s %14s\n' "a bare 4 KiB file created" "$FLOOR_FILE ms"
printf '%-32s %14s\n' "large: 2x cp less that start" \
  "$(ms "$(awk -v c="${median[large.cp]}" -v w="$FLOOR_WINDOW" 'BEGIN { print 2 * c - w }')")"
