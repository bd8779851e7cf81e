#!/usr/bin/env bash
# Checks the .deb that make package left in BUILD: its control fields, and
# that the programs unpacked alone into a scratch root (dpkg -x) run there
# with nothing from the build folder and no LD_LIBRARY_PATH.
#   package_test.sh BUILD
set -euo pipefail
shopt -s nullglob
debs=("$1"/laundry_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "FAIL: expected one laundry_*.deb in $1, found ${#debs[@]}" >&2; exit 1; }
deb=${debs[0]}

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

field() { dpkg-deb --field "$deb" "$1"; }
for lib in libqt6widgets6 libsqlite3-0 qt6-qpa-plugins; do
  field Depends | grep -q "$lib" || fail "Depends lacks $lib: $(field Depends)"
done
[ "$(field Description | wc -l)" -gt 3 ] || fail "no long description"
# ldconfig through the trigger, no maintainer script: apt remove leaves no state.
control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep . | sort | tr '\n' ' ')
[ "$control" = "control md5sums shlibs triggers " ] || fail "control files: $control"

dpkg -x "$deb" "$root"
# A build folder moved out of the way proves nothing is loaded from it.
run() { env -u LD_LIBRARY_PATH HOME="$root/home" QT_QPA_PLATFORM=offscreen "$@"; }
version=$(field Version)
[ "$(run "$root/usr/bin/laundrycard" --version)" = "laundrycard $version" ] || fail "laundrycard --version"
run "$root/usr/bin/reader-manager" --help | grep -q -- "--data <DIR>" || fail "reader-manager --help"
# The library does real work from there: a database and a card.
run "$root/usr/bin/laundrycard" db init "$root/manager.mdb" >/dev/null || fail "laundrycard db init"
run "$root/usr/bin/laundrycard" card new "$root/blank.card" >/dev/null || fail "laundrycard card new"
run "$root/usr/bin/laundrycard" card dump "$root/blank.card" --json | grep -q '"images"' || fail "card dump"
for binary in "$root"/usr/bin/* "$root"/usr/lib/*.so.*.*; do
  ! readelf -S "$binary" | grep -q '\.debug_info' || fail "$binary carries debug information"
done

[ "$failures" -eq 0 ] || exit 1
echo "package: $(basename "$deb") unpacks and runs ($(du -h "$deb" | cut -f1))"
