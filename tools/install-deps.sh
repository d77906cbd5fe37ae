#!/bin/sh
# Installs the Debian packages that the build, the tests and the demo need,
# when they are missing. Safe to run again.
#
# A package mirror can fail for a while (an index of the wrong size while it
# is being synced): the update is tried a few times, and then the lists that
# came are used. Wine's 32-bit half (wine32:i386) is wanted only where the
# kernel can start 32-bit programs, and is not needed by the 64-bit suite:
# when it cannot be installed the 32-bit suite does not run and the rest
# goes on. A missing package that the build or the 64-bit suite needs stops
# the command, naming the package.
set -eu

here=$(dirname "$0")
. "$here/wine-env.sh"

have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }
missing_of() {
  m=""
  for p in "$@"; do have "$p" || m="$m $p"; done
  echo "$m"
}

required="cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine64 xvfb xdotool x11-utils imagemagick hyperfine python3
  fonts-dejavu-core fonts-wine fonts-liberation jq time"

want32=no
if kernel_runs_32bit; then want32=yes; fi

need=$(missing_of $required)
need32=""
if [ $want32 = yes ] && ! have wine32:i386; then need32="wine32:i386"; fi
[ -n "$need$need32" ] || exit 0

if [ -n "$need32" ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

echo "installing:$need $need32"
tries=${INSTALL_DEPS_UPDATE_TRIES:-3}
try=1
until apt-get update -qq; do
  if [ "$try" -ge "$tries" ]; then
    echo "note: some package lists could not be fetched after $tries tries; going on with those that came"
    break
  fi
  try=$((try + 1))
  sleep "${INSTALL_DEPS_RETRY_PAUSE:-10}"
done

if [ -n "$need" ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $need >/dev/null || true
  still=$(missing_of $need)
  if [ -n "$still" ]; then
    echo "error: these packages could not be installed:$still" >&2
    exit 1
  fi
fi

if [ -n "$need32" ]; then
  if ! DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $need32 >/dev/null || ! have wine32:i386; then
    echo "note: wine32:i386 could not be installed: the 32-bit suite will not run here"
  fi
fi
exit 0
