# Shell helpers for running Windows programs under Wine (sourced).

WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)

# wine_loader_for EXE: the Wine loader for the program's machine type.
wine_loader_for() {
  # The PE header's offset lies at 0x3c; the machine word follows "PE\0\0".
  pe=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$1" | tr -d ' ')
  if [ "$machine" = "8664" ]; then
    echo /usr/lib/wine/wine64
  else
    echo /usr/lib/wine/wine
  fi
}

# wine_prefix_version DIR: the Windows version set for the prefix (the
# Version value of HKCU\Software\Wine as its user.reg last saved it), or
# nothing when none is set.
wine_prefix_version() {
  awk '/^\[Software\\\\Wine\]/ { inside = 1; next }
       /^\[/ { inside = 0 }
       inside && /^"Version"=/ { v = $0; sub(/^"Version"="/, "", v); sub(/"$/, "", v); print v }' \
    "$1/user.reg" 2>/dev/null
}

# wine_set_version DIR: with WINE_VERSION set (win98, winxp, win7, win10,
# ...), makes the prefix report that Windows version.
wine_set_version() {
  [ -n "${WINE_VERSION:-}" ] || return 0
  WINEPREFIX="$1" /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine' \
    /v Version /d "$WINE_VERSION" /f >/dev/null 2>&1 </dev/null 9>&- || true
}

# wine_set_unmanaged DIR: windows draw their own frames. Under a bare Xvfb
# there is no window manager to draw them, nor to answer when they are shown
# or hidden (Wine would wait two seconds for it each time a window goes).
wine_set_unmanaged() {
  WINEPREFIX="$1" /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' \
    /v Managed /d N /f >/dev/null 2>&1 </dev/null 9>&- || true
}

# wine_prepare_prefix DIR: makes the prefix once (under a lock, since tests
# run side by side) and starts its persistent wineserver when none runs.
# With WINE_VERSION set, the prefix reports that Windows version.
wine_prepare_prefix() {
  case "$1" in
    /*) ;;
    *) echo "wine_prepare_prefix: the prefix must be an absolute path, not '$1'" >&2; return 2 ;;
  esac
  mkdir -p "$(dirname "$1")"
  (
    flock 9
    if [ ! -f "$1/system.reg" ]; then
      WINEPREFIX="$1" /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 </dev/null 9>&- || true
      WINEPREFIX="$1" "$WINESERVER" -w 9>&-
      # No crash dialog: a crashing test must fail, not wait for a click.
      WINEPREFIX="$1" /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\WineDbg' \
        /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 </dev/null 9>&- || true
      wine_set_unmanaged "$1"
      wine_set_version "$1"
    else
      # A prefix made earlier: its server (if any) writes user.reg later.
      grep -q '^\[Software\\\\Wine\\\\X11 Driver\]' "$1/user.reg" 2>/dev/null || wine_set_unmanaged "$1"
      [ "$(wine_prefix_version "$1")" = "${WINE_VERSION:-}" ] || wine_set_version "$1"
    fi
    # The server daemonises once its socket is ready; a second one for the
    # same prefix exits at once by itself.
    if WINEPREFIX="$1" setsid "$WINESERVER" -p300 </dev/null >/dev/null 2>&1 9>&-; then
      # A new server: start the prefix's services now, away from the caller's
      # output, or they would hold a test runner's pipe open.
      WINEPREFIX="$1" /usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
    fi
  ) 9>"$1.lock"
}
