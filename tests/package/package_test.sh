#!/usr/bin/env bash
# Unpacks the package built by CPack and runs it as a new user would: the
# command line and the program (offscreen) with an empty home folder, whose
# first start must fill ~/.local/share/optolune/Data. Checks the menu entry and
# the AppStream file with their validators, the dependencies found by
# dpkg-shlibdeps, and that nothing in the package names the building machine's
# folders.
# Usage: package_test.sh <folder holding the .deb> <source folder> <build folder>
#        [check-paths|keep-paths]
# keep-paths: a sanitizer build, whose executables name their source files.
set -euo pipefail
debs=("$1"/optolune_*_amd64.deb)
src=$2
build=$3
paths=${4:-check-paths}
fail() { echo "FAIL: $*" >&2; exit 1; }
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "one optolune_<version>_amd64.deb expected in $1"
deb=${debs[0]}

work=$(mktemp -d)
trap 'kill "${gui:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"

for f in usr/bin/optolune usr/bin/optolune-cli \
         usr/share/applications/optolune.desktop \
         usr/share/icons/hicolor/scalable/apps/optolune.svg \
         usr/share/metainfo/fr.optolune.optolune.metainfo.xml; do
  [ -f "$root/$f" ] || fail "$f is not in the package"
done
required=(cbxcer7.stf cbxdis7.stf cbxdia7.stf cbxfoc7.stf cbxcgr7.stf
          cbxcer7.sts cbxdis7.sts cbxdia7.sts cbxfoc7.sts cbxcgr7.sts)
installed=$root/usr/share/optolune/Data
for f in "${required[@]}"; do
  [ -f "$installed/$f" ] || fail "Data/$f is not installed"
done
testtable=("$installed"/*.slc)
[ -f "${testtable[0]}" ] || fail "the test table is not installed"
head -n 1 "${testtable[0]}" | grep -q '^Version [0-9]*\.[0-9]*\.[0-9]*\.[0-9]*' ||
  fail "the test table does not start with the version line"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6core6 libc6; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || fail "architecture"

desktop-file-validate "$root/usr/share/applications/optolune.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic \
  "$root/usr/share/metainfo/fr.optolune.optolune.metainfo.xml" || fail "AppStream metainfo"

# Nothing may hold a path of the machine the package was built on (in a
# sanitizer build, nothing but the executables).
case $paths in
  check-paths) exclude=() ;;
  keep-paths) exclude=(--exclude-dir=bin) ;;
  *) fail "unknown argument $paths" ;;
esac
for p in "$src" "$build"; do
  named=$(grep -rlF "${exclude[@]}" -- "$p" "$root" | head -3 || true)
  if [ -n "$named" ]; then
    for f in $named; do
      echo "$f:" >&2
      strings -a "$f" | grep -F -- "$p" | head -5 >&2
    done
    fail "the package names $p"
  fi
done

# A new user: an empty home, no OPTOLUNE_HOME, the XDG default folders.
run_env() {
  local home=$1; shift
  env -u OPTOLUNE_HOME -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" \
      QT_QPA_PLATFORM=offscreen "$@"
}
check_seeded() {
  local data=$1/.local/share/optolune/Data
  for f in "${required[@]}"; do
    [ -f "$data/$f" ] || return 1
  done
  cmp -s "${testtable[0]}" "$data/$(basename "${testtable[0]}")"
}

home=$work/cli-user
mkdir -p "$home"
out=$(run_env "$home" "$root/usr/bin/optolune-cli" table) || fail "optolune-cli table failed"
[ -n "$out" ] || fail "optolune-cli printed no table"
check_seeded "$home" || fail "optolune-cli did not seed $home/.local/share/optolune/Data"
for f in "${required[@]}"; do
  cmp -s "$installed/$f" "$home/.local/share/optolune/Data/$f" || fail "$f seeded with other bytes"
done
[ ! -e "$root/usr/bin/Data" ] && [ ! -e "$root/usr/bin/optolune.INI" ] ||
  fail "the program wrote beside itself"

# The program: its first start seeds the folder of another new user, and it
# is still running a few seconds later (the main window is up).
home=$work/gui-user
mkdir -p "$home"
run_env "$home" "$root/usr/bin/optolune" >"$work/gui.log" 2>&1 &
gui=$!
for _ in $(seq 1 120); do
  check_seeded "$home" && break
  kill -0 "$gui" 2>/dev/null || { cat "$work/gui.log" >&2; fail "optolune ended at start-up"; }
  sleep 0.25
done
check_seeded "$home" || fail "optolune did not seed $home/.local/share/optolune/Data"
sleep 2
kill -0 "$gui" 2>/dev/null || { cat "$work/gui.log" >&2; fail "optolune ended after start-up"; }
kill "$gui"
wait "$gui" 2>/dev/null || true
gui=
echo "package $(basename "$deb"): unpacked, validated, started twice as a new user"
