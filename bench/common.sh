# What the benchmark scripts share (sourced by bash after they set `root`,
# and `out` where they make payloads).

# Stops when a tool the timings need is missing.
bench_need_tools() {
  for tool in hyperfine jq; do
    command -v $tool >/dev/null || { echo "bench: $tool is missing (apt-get install $tool)" >&2; exit 1; }
  done
  [ -x /usr/bin/time ] || { echo "bench: /usr/bin/time is missing (apt-get install time)" >&2; exit 1; }
}

# bench_build_windows64 BUILD TARGETS -- FILES: builds TARGETS in BUILD when
# one of FILES is missing, then stops when one still is.
bench_build_windows64() {
  local build=$1; shift
  local targets=() files=()
  while [ "$1" != "--" ]; do targets+=("$1"); shift; done
  shift
  files=("$@")
  local f
  for f in "${files[@]}"; do
    if [ ! -f "$f" ]; then
      [ -d "$build" ] || cmake --preset windows64 >/dev/null || true
      cmake --build "$build" --target "${targets[@]}" >/dev/null 2>&1 || true
      break
    fi
  done
  for f in "${files[@]}"; do
    if [ ! -f "$f" ]; then
      echo "bench: $f does not exist: the program is not built yet" >&2
      echo "bench: (cmake --preset windows64 && cmake --build --preset windows64)" >&2
      exit 1
    fi
  done
}

# bench_make_payload NAME COUNT BYTES: COUNT files of BYTES random bytes,
# made once and kept under $out/data/install-NAME/.
bench_make_payload() {
  local dir=$out/data/install-$1
  [ -f "$dir.done" ] && return
  rm -rf "$dir" && mkdir -p "$dir"
  head -c $(($2 * $3)) /dev/urandom | split -b "$3" -d -a 4 - "$dir/m"
  touch "$dir.done"
}

# bench_keep_desktop PREFIX EXE: starts EXE (keep_desktop.exe) in the prefix,
# whose wineserver already runs, and waits until Wine's desktop process is
# up; the script's exit ends it again. Like the wineserver, the desktop is
# Wine's own and Windows always has it: no timed run should start it.
bench_keep_desktop() {
  WINEPREFIX=$1 "$(wine_loader_for "$2")" "$2" </dev/null >/dev/null 2>&1 &
  bench_keeper=$!
  trap 'kill $bench_keeper 2>/dev/null; wait $bench_keeper 2>/dev/null' EXIT
  local i
  for i in $(seq 200); do
    for pid in $(pgrep -f 'explorer.exe /desktop'); do
      tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$1" && return 0
    done
    sleep 0.05
  done
  echo "bench: Wine's desktop did not come up" >&2
  exit 1
}

# bench_start_wine PREFIX KEEPER PROGRAM: makes the prefix and starts its
# wineserver and Wine's desktop (KEEPER: keep_desktop.exe); exports the
# prefix and Wine's settings, and in BENCH_LOADER the loader for PROGRAM.
bench_start_wine() {
  . "$root/tools/wine-env.sh"
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  wine_prepare_prefix "$1"
  bench_keep_desktop "$1" "$2"
  BENCH_LOADER=$(wine_loader_for "$3")
  export BENCH_LOADER
}

# bench_loader PROGRAM: Wine's loader for PROGRAM, BENCH_LOADER when the
# caller has looked it up already.
bench_loader() {
  if [ -n "${BENCH_LOADER:-}" ]; then
    echo "$BENCH_LOADER"
  else
    . "$root/tools/wine-env.sh"
    wine_loader_for "$1"
  fi
}

# bench_wine_floor EXE RUNS: Wine's own floor on this machine, in the same
# run as the figures it stands beside (EXE: wine_floor.exe; the prefix and
# its wineserver and desktop are up). Sets FLOOR_WINDOW, the median time in
# seconds of RUNS starts of a program that only shows a window with a line
# of text, and FLOOR_FILE, the median over RUNS runs of the milliseconds a
# bare loop takes to create, write once and close a 4 KiB file on the disk
# of the work folders.
bench_wine_floor() {
  local exe=$1 runs=$2 marker=$out/run/floor/shown
  mkdir -p "$out/run/floor"
  hyperfine --runs "$runs" --warmup 1 --export-json "$out/floor.json" --style basic \
    -n window "$root/bench/floor-once.sh '$WINEPREFIX' '$exe' '$marker'" >/dev/null
  FLOOR_WINDOW=$(jq -r '.results[0].median' "$out/floor.json")
  local i per=()
  for i in $(seq "$runs"); do
    per+=("$("$(bench_loader "$exe")" "$exe" files 'C:\wine-floor-files' 1000 4096 | tr -d '\r')")
  done
  FLOOR_FILE=$(printf '%s\n' "${per[@]}" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
}
