#!/bin/sh
# install_deps_test.sh INSTALL-DEPS
# The install step's decisions, run against stand-ins for dpkg, dpkg-query
# and apt-get on the path (the machine's packages are never touched): which
# packages for which machine, what a failing mirror and a package that
# cannot be installed lead to.
set -u
script=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

bin=$scratch/bin state=$scratch/state
mkdir -p "$bin"
cat >"$bin/dpkg-query" <<'EOF'
#!/bin/sh
eval pkg=\$$#
grep -qx "$pkg" "$STATE/installed" && printf 'install ok installed'
EOF
cat >"$bin/dpkg" <<'EOF'
#!/bin/sh
case "$1" in
  --print-foreign-architectures) cat "$STATE/arch" ;;
  --add-architecture) echo "$2" >>"$STATE/arch"; echo "add-architecture $2" >>"$STATE/log" ;;
esac
EOF
# apt-get: "update" fails as many times as update-failures says; "install"
# installs all its packages or, when one is in uninstallable, none.
cat >"$bin/apt-get" <<'EOF'
#!/bin/sh
op=
for a in "$@"; do case "$a" in update|install) op=$a ;; esac; done
echo "$op" >>"$STATE/log"
if [ "$op" = update ]; then
  n=$(cat "$STATE/update-failures")
  [ "$n" -gt 0 ] || exit 0
  echo $((n - 1)) >"$STATE/update-failures"
  echo "E: Some index files failed to download." >&2
  exit 100
fi
pkgs=$(for a in "$@"; do case "$a" in -*|install) ;; *) echo "$a" ;; esac; done)
for p in $pkgs; do grep -qx "$p" "$STATE/uninstallable" && exit 100; done
echo "$pkgs" >>"$STATE/installed"
echo "installed $(echo $pkgs)" >>"$STATE/log"
# The 32-bit loader comes with the compiler's runtime where it was not there.
case " $(echo $pkgs) " in *" libclang-rt-14-dev "*) touch "$STATE/ld32" ;; esac
EOF
printf '#!/bin/sh\n[ -f "$STATE/ld32" ]\n' >"$bin/ld32"
chmod +x "$bin"/*

# run NAME KERNEL32 UPDATE-FAILURES UNINSTALLABLE [INSTALLED...]: one run of
# the script from a machine state (KERNEL32: yes, no, or later, when the
# 32-bit loader comes with the compiler's runtime); its output in
# $scratch/NAME.out.
run() {
  name=$1 k32=$2 fails=$3 bad=$4; shift 4
  rm -rf "$state"; mkdir -p "$state"
  : >"$state/arch"; : >"$state/log"
  printf '%s\n' "$@" >"$state/installed"
  echo "$fails" >"$state/update-failures"
  echo "$bad" | tr ' ' '\n' >"$state/uninstallable"
  ld=$scratch/none; [ "$k32" = no ] || ld=$bin/ld32
  [ "$k32" = yes ] && touch "$state/ld32"
  STATE=$state SETUP_LD32=$ld INSTALL_DEPS_RETRY_PAUSE=0 PATH="$bin:$PATH" \
    sh "$script" >"$scratch/$name.out" 2>&1
  echo $? >"$scratch/$name.rc"
}
rc() { cat "$scratch/$1.rc"; }
says() { grep -q "$2" "$scratch/$1.out" || fail "$1: no '$2' in: $(cat "$scratch/$1.out")"; }
logged() { grep -q "$1" "$state/log" || fail "no '$1' in the log: $(cat "$state/log")"; }
not_logged() { ! grep -q "$1" "$state/log" || fail "'$1' in the log: $(cat "$state/log")"; }

# A kernel without 32-bit programs: no i386 architecture, no wine32; the
# fonts with Windows' metrics come with the rest.
run plain64 no 0 ""
[ "$(rc plain64)" = 0 ] || fail "plain64: exit $(rc plain64): $(cat "$scratch/plain64.out")"
logged "installed .*wine64.*fonts-wine fonts-liberation"
not_logged "wine32"; not_logged "add-architecture"

# A kernel with them: the i386 architecture and wine32, on its own.
run with32 yes 0 ""
[ "$(rc with32)" = 0 ] || fail "with32: exit $(rc with32)"
logged "add-architecture i386"; logged "^installed wine32:i386$"

# A fresh machine whose 32-bit loader comes with the packages installed
# first: wine32 too, in the same run.
run fresh32 later 0 ""
[ "$(rc fresh32)" = 0 ] || fail "fresh32: exit $(rc fresh32)"
logged "^installed wine32:i386$"

# A mirror in the middle of a sync: the update is tried again; when it
# never comes whole, one line says so and the install goes on with the
# lists that came.
run retry no 2 ""
[ "$(rc retry)" = 0 ] && [ "$(grep -c '^update$' "$state/log")" = 3 ] || fail "retry: $(cat "$state/log")"
! grep -q "note:" "$scratch/retry.out" || fail "retry: a note although the third update came"
run nolists yes 5 ""
[ "$(rc nolists)" = 0 ] || fail "nolists: exit $(rc nolists)"
says nolists "some package lists could not be fetched after 3 tries; going on"
logged "installed .*wine64"; logged "^installed wine32:i386$"

# wine32 that cannot be installed: said, and the rest stands.
run no32 yes 0 "wine32:i386"
[ "$(rc no32)" = 0 ] || fail "no32: exit $(rc no32)"
says no32 "wine32:i386 could not be installed: the 32-bit suite will not run here"
logged "installed .*mingw-w64"

# A package the build needs that cannot be installed stops the command,
# naming it.
run nofonts no 0 "fonts-wine"
[ "$(rc nofonts)" != 0 ] || fail "nofonts: exit 0"
says nofonts "could not be installed:.*fonts-wine"

# Nothing missing: nothing is asked of apt-get.
all=$(sed -n '/^required="/,/"$/p' "$script" | tr -d '"' | sed 's/^required=//')
run complete yes 0 "" $all wine32:i386
[ "$(rc complete)" = 0 ] && [ ! -s "$state/log" ] || fail "complete: $(cat "$state/log")"
echo "install-deps decisions: all cases pass"
