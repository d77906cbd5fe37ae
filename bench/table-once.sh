#!/bin/bash
# bench/table-once.sh PREFIX SCRATCH MEMBER SIZE EXE INSTALL [TIMEFILE]
# One whole unpack and install, in the two pieces the program itself runs:
# SCRATCH/Setup.exe unpacks SCRATCH/Setup.UMF into its work folder in the
# prefix's temporary folder (bench/extract-once.sh, until the last member
# MEMBER has its SIZE bytes, then sync), and EXE (install_bench.exe) installs
# that work folder into INSTALL (bench/install-once.sh, then sync). With
# TIMEFILE, each piece runs under /usr/bin/time -v, which writes its figures
# to TIMEFILE.extract and TIMEFILE.install. Exit code: 0 when both pieces
# succeeded.
set -u
prefix=$1 scratch=$2 member=$3 size=$4 exe=$5 install=$6 timefile=${7:-}
here=$(cd "$(dirname "$0")" && pwd)

"$here/extract-once.sh" "$prefix" "$scratch" "$member" "$size" ${timefile:+"$timefile.extract"} || exit 1
work=
for d in "$prefix"/drive_c/users/*/Temp/~*.stp; do
  [ -d "$d" ] || continue
  [ -z "$work" ] || { echo "table-once: more than one work folder in $prefix" >&2; exit 1; }
  work=$d
done
[ -n "$work" ] || { echo "table-once: no work folder in $prefix" >&2; exit 1; }
"$here/install-once.sh" "$prefix" "$exe" "$work" "$install" ${timefile:+"$timefile.install"}
