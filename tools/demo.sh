#!/bin/bash
# The demo: builds everything, packs demo/ into Setup.UMF and runs Setup.exe
# under Wine. With a display ($DISPLAY set) you watch and click; without one
# (or with DEMO_HEADLESS=1) it runs under Xvfb, where the walker program
# clicks through every page, installs, starts the installed application,
# and leaves a screenshot of each stop (the quit dialog and the application
# too) under out/demo/. Either way out/demo/summary.txt tells what was
# installed: files, registry values, links and Uninstall.ini.
#
# DEMO_NATIVE_DIR and DEMO_WINDOWS_DIR name build folders already configured
# to use instead of the presets' (the walker and the stand-ins come from the
# Windows one).
set -eu
cd "$(dirname "$0")/.."
root=$PWD
. tools/wine-env.sh

tools/install-deps.sh

# The Windows build Wine can run here (see README: 32-bit programs need a
# kernel that starts 32-bit Linux programs, and Wine's 32-bit half).
if wine_runs_32bit; then preset=windows; else preset=windows64; fi
native=${DEMO_NATIVE_DIR:-$root/build/native}
windows=${DEMO_WINDOWS_DIR:-$root/build/$preset}
[ -n "${DEMO_NATIVE_DIR:-}" ] || cmake --preset native >/dev/null
cmake --build "$native" -j "$(nproc)" --target umfpack
[ -n "${DEMO_WINDOWS_DIR:-}" ] || cmake --preset "$preset" >/dev/null
cmake --build "$windows" -j "$(nproc)" --target Setup qx_shell standin_appremove standin_msvbvm50 \
  demo_app demo_component demo_walker

# The package's font, a free one from the host (see demo/README.md).
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
if [ ! -f "$font" ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends fonts-dejavu-core >/dev/null
fi

out=$root/out/demo
rm -rf "$out/package" "$out"/*.png "$out/summary.txt" "$out"/shot.*
mkdir -p "$out/package"
(cd demo && cp Setup.dip Setup.ftc Settings.lrk Welcome.txt Licence.txt Leggimi.txt "$out/package/")
# The demonstration application and its self-registering component as
# built, the font, the shell component, and stand-ins for the uninstaller
# and the runtime library; data files large enough for the progress bars to
# be seen.
cp "$windows/demo/Demo.exe" "$windows/demo/Componente.dll" "$font" "$out/package/"
cp "$windows/shell/qx_shell.dll" "$windows/standins/appremove.dll" "$windows/standins/MsVBvm50.dll" "$out/package/"
for i in 1 2 3 4 5 6 7 8; do head -c 16777216 /dev/urandom > "$out/package/Dati$i.bin"; done
"$native/tools/umfpack/umfpack" "$out/Setup.UMF" "$out"/package/*

prefix=$out/wineprefix
# No menu entries of the host for the links the installation makes.
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine_prepare_prefix "$prefix"
# A run of the demo starts from a prefix without the previous run's
# installation.
drive=$prefix/drive_c
rm -rf "$drive/Velmarind Demo" "$drive/Program Files/Velmarind Demo" "$drive/Program Files (x86)/Velmarind Demo" \
  "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmarind Demo"
rm -f "$drive/users/Public/Desktop/Velmarind Demo"*.lnk "$drive/users/Public/Desktop/Velmarind Demo"*.Lnk
rm -f "$drive/windows/Fonts/DejaVuSans.ttf"
"$(wine_loader_for "$windows/demo/Demo.exe")" reg delete 'HKCU\Software\Velmarind' /f >/dev/null 2>&1 || true
target=$drive/Demo
rm -rf "$target" && mkdir -p "$target"
cp "$windows/launcher/Setup.exe" "$out/Setup.UMF" "$target/"
loader=$(wine_loader_for "$target/Setup.exe")
# The walker program clicks through the wizard headless and writes the
# summary in both modes.
walker=$windows/tests/e2e/demo_walker.exe
out_windows="Z:${out//\//\\}"

if [ -n "${DISPLAY:-}" ] && [ "${DEMO_HEADLESS:-0}" != 1 ]; then
  touch "$out/.started"
  status=0
  (cd "$target" && "$loader" Setup.exe) || status=$?
  [ "$status" = 0 ] || echo "Setup.exe ended with status $status."
  # The summary of the installation this run made (the walker program
  # only writes it here).
  find "$drive" -name Uninstall.ini -newer "$out/.started" | while read -r records; do
    folder=$(dirname "$records")
    folder_windows="C:${folder#"$drive"}"
    "$(wine_loader_for "$walker")" "$walker" --summary "${folder_windows//\//\\}" "$out_windows" "$out_windows\\package"
  done
  [ -f "$out/summary.txt" ] || echo "Setup.exe ran from C:\\Demo; it installed nothing." > "$out/summary.txt"
  cat "$out/summary.txt"
  exit 0
fi

# Headless: Wine's desktop process keeps the display it was started with;
# start the prefix's processes anew inside the Xvfb of this run, and end
# them after it.
"$WINESERVER" -k 2>/dev/null || true
cat > "$out/run-headless.sh" <<INNER
#!/bin/bash
. "$root/tools/wine-env.sh"
wine_prepare_prefix "$prefix"
"$(wine_loader_for "$walker")" "$walker" 'C:\\Demo\\Setup.exe' '$out_windows' '$out_windows\\package' &
walker=\$!
# The walker leaves the name of each screenshot it wants in shot.request
# and goes on once the file is gone.
while kill -0 \$walker 2>/dev/null; do
  if [ -f "$out/shot.request" ]; then
    name=\$(cat "$out/shot.request")
    import -window root "$out/\$name.png"
    echo "demo: screenshot \$name.png"
    rm -f "$out/shot.request"
  fi
  sleep 0.1
done
wait \$walker
INNER
chmod +x "$out/run-headless.sh"
status=0
xvfb-run -a -s "-screen 0 1024x768x24" "$out/run-headless.sh" || status=$?
"$WINESERVER" -k 2>/dev/null || true
if [ -f "$out/summary.txt" ]; then cat "$out/summary.txt"; else echo "no summary: the walk stopped early"; fi
ls "$out"/*.png 2>/dev/null || true
exit $status
