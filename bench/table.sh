#!/bin/bash
# bench/table.sh [RUNS]
# The whole program's unpack and install against two cp passes of the same
# bytes and against an uncompressed, silent NSIS installer of the same
# payload under the same Wine, side by side in one run on the same disk, each
# side followed by sync; prints the median wall time of RUNS runs (default 3),
# the ratios and the peak memory, each target with met / not met. Ours and
# the design's floor are timed in alternation (see alternate below).
#   large: 8 files of 32 MiB of random bytes (256 MiB)
#   small: 1000 files of 4 KiB
# Ours is install_bench.exe --whole: the launcher and the wizard of Setup.exe
# in one process, the wizard's pages passed by the program itself.
# Needs the 64-bit build's install_bench.exe, qx_shell.dll and
# stand-ins (built here; BENCH_WINDOWS64 names another build tree of that
# preset), umfpack of the native build (BENCH_NATIVE), and Debian's nsis for
# the NSIS column (installed here when missing and possible). Writes only
# under out/bench/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-3}
# The payloads timed: large and small; BENCH_TABLE_PAYLOADS=one times the
# one-byte payload alone (the program's start and fixed steps).
payloads=${BENCH_TABLE_PAYLOADS:-large small}

windows64=${BENCH_WINDOWS64:-build/windows64}
native=${BENCH_NATIVE:-build/native}
bench_exe=$root/$windows64/bench/install_bench.exe
keeper_exe=$root/$windows64/bench/keep_desktop.exe
qx_shell=$root/$windows64/shell/qx_shell.dll
appremove=$root/$windows64/standins/appremove.dll
msvbvm50=$root/$windows64/standins/MsVBvm50.dll
umfpack=$root/$native/tools/umfpack/umfpack
out=$root/out/bench
table=$out/table
# A prefix of its own: the other benchmarks' work folders do not meet ours.
prefix=$table/wineprefix

# The launcher's and the wizard's windows need a display.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

. "$root/bench/common.sh"
bench_need_tools

# The NSIS column: makensis from Debian's nsis, installed when missing.
nsis_why=
if ! command -v makensis >/dev/null; then
  if [ "$(id -u)" = 0 ]; then
    apt-get install -y nsis >/dev/null 2>&1 || nsis_why="apt-get install nsis failed"
  elif sudo -n true 2>/dev/null; then
    sudo -n apt-get install -y nsis >/dev/null 2>&1 || nsis_why="apt-get install nsis failed"
  else
    nsis_why="makensis is missing and nsis cannot be installed without root"
  fi
  [ -n "$nsis_why" ] || command -v makensis >/dev/null || nsis_why="makensis is still missing after installing nsis"
fi

if [ ! -x "$umfpack" ]; then
  [ -d "$native" ] || cmake --preset native >/dev/null
  cmake --build "$native" --target umfpack >/dev/null
fi
floor_exe=$root/$windows64/bench/design_floor.exe
bench_build_windows64 "$windows64" install_bench keep_desktop qx_shell standin_appremove standin_msvbvm50 design_floor \
  -- "$bench_exe" "$keeper_exe" "$qx_shell" "$appremove" "$msvbvm50" "$floor_exe"

# Payloads, made once and kept (shared with bench/install.sh).
mkdir -p "$out/data"
bench_make_payload large 8 $((32 * 1024 * 1024))
bench_make_payload small 1000 4096
bench_make_payload one 1 1

# The package of payload NAME: the setup's own files (which the launcher
# unpacks into the work folder itself) first, then the payload (into its
# "files"), so that the payload's last file is the last member.
crlf() { printf '%s\r\n' "$@"; }
make_package() {  # NAME
  local name=$1 data=$out/data/install-$1 master=$table/$1/master
  rm -rf "$master" && mkdir -p "$master"
  local total first mark=$'\xa7\xa7'
  total=$(du -cb "$data"/m* | tail -n 1 | cut -f1)
  first=$(basename "$(ls "$data"/m* | head -n 1)")
  crlf "App: Bench $name" "Descrizione:     Benchmark" "Produttore:  Velmarind" \
    "Gruppo:       Velmarind Bench" "Vers.:  1.0" "Cartella:    Bench" "Dimensione: $total" \
    "Eseguib.:$first" "Database:" "Gruppo L:" "Icona:   $first" >"$master/Setup.dip"
  for f in "$data"/m*; do crlf "$(basename "$f");${mark}QX_App_Path${mark};1"; done >"$master/Setup.ftc"
  crlf "REGEDIT4" "" "[HKEY_CURRENT_USER\\Software\\Velmarind Bench]" \
    "\"Cartella\"=\"${mark}QX_App_Path${mark}\"" >"$master/Settings.lrk"
  crlf "Benvenuti in @." >"$master/Welcome.txt"
  crlf "Licenza." >"$master/Licence.txt"
  cp "$qx_shell" "$master/qx_shell.dll"
  cp "$appremove" "$master/AppRemove.dll"
  cp "$msvbvm50" "$master/MsVBvm50.dll"
  ( cd "$master" && "$umfpack" "$table/$name/Setup.UMF" Setup.dip Setup.ftc Settings.lrk Welcome.txt \
      Licence.txt qx_shell.dll AppRemove.dll MsVBvm50.dll "$data"/m* >/dev/null )
  cp "$bench_exe" "$table/$name/install_bench.exe"
}

# One wineserver and Wine's desktop for the whole run, started before any
# timing.
bench_start_wine "$prefix" "$keeper_exe" "$bench_exe"
workdirs="$prefix/drive_c/users/*/Temp/~*.stp"
winpath() { printf 'Z:%s' "${1//\//\\}"; }

declare -A median peak count pieces links
nsis_failed=
peak_of() { awk -F': ' '/Maximum resident set size/ {print $2}' "$@" | sort -n | tail -n 1; }
check_installed() {  # DATA FOLDER WHO
  local f
  for f in "$1"/m*; do
    cmp -s "$f" "$2/$(basename "$f")" || { echo "bench: $3 did not install $(basename "$f")" >&2; exit 1; }
  done
}
# alternate NAME: ours and the floor in alternation, each run timed by
# hyperfine on its own, after one warm-up run of each: ours, floor; floor,
# ours; ours, floor; ... so that neither side always follows the other, and
# the machine's drift over the minutes of a run (a third and more here)
# weighs on both alike. Sets the medians of the RUNS timed runs.
alternate() {  # NAME
  local name=$1 i side order
  local -A times=()
  for i in $(seq 0 "$runs"); do
    if ((i % 2 == 0)); then order="ours floor"; else order="floor ours"; fi
    for side in $order; do
      hyperfine --runs 1 --style none --export-json "$table/$name.$side.run.json" \
        --prepare "${prepare[$side]}" -n "$side" "${command[$side]}" >/dev/null
      ((i == 0)) || times[$side]+="$(jq -r '.results[0].times[0]' "$table/$name.$side.run.json") "
    done
  done
  rm -f "$table/$name".*.run.json
  for side in ours floor; do
    # The median as hyperfine takes it: the mean of the middle two of an
    # even count.
    median[$name.$side]=$(printf '%s\n' ${times[$side]} | sort -g |
      awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
    echo "$name, $side: $(printf '%s\n' ${times[$side]} | awk '{ printf "%s%.0f", (NR > 1 ? " " : ""), $1 * 1000 }') ms"
  done
}

bench() {  # NAME
  local name=$1 scratch=$table/$1 data=$out/data/install-$1
  mkdir -p "$scratch"
  make_package "$name"
  local install=$scratch/install copy=$scratch/copy nsis_dir=$scratch/nsis-install nsis_exe=$scratch/nsis.exe
  local cp2="cp -r '$data' '$copy.1' && cp -r '$copy.1' '$copy.2' && sync"
  local nsis=
  count[$name]=$(ls "$data" | wc -l)
  echo "== $name: ${count[$name]} files, $(du -cb "$data"/m* | tail -n 1 | cut -f1) bytes"

  # Ours once under /usr/bin/time -v for its peak memory, checking that it
  # put every file in place; its links tell the floor how many to make.
  rm -rf $workdirs "$install"
  if ! bench/table-once.sh "$prefix" "$scratch" "$install" "$table/$name.ours.time" \
      >"$table/$name.ours.log" 2>&1; then
    echo "bench: the unpack and install failed (see $table/$name.ours.log)" >&2
    exit 1
  fi
  check_installed "$data" "$install" "the program"
  if [ "$(grep -c 'message box' "$table/$name.ours.log")" != 1 ] ||
     ! grep -q 'message box: Installazione completata\.' "$table/$name.ours.log"; then
    echo "bench: unexpected messages (see $table/$name.ours.log)" >&2
    exit 1
  fi
  peak[$name.ours]=$(peak_of "$table/$name.ours.time")
  pieces[$name]=$(sed -n 's/^install_bench: phases: //p' "$table/$name.ours.log")
  links[$name]=$(grep -c '^LNK=' "$install/Uninstall.ini" || true)
  rm -rf $workdirs "$install"

  # The design's floor: the same payload read from one packed file, each
  # file written into a work folder of the prefix, then into the target
  # folder, then deleted from the work folder; one run of the registry
  # editor on a settings file; as many links as the installation made.
  local packed=$out/data/install-$name.packed floor_dir=$scratch/floor-install
  [ -f "$packed" ] || cat "$data"/m* >"$packed"
  crlf "REGEDIT4" "" "[HKEY_CURRENT_USER\\Software\\Velmarind Bench Floor]" \
    "\"Cartella\"=\"Bench\"" >"$scratch/floor.reg"
  local floor="'$(wine_loader_for "$floor_exe")' '$floor_exe' '$(winpath "$packed")' ${count[$name]} \
$(stat -c %s "$(ls "$data"/m* | head -n 1)") 'C:\\design-floor-work' '$(winpath "$floor_dir")' \
'$(winpath "$scratch/floor.reg")' ${links[$name]} && sync"

  # Ours against the floor, in alternation.
  local -A command=([ours]="bench/table-once.sh '$prefix' '$scratch' '$install'" [floor]="$floor")
  local -A prepare=([ours]="rm -rf $workdirs '$install'" [floor]="rm -rf '$floor_dir'")
  alternate "$name"
  rm -rf $workdirs "$install" "$floor_dir"

  # The reference columns: two cp passes, the NSIS installer.
  hyperfine --runs "$runs" --warmup 1 --export-json "$table/$name.json" --style basic \
    --prepare "rm -rf '$copy.1' '$copy.2'" -n cp "$cp2"
  median[$name.cp]=$(jq -r '.results[] | select(.command=="cp") | .median' "$table/$name.json")
  rm -f "$table/$name.nsis.json"
  if [ -z "$nsis_why" ]; then
    makensis -V1 -DPAYLOAD="$data" -DOUTFILE="$nsis_exe" "$root/bench/nsis/payload.nsi" >/dev/null
    # Started as ours is: by Wine's loader, in the prepared prefix.
    nsis="'$(wine_loader_for "$nsis_exe")' '$nsis_exe' /S '/D=$(winpath "$nsis_dir")' && sync"
    # The NSIS installer now and then ends with exit code 1 under this Wine
    # (seen once in a few dozen runs): its timing is tried a second time
    # before the column goes without it.
    local attempt
    for attempt in 1 2; do
      hyperfine --runs "$runs" --warmup 1 --export-json "$table/$name.nsis.json" --style basic \
        --prepare "rm -rf '$nsis_dir'" -n nsis "$nsis" && break
      rm -f "$table/$name.nsis.json"
    done
    [ -f "$table/$name.nsis.json" ] || nsis_failed+="$name "
  fi

  # The others once more each under /usr/bin/time -v for the peak memory,
  # checking that every side put every file in place.
  rm -rf "$copy".* "$nsis_dir" "$floor_dir"
  /usr/bin/time -v -o "$table/$name.cp.time" sh -c "$cp2"
  check_installed "$data" "$copy.2" "cp"
  peak[$name.cp]=$(peak_of "$table/$name.cp.time")
  if [ -f "$table/$name.nsis.json" ]; then
    /usr/bin/time -v -o "$table/$name.nsis.time" sh -c "$nsis" ||
      /usr/bin/time -v -o "$table/$name.nsis.time" sh -c "rm -rf '$nsis_dir' && $nsis"
    check_installed "$data" "$nsis_dir" "the NSIS installer"
    peak[$name.nsis]=$(peak_of "$table/$name.nsis.time")
    median[$name.nsis]=$(jq -r '.results[] | select(.command=="nsis") | .median' "$table/$name.nsis.json")
  fi
  /usr/bin/time -v -o "$table/$name.floor.time" sh -c "$floor"
  check_installed "$data" "$floor_dir" "the design's floor"
  peak[$name.floor]=$(peak_of "$table/$name.floor.time")
  rm -rf "$copy".* "$nsis_dir" "$floor_dir"
}
for name in $payloads; do bench "$name"; done

ms() { [ -n "$1" ] && awk -v s="$1" 'BEGIN { printf "%.0f ms", s * 1000 }' || echo "-"; }
mib() { [ -n "$1" ] && awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }' || echo "-"; }
ratio() { [ -n "$2" ] && awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }' || echo "-"; }
# verdict CONDITION-AS-AWK A B: "met" or "not met"; "-" when a figure is missing.
verdict() {
  [ -n "$2" ] && [ -n "$3" ] || { echo "- (no figure)"; return; }
  awk -v a="$2" -v b="$3" "BEGIN { if ($1) print \"met\"; else print \"not met\" }"
}
row() { printf '%-22s %10s %10s %10s %10s %11s %9s %10s\n' "$@"; }
echo
echo "Median wall time of $runs runs (each side ends with sync; wineserver already running),"
echo "peak resident memory of one more run; the programs of $windows64 (source tree now at" \
  "$(git -C "$root" rev-parse --short HEAD)$(git -C "$root" diff --quiet HEAD -- engine launcher wizard \
  toolkit shell registry restart || echo ' with uncommitted changes to the program'))"
[ -z "$nsis_why" ] || echo "No NSIS column: $nsis_why."
[ -z "$nsis_failed" ] || echo "No NSIS figure for: ${nsis_failed}(the installer failed twice; see above)."
echo
row "" "ours" "floor" "2x cp" "NSIS" "ours/floor" "ours/cp" "ours/NSIS"
for name in $payloads; do
  row "$name: time" "$(ms "${median[$name.ours]}")" "$(ms "${median[$name.floor]}")" "$(ms "${median[$name.cp]}")" \
    "$(ms "${median[$name.nsis]:-}")" "$(ratio "${median[$name.ours]}" "${median[$name.floor]}")" \
    "$(ratio "${median[$name.ours]}" "${median[$name.cp]}")" "$(ratio "${median[$name.ours]}" "${median[$name.nsis]:-}")"
  row "$name: peak memory" "$(mib "${peak[$name.ours]}")" "$(mib "${peak[$name.floor]}")" "$(mib "${peak[$name.cp]}")" \
    "$(mib "${peak[$name.nsis]:-}")" "" "" ""
done
echo
echo "floor: the design's own least work for the payload (bench/DesignFloor.cpp), with" \
  "$(for name in $payloads; do printf '%s for %s, ' "${links[$name]}" "$name"; done | sed 's/, $//') links as the installations made."
echo
echo "Ours in the memory run, from the program's own start:"
for name in $payloads; do printf '  %-8s %s\n' "$name" "${pieces[$name]}"; done
echo
target() { printf '%-46s %s\n' "$1" "$2"; }
target "large: at most 1.3 times the design's floor" "$(verdict 'a <= 1.3 * b' "${median[large.ours]:-}" "${median[large.floor]:-}")"
target "small: at most 1.5 times the design's floor" "$(verdict 'a <= 1.5 * b' "${median[small.ours]:-}" "${median[small.floor]:-}")"
target "large: faster than NSIS" "$(verdict 'a < b' "${median[large.ours]:-}" "${median[large.nsis]:-}")"
target "large: at most 3 times the two cp passes" "$(verdict 'a <= 3 * b' "${median[large.ours]:-}" "${median[large.cp]:-}")"
target "small: no slower than NSIS" "$(verdict 'a <= b' "${median[small.ours]:-}" "${median[small.nsis]:-}")"
target "peak memory under 64 MiB (large)" "$(verdict 'a < b' "${peak[large.ours]:-}" 65536)"
target "peak memory under 64 MiB (small)" "$(verdict 'a < b' "${peak[small.ours]:-}" 65536)"
