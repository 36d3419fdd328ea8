#!/usr/bin/env bash
# The Debian package, made by CPack from this build tree into a temporary folder: its name, its
# control fields (Depends as dpkg-shlibdeps computes it), its exact file list, a stripped program
# that still converts, no path of the build machine in any file, and no lintian error or warning.
# usage: deb_package_test.sh CPACK BUILD_DIR SOURCE_DIR VERSION APP_ID PHOTO
set -u
cpack=$1 build=$2 source=$3 version=$4 id=$5 photo=$6
command -v dpkg-deb >/dev/null || { echo "SKIPPED: dpkg-deb is not installed (not a Debian system?)"; exit 77; }
[ -x "$build/pictorelle" ] || { echo "SKIPPED: the program is not built"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$work/out/pictorelle_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$work/out"; echo "FAIL: no $(basename "$deb")"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pictorelle ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
# dpkg-shlibdeps names each library's package with the least version the program needs.
depends=$(field Depends)
for package in 'libvips[0-9]+' 'libqt6core6' 'libqt6gui6' 'libqt6widgets6' 'libraw[0-9]+' 'libspng[0-9]+' 'libc6'; do
  grep -Eq "(^|, )$package \([<>=]+ [^)]+\)" <<<"$depends" || fail "Depends names no $package with a version: $depends"
done

dpkg-deb -x "$deb" "$work/root"
dpkg-deb -e "$deb" "$work/control"
expected=(usr/bin/pictorelle usr/lib/pictorelle/pictorelle
  usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man1/pictorelle.1.gz
  usr/share/doc/pictorelle/copyright usr/share/doc/pictorelle/changelog.gz)
for f in "$source"/language/*.ini; do expected+=("usr/lib/pictorelle/language/${f##*/}"); done
for f in "$source"/translations/*.ts; do n=${f##*/}; expected+=("usr/lib/pictorelle/language/${n%.ts}.qm"); done
while IFS= read -r -d '' f; do expected+=("usr/lib/pictorelle/help/${f#"$source"/help/}"); done < <(find "$source/help" -type f -print0)
for d in "$source"/data/icons/hicolor/*x*; do expected+=("usr/share/icons/hicolor/${d##*/}/apps/$id.png"); done
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
(cd "$work/root" && find . ! -type d | sed 's|^\./||' | sort) >"$work/actual"
diff "$work/expected" "$work/actual" >"$work/files.diff" || { cat "$work/files.diff"; fail "file list (< missing, > unexpected)"; }
[ "$(readlink "$work/root/usr/bin/pictorelle")" = ../lib/pictorelle/pictorelle ] || fail "usr/bin/pictorelle is not the relative link"

# Every folder under /usr the help pages name (but /usr/local, a source install's) is in the package.
while IFS= read -r named; do
  [ -e "$work/root$named" ] || fail "the help names $named, which the package does not install"
done < <(grep -rhoE '<code>/usr/[^<]*</code>' "$source/help" | sed -E 's|</?code>||g' | grep -v '^/usr/local/' | sort -u)
[ -f "$work/root/usr/lib/pictorelle/language/English.ini" ] || fail "no English.ini in the package's language folder"

program=$work/root/usr/lib/pictorelle/pictorelle
readelf -S "$program" | grep -Eq '\.symtab|\.debug_' && fail "the program is not stripped"
home=$work/home && mkdir -p "$home"
HOME=$home XDG_CONFIG_HOME=$home/.config "$work/root/usr/bin/pictorelle" --convert --quiet \
  --output "$work/out.png" "$photo" && [ -s "$work/out.png" ] || fail "the packaged program does not convert"

# Neither the source tree, the build tree nor CPack's staging folder may appear in the package.
paths=(-e "$source" -e "$build" -e "$(realpath "$source")" -e "$(realpath "$build")" -e _CPack_Packages)
grep -rlaF "${paths[@]}" "$work/root" "$work/control" && fail "files above carry a build-machine path"
while IFS= read -r -d '' gz; do
  zcat "$gz" | grep -qaF "${paths[@]}" && fail "${gz#"$work/root/"} carries a build-machine path"
done < <(find "$work/root" -name '*.gz' -print0)

zcat "$work/root/usr/share/doc/pictorelle/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
  fail "data/changelog's latest entry is not version $version"

if command -v lintian >/dev/null; then
  # With its notes (-I), where the hardening tags are: the program is built with Debian's flags.
  lintian --fail-on error,warning -I "$deb" 2>&1 | grep -v 'running with root privileges' >"$work/lintian.log"
  status=${PIPESTATUS[0]}
  cat "$work/lintian.log"
  [ "$status" -eq 0 ] || fail "lintian reports errors or warnings"
  grep -q 'hardening-' "$work/lintian.log" && fail "lintian names a hardening flag missing"
else
  fail "lintian is not installed: run tools/install-deps.sh"
fi

[ $failures -eq 0 ] || exit 1
echo "1 passed, 0 failed"
