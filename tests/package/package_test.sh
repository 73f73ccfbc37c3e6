#!/usr/bin/env bash
# Unpacks the package built by CPack and runs it as a new user would: the
# command line and the program (offscreen) with an empty home folder, whose
# first start must fill ~/.local/share/optolune/Data. Checks lintian's verdict
# (no error), the menu entry and the AppStream file with their validators, the
# dependencies (those dpkg-shlibdeps finds and Qt's platform plugins), the
# maintainer, one version everywhere, the copyright file and the changelog, and
# that nothing in the package names the building machine's folders.
# Usage: package_test.sh <folder holding the .deb> <source folder> <build folder>
#        <version> <maintainer> [check-paths|keep-paths]
# keep-paths: a sanitizer build, whose executables name their source files.
set -euo pipefail
debs=("$1"/optolune_*_amd64.deb)
src=$2
build=$3
version=$4
maintainer=$5
paths=${6:-check-paths}
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
# Qt's GUI library only recommends its platform plugins: installed without
# the recommended packages, the program would not start without this one.
for lib in libqt6widgets6 libqt6core6 libc6 qt6-qpa-plugins; do
  grep -Eq "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || fail "architecture"
[ "$(dpkg-deb -f "$deb" Maintainer)" = "$maintainer" ] ||
  fail "maintainer $(dpkg-deb -f "$deb" Maintainer), configured $maintainer"
grep -Eq '^[^<>]+ <[^<>@ ]+@[^<>@ ]+\.[^<>@ ]+>$' <<<"$maintainer" || fail "maintainer $maintainer"

# One version everywhere: the package, the program's version text (line 1 of
# the test table it delivers), the manual page, the AppStream release and the
# changelog.
grep -Eq '^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$' <<<"$version" || fail "version $version"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] ||
  fail "package version $(dpkg-deb -f "$deb" Version), program $version"
[ "$(basename "$deb")" = "optolune_${version}_amd64.deb" ] || fail "file name $(basename "$deb")"
[ "$(head -n 1 "${testtable[0]}" | tr -d '\r')" = "Version $version" ] ||
  fail "the test table's version line: $(head -n 1 "${testtable[0]}")"
for page in optolune optolune-cli; do
  man=$root/usr/share/man/man1/$page.1.gz
  [ -f "$man" ] || fail "usr/share/man/man1/$page.1.gz is not in the package"
  zcat "$man" | grep -q "^\.TH .*\"Optolune $version\"" || fail "the version of $page(1)"
done
fr_man=$root/usr/share/man/fr/man1/optolune.1.gz
[ -f "$fr_man" ] || fail "usr/share/man/fr/man1/optolune.1.gz is not in the package"
zcat "$fr_man" | grep -q "^\.TH .*\"Optolune $version\"" || fail "the version of the French optolune(1)"
[ -f "$root/usr/share/optolune/translations/optolune_en.qm" ] ||
  fail "the English translation is not in the package"
# optolune-cli's page in French too, where man looks for a French user.
man=$root/usr/share/man/fr/man1/optolune-cli.1.gz
[ -f "$man" ] || fail "usr/share/man/fr/man1/optolune-cli.1.gz is not in the package"
zcat "$man" | grep -q "^\.TH .*\"Optolune $version\" \"Commandes utilisateur\"" ||
  fail "the version of the French optolune-cli(1)"
zcat "$root/usr/share/man/man1/optolune-cli.1.gz" | grep -q '^\.SH NAME$' || fail "optolune-cli(1) is not in English"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/fr.optolune.optolune.metainfo.xml" ||
  fail "the AppStream file has no release $version"

# /usr/share/doc/optolune: a machine-readable copyright file and the changelog
# of a native package (its version has no Debian revision).
doc=$root/usr/share/doc/optolune
[ -f "$doc/copyright" ] || fail "usr/share/doc/optolune/copyright is not in the package"
[ "$(head -n 1 "$doc/copyright")" = \
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
  fail "the copyright file is not machine-readable"
grep -qF "Upstream-Contact: $maintainer" "$doc/copyright" || fail "the copyright file's contact"
[ -f "$doc/changelog.gz" ] || fail "usr/share/doc/optolune/changelog.gz is not in the package"
[ "$(zcat "$doc/changelog.gz" | head -n 1)" = "optolune ($version) unstable; urgency=medium" ] ||
  fail "the changelog's first entry is not version $version"
zcat "$doc/changelog.gz" | grep -qF -- " -- $maintainer  " || fail "the changelog's maintainer"

# Lintian, Debian's package checker: any error fails. Its warnings are shown.
command -v lintian >/dev/null || fail "lintian is not installed (scripts/deps.sh installs it)"
report=$(lintian --fail-on none --tag-display-limit 0 "$deb" 2>&1) || fail "lintian did not run: $report"
[ -z "$report" ] || echo "$report" >&2
if grep -q '^E: ' <<<"$report"; then
  fail "lintian reports errors"
fi

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
