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

# update_lists: the package lists, asked for a few times; then what came.
updated=no
update_lists() {
  updated=yes
  tries=${INSTALL_DEPS_UPDATE_TRIES:-3}
  try=1
  until apt-get update -qq; do
    if [ "$try" -ge "$tries" ]; then
      echo "note: some package lists could not be fetched after $tries tries; going on with those that came"
      return 0
    fi
    try=$((try + 1))
    sleep "${INSTALL_DEPS_RETRY_PAUSE:-10}"
  done
}

need=$(missing_of $required)
if [ -n "$need" ]; then
  echo "installing:$need"
  update_lists
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $need >/dev/null || true
  still=$(missing_of $need)
  if [ -n "$still" ]; then
    echo "error: these packages could not be installed:$still" >&2
    exit 1
  fi
fi

# Asked after the rest is installed: the 32-bit loader may have come with it.
if kernel_runs_32bit && ! have wine32:i386; then
  echo "installing: wine32:i386"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    updated=no
  fi
  [ $updated = yes ] || update_lists
  if ! DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null ||
     ! have wine32:i386; then
    echo "note: wine32:i386 could not be installed: the 32-bit suite will not run here"
  fi
fi
exit 0
