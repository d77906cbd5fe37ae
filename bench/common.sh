# What the benchmark scripts share (sourced by bash after they set `out`).

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
