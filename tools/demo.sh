#!/bin/bash
# The demo: builds everything, packs demo/ into Setup.UMF and runs Setup.exe
# under Wine. With a display ($DISPLAY set) you watch and click; without one
# it runs under Xvfb and leaves screenshots and a summary under out/demo/.
set -eu
cd "$(dirname "$0")/.."
root=$PWD
. tools/wine-env.sh

tools/install-deps.sh

# The Windows build Wine can run here (see README: 32-bit programs need a
# kernel that starts 32-bit Linux programs).
if /lib/ld-linux.so.2 --help >/dev/null 2>&1; then preset=windows; else preset=windows64; fi
cmake --preset native >/dev/null && cmake --build --preset native -j "$(nproc)" --target umfpack
cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j "$(nproc)" --target Setup

out=$root/out/demo
rm -rf "$out/package" "$out"/*.png "$out/summary.txt"
mkdir -p "$out/package"
cp demo/* "$out/package/"
# A payload large enough for the progress bar to be seen.
for i in 1 2 3 4 5 6 7 8; do head -c 16777216 /dev/urandom > "$out/package/Dati$i.bin"; done
# Until the installation engine and the shell component exist, the setup
# files that only the installation uses are placeholders.
for f in appremove.dll qx_shell.dll MsVBvm50.dll; do
  printf 'placeholder for %s\r\n' "$f" > "$out/package/$f"
done
build/native/tools/umfpack/umfpack "$out/Setup.UMF" "$out"/package/*

prefix=$out/wineprefix
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine_prepare_prefix "$prefix"
target=$prefix/drive_c/Demo
rm -rf "$target" && mkdir -p "$target"
cp "build/$preset/launcher/Setup.exe" "$out/Setup.UMF" "$target/"
loader=$(wine_loader_for "$target/Setup.exe")
temp_dir() { echo "$prefix/drive_c/users/$(whoami)/Temp"; }
before=$(ls -d "$(temp_dir)"/~*.stp 2>/dev/null | sort || true)

summarise() {
  after=$(ls -d "$(temp_dir)"/~*.stp 2>/dev/null | sort || true)
  work=$(comm -13 <(echo "$before") <(echo "$after") | tail -1)
  {
    echo "Setup.exe ran from C:\\Demo with Setup.UMF beside it."
    if [ -n "$work" ]; then
      echo "Work folder: $(basename "$work") in the temporary folder, holding:"
      (cd "$work" && find . -type f -printf '  %P  %s bytes\n' | sort)
    else
      echo "No work folder was made."
    fi
  } > "$out/summary.txt"
  cat "$out/summary.txt"
}

if [ -n "${DISPLAY:-}" ] && [ "${DEMO_HEADLESS:-0}" != 1 ]; then
  (cd "$target" && "$loader" Setup.exe)
  summarise
  exit 0
fi

# Headless: watch the launcher and the wizard under Xvfb and photograph them.
# Wine's desktop process keeps the display it was started with: start the
# prefix's processes anew inside the Xvfb of this run, and end them after it.
"$WINESERVER" -k 2>/dev/null || true
cat > "$out/run-headless.sh" <<INNER
#!/bin/bash
cd "$target"
"$loader" Setup.exe &
pid=\$!
shot() {  # NAME TITLE DELAY: waits for the window, then DELAY seconds, and photographs the screen
  for i in \$(seq 1 2400); do
    if xdotool search --onlyvisible --name "^\$2\$" >/dev/null 2>&1; then
      sleep \$3
      import -window root "$out/\$1.png"
      return 0
    fi
    sleep 0.05
  done
  return 1
}
shot 01-launcher Installazione 0.05
shot 02-wizard-page0 'Velmarind Installer' 1
# The wizard's pages and its way out come with the next steps of the work:
# end the program here.
kill \$pid 2>/dev/null
wait \$pid 2>/dev/null
exit 0
INNER
chmod +x "$out/run-headless.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$out/run-headless.sh"
"$WINESERVER" -k 2>/dev/null || true
summarise
ls "$out"/*.png 2>/dev/null || echo "(the launcher window was gone before a screenshot could be taken)"
