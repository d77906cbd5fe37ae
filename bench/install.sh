#!/bin/bash
# bench/install.sh [RUNS]
# Times whole installations by the wizard's progress page under Wine
# (install_bench.exe: the wizard window shown, its labels and bars drawn for
# every block) against cp of the same payload files on the same disk, each
# followed by sync, and reports the median wall time of RUNS runs (default
# 5) and the peak memory.
#   large: 8 files of 32 MiB of random bytes (256 MiB)
#   small: 1000 files of 4 KiB
#   one:   one file of one byte (the program's start and the fixed steps)
# Needs build/windows64/bench/install_bench.exe with the shell component and
# the stand-ins of that build (built here; BENCH_WINDOWS64 names another
# build tree of that preset); writes only under out/bench/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-5}

windows64=${BENCH_WINDOWS64:-build/windows64}
bench_exe=$root/$windows64/bench/install_bench.exe
keeper_exe=$root/$windows64/bench/keep_desktop.exe
floor_exe=$root/$windows64/bench/wine_floor.exe
qx_shell=$root/$windows64/shell/qx_shell.dll
appremove=$root/$windows64/standins/appremove.dll
msvbvm50=$root/$windows64/standins/MsVBvm50.dll
out=$root/out/bench
prefix=$out/wineprefix

# The wizard window needs a display.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

. "$root/bench/common.sh"
bench_need_tools

bench_build_windows64 "$windows64" install_bench keep_desktop wine_floor qx_shell standin_appremove standin_msvbvm50 \
  -- "$bench_exe" "$keeper_exe" "$floor_exe" "$qx_shell" "$appremove" "$msvbvm50"

# Payloads, made once and kept under out/bench/data/install-NAME/.
mkdir -p "$out/data"
bench_make_payload large 8 $((32 * 1024 * 1024))
bench_make_payload small 1000 4096
bench_make_payload one 1 1

# The setup's own files of a work folder for payload NAME, as the launcher
# leaves them (without "files", which each run links in from the payload).
crlf() { printf '%s\r\n' "$@"; }
make_master() {  # NAME
  local name=$1 master=$out/run/install-$1/master data=$out/data/install-$1
  rm -rf "$master" && mkdir -p "$master"
  local total first
  total=$(du -cb "$data"/m* | tail -n 1 | cut -f1)
  first=$(basename "$(ls "$data"/m* | head -n 1)")
  # Setup.dip: each value begins at its label's fixed column.
  crlf "App: Bench $name" "Descrizione:     Benchmark" "Produttore:  Velmarind" \
    "Gruppo:       Velmarind Bench" "Vers.:  1.0" "Cartella:    Bench" "Dimensione: $total" \
    "Eseguib.:$first" "Database:" "Gruppo L:" "Icona:   $first" >"$master/Setup.dip"
  # Setup.ftc and Settings.lrk in code page 1252: the token marks are byte A7.
  local mark=$'\xa7\xa7'
  for f in "$data"/m*; do
    crlf "$(basename "$f");${mark}QX_App_Path${mark};1"
  done >"$master/Setup.ftc"
  crlf "REGEDIT4" "" "[HKEY_CURRENT_USER\\Software\\Velmarind Bench]" \
    "\"Cartella\"=\"${mark}QX_App_Path${mark}\"" >"$master/Settings.lrk"
  crlf "Benvenuti in @." >"$master/Welcome.txt"
  crlf "Licenza." >"$master/Licence.txt"
  cp "$qx_shell" "$master/qx_shell.dll"
  cp "$appremove" "$master/AppRemove.dll"
  cp "$msvbvm50" "$master/MsVBvm50.dll"
}

# One wineserver and Wine's desktop for the whole run, started before any
# timing.
bench_start_wine "$prefix" "$keeper_exe" "$bench_exe"

declare -A median peak count
bench() {  # NAME
  local name=$1 scratch=$out/run/install-$1 data=$out/data/install-$1
  make_master "$name"
  local work=$scratch/work install=$scratch/install copy=$scratch/copy
  # The end of every installation empties the work folder: each run gets a
  # fresh one, its payload hard-linked to the kept files (no copy to wait for).
  local fresh="rm -rf '$work' '$install' && mkdir '$work' && cp '$scratch/master/'* '$work/' && cp -al '$data' '$work/files'"
  local once="bench/install-once.sh '$prefix' '$bench_exe' '$work' '$install'"

  count[$name]=$(ls "$data" | wc -l)
  echo "== $name: ${count[$name]} files, $(du -cb "$data"/m* | tail -n 1 | cut -f1) bytes"
  hyperfine --runs "$runs" --warmup 1 --export-json "$out/install-$name.json" --style basic \
    --prepare "$fresh" -n setup "$once" \
    --prepare "rm -rf '$copy'" -n cp "cp -r '$data' '$copy' && sync"

  # Once more for the peak memory, and to see that it installed everything.
  rm -rf "$copy"
  sh -c "$fresh"
  if ! bench/install-once.sh "$prefix" "$bench_exe" "$work" "$install" "$out/install-$name.setup.time" \
      >"$out/install-$name.log" 2>&1; then
    echo "bench: install_bench.exe failed (see $out/install-$name.log)" >&2
    exit 1
  fi
  local f
  for f in "$data"/m*; do
    cmp -s "$f" "$install/$(basename "$f")" || { echo "bench: $(basename "$f") was not installed" >&2; exit 1; }
  done
  if [ "$(grep -c 'message box' "$out/install-$name.log")" != 1 ] ||
     ! grep -q 'message box: Installazione completata\.' "$out/install-$name.log"; then
    echo "bench: unexpected messages (see $out/install-$name.log)" >&2
    exit 1
  fi
  /usr/bin/time -v -o "$out/install-$name.cp.time" sh -c "cp -r '$data' '$copy' && sync"
  rm -rf "$copy" "$work" "$install"

  for side in setup cp; do
    median[$name.$side]=$(jq -r ".results[] | select(.command==\"$side\") | .median" "$out/install-$name.json")
    peak[$name.$side]=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$out/install-$name.$side.time")
  done
}
bench large
bench small
bench one
bench_wine_floor "$floor_exe" "$runs"

ms() { awk -v s="$1" 'BEGIN { printf "%.1f ms", s * 1000 }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
per_file() { awk -v s="$1" -v n="${count[small]}" 'BEGIN { printf "%.2f ms", s * 1000 / n }'; }
row() { printf '%-34s %14s %14s %14s   %s\n' "$@"; }
echo
echo "Median wall time of $runs runs (each side followed by sync), peak resident memory:"
row "" "install" "cp" "ratio" "target"
row "large: time" "$(ms "${median[large.setup]}")" "$(ms "${median[large.cp]}")" \
  "$(ratio "${median[large.setup]}" "${median[large.cp]}")" "<= 3x cp"
row "small: time" "$(ms "${median[small.setup]}")" "$(ms "${median[small.cp]}")" \
  "$(ratio "${median[small.setup]}" "${median[small.cp]}")" ""
row "small: per file" "$(per_file "${median[small.setup]}")" "$(per_file "${median[small.cp]}")" "" "<= 1.5 ms"
for name in large small one; do
  row "$name: peak memory" "$(mib "${peak[$name.setup]}")" "$(mib "${peak[$name.cp]}")" "" "< 64 MiB"
done
# The same figures without the program's start and the fixed steps (the
# one-byte payload: start, shell component, records, registry import,
# shortcuts, end).
start=${median[one.setup]}
row "start and fixed steps (one byte)" "$(ms "$start")" "$(ms "${median[one.cp]}")"
large_net=$(awk -v a="${median[large.setup]}" -v s="$start" 'BEGIN { print a - s }')
row "large: without them" "$(ms "$large_net")" "$(ms "${median[large.cp]}")" \
  "$(ratio "$large_net" "${median[large.cp]}")" "<= 3x cp"
small_net=$(awk -v a="${median[small.setup]}" -v s="$start" 'BEGIN { print a - s }')
row "small: per file without them" "$(per_file "$small_net")" "" "" "<= 1.5 ms"
echo
echo "Wine's floor in the same run (wine_floor.exe):"
row "a program showing a window" "$(ms "$FLOOR_WINDOW")"
row "a bare 4 KiB file created" "$FLOOR_FILE ms"
row "large: 3x cp less that start" \
  "$(ms "$(awk -v c="${median[large.cp]}" -v w="$FLOOR_WINDOW" 'BEGIN { print 3 * c - w }')")"

# When each phase of the memory run began, from the program's own start.
echo
for name in large small one; do
  echo "$name: $(sed -n 's/^install_bench: phases: //p' "$out/install-$name.log")"
done

# Where the time goes: one installation of each payload with --pieces.
if [ -n "${BENCH_PIECES:-}" ]; then
  for name in large small one; do
    scratch=$out/run/install-$name
    make_master "$name"
    rm -rf "$scratch/work" "$scratch/install" && mkdir "$scratch/work"
    cp "$scratch/master/"* "$scratch/work/" && cp -al "$out/data/install-$name" "$scratch/work/files"
    echo
    echo "== $name: pieces"
    "$root/tools/wine-run" "$prefix" "$bench_exe" "Z:${scratch//\//\\}\\work" "Z:${scratch//\//\\}\\install" --pieces \
      2>&1 | sed -n 's/^install_bench: pieces: /  /p'
    rm -rf "$scratch/work" "$scratch/install"
  done
fi
