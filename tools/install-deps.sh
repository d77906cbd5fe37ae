#!/bin/sh
# Installs the Debian packages that the build, the tests and the demo need,
# when they are missing. Safe to run again.
set -eu

need=""
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  updated=no
fi

for p in cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev \
         mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix \
         wine wine64 wine32:i386 xvfb xdotool x11-utils imagemagick hyperfine python3 \
         fonts-dejavu-core jq time; do
  have "$p" || need="$need $p"
done

if [ -n "$need" ]; then
  echo "installing:$need"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $need >/dev/null
fi
