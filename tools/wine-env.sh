# Shell helpers for running Windows programs under Wine (sourced).

WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)

# kernel_runs_32bit: whether the kernel can start 32-bit Linux programs,
# Wine's 32-bit loader among them (SETUP_LD32 names another loader to try).
kernel_runs_32bit() { "${SETUP_LD32:-/lib/ld-linux.so.2}" --help >/dev/null 2>&1; }

# wine_runs_32bit: whether Wine can run 32-bit Windows programs here: the
# kernel starts 32-bit programs and Wine's 32-bit half (wine32) is there.
wine_runs_32bit() { kernel_runs_32bit && [ -x "${SETUP_WINE32:-/usr/lib/wine/wine}" ]; }

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

# wine_set_fonts DIR: the faces of Windows' own windows for the prefix.
# Wine's system faces (Debian's fonts-wine: MS Sans Serif, Tahoma, ...) go
# into the prefix's font folder, where Wine finds them (it does not look in
# the folder the package puts them in); Arial, Times New Roman and Courier
# New are drawn with their metric-compatible Liberation faces. Without them
# Wine draws every face with DejaVu Sans, wider than Windows' fonts.
wine_set_fonts() {
  fonts="$1/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  for f in /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon; do
    [ -f "$f" ] && [ ! -f "$fonts/${f##*/}" ] && cp "$f" "$fonts/"
  done
  key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  for pair in "Arial=Liberation Sans" "Times New Roman=Liberation Serif" "Courier New=Liberation Mono"; do
    WINEPREFIX="$1" /usr/lib/wine/wine64 reg add "$key" /v "${pair%%=*}" /d "${pair#*=}" /f \
      >/dev/null 2>&1 </dev/null 9>&- || true
  done
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
      wine_set_fonts "$1"
    else
      # A prefix made earlier: its server (if any) writes user.reg later.
      grep -q '^\[Software\\\\Wine\\\\X11 Driver\]' "$1/user.reg" 2>/dev/null || wine_set_unmanaged "$1"
      [ "$(wine_prefix_version "$1")" = "${WINE_VERSION:-}" ] || wine_set_version "$1"
      [ -f "$1/drive_c/windows/Fonts/tahoma.ttf" ] || [ ! -f /usr/share/wine/fonts/tahoma.ttf ] || wine_set_fonts "$1"
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
