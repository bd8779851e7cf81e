#!/usr/bin/env bash
# Installs the build into a scratch root as the package would (prefix /usr)
# and checks what an operator and a host developer get: every file in its
# place, libraries with an SONAME, programs that run from the tree alone, a
# valid desktop file, man pages that render, headers a host can build with.
#   install_tree_test.sh BUILD BINDIR LIBDIR INCLUDEDIR DATADIR MANDIR VERSION ICON_SIZE...
set -euo pipefail
build=$1 bindir=$2 libdir=$3 includedir=$4 datadir=$5 mandir=$6 version=$7
sizes=("${@:8}")
soversion=${version%%.*}

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

expected=("$bindir/laundrycard" "$bindir/reader-manager"
          "$includedir/laundry/laundry.h" "$libdir/pkgconfig/laundry.pc"
          "$datadir/applications/reader-manager.desktop"
          "$datadir/icons/hicolor/scalable/apps/reader-manager.svg"
          "$mandir/man1/laundrycard.1.gz" "$mandir/man1/reader-manager.1.gz"
          "$datadir/bash-completion/completions/laundrycard")
for lib in laundry laundry_platform; do
  expected+=("$libdir/lib$lib.so" "$libdir/lib$lib.so.$soversion" "$libdir/lib$lib.so.$version")
done
for size in "${sizes[@]}"; do
  expected+=("$datadir/icons/hicolor/${size}x$size/apps/reader-manager.png")
done
for file in "${expected[@]}"; do
  [ -e "$usr/$file" ] || fail "missing /usr/$file"
done

for lib in laundry laundry_platform; do
  soname=$(readelf -d "$usr/$libdir/lib$lib.so.$version" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
  [ "$soname" = "lib$lib.so.$soversion" ] || fail "lib$lib SONAME is '$soname'"
done
# Nothing installed may point back into the build folder: no run path of a
# program or library, no text (debug information aside, which the package strips).
build_path=$(cd "$build" && pwd)
while IFS= read -r -d '' file; do
  if [ "$(head -c 4 "$file")" = $'\x7fELF' ]; then
    ! readelf -d "$file" | grep -E 'R(UN)?PATH' | grep -qF "$build_path" || fail "run path of $file names the build folder"
  elif grep -qF "$build_path" "$file"; then
    fail "$file names the build folder"
  fi
done < <(find "$usr" -type f -print0)

# The programs run from the tree alone and load its libraries.
for program in laundrycard reader-manager; do
  loaded=$(env -u LD_LIBRARY_PATH ldd "$usr/$bindir/$program" | awk '/liblaundry/ {print $3}' | xargs -r realpath -s)
  for path in $loaded; do
    case $path in "$usr/$libdir/"*) ;; *) fail "$program loads $path" ;; esac
  done
  [ "$(echo "$loaded" | wc -w)" -eq 2 ] || fail "$program loads '$loaded'"
  out=$(env -u LD_LIBRARY_PATH "$usr/$bindir/$program" --version) || fail "$program --version failed"
  [ "$out" = "$program $version" ] || fail "$program --version said '$out'"
done

desktop-file-validate "$usr/$datadir/applications/reader-manager.desktop" || fail "desktop file invalid"
for program in laundrycard reader-manager; do
  page=$usr/$mandir/man1/$program.1.gz
  text=$(MANWIDTH=80 man --warnings -l "$page" 2>"$root/man.err") || fail "man -l $program failed"
  [ ! -s "$root/man.err" ] || fail "man -l $program: $(cat "$root/man.err")"
  grep -q "^NAME" <<<"$text" && grep -q "$program \[" <<<"$text" || fail "$program man page lacks NAME or SYNOPSIS"
done
# The command reference of laundrycard's page lists every group's commands.
MANWIDTH=80 man -l "$usr/$mandir/man1/laundrycard.1.gz" 2>/dev/null | grep -q "^   specials card$" ||
  fail "laundrycard man page lacks the specials card command"
bash -n "$usr/$datadir/bash-completion/completions/laundrycard" || fail "bash completion does not parse"

# A host builds against the installed headers and library through pkg-config.
cat >"$root/host.cpp" <<'CPP'
#include <laundry/laundry.h>
#include <cstdio>
int main() { std::puts(laundry_library_version()); }
CPP
if flags=$(PKG_CONFIG_PATH=$usr/$libdir/pkgconfig pkg-config --cflags --libs laundry); then
  # shellcheck disable=SC2086
  c++ -std=c++20 -fPIC "$root/host.cpp" -o "$root/host" $flags "-Wl,-rpath,$usr/$libdir" ||
    fail "a host does not build against the installed headers"
  [ "$(env -u LD_LIBRARY_PATH "$root/host" 2>/dev/null)" = "$version" ] || fail "the host does not run"
else
  fail "pkg-config does not find laundry.pc"
fi

[ "$failures" -eq 0 ] || exit 1
echo "install tree: ${#expected[@]} files in place, programs, man pages, desktop file and headers work"
