#!/bin/sh
# small-drive.sh DIR SIZE COMMAND [ARGS...]
# Runs COMMAND with a small drive mounted at DIR (a tmpfs of SIZE, such as
# 256k), names it to the command in SMALL_DRIVE as Wine's drive Z: sees it
# ("Z:\...\"), and unmounts it after. Mounting needs the right to mount (the
# build machine's root has it): without it the command is not run and the
# script ends with 77, which the test reports as skipped.
set -u
dir=$1 size=$2
shift 2
mkdir -p "$dir"
umount "$dir" 2>/dev/null
if ! mount -t tmpfs -o "size=$size" tmpfs "$dir" 2>/dev/null; then
  echo "small-drive.sh: cannot mount a small drive at $dir: skipped" >&2
  exit 77
fi
trap 'umount "$dir" 2>/dev/null || umount -l "$dir"' EXIT
SMALL_DRIVE="Z:$(printf '%s' "$dir" | tr / '\\')\\"
export SMALL_DRIVE
"$@"
