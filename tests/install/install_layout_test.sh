#!/usr/bin/env bash
# Installs the built program into a temporary prefix (with a space in its path), and again staged
# with DESTDIR, and checks the layout: the program with its language and help folders, the
# launcher link on the PATH resolving to it, the menu entry, the metainfo, every icon, the manual
# page, the copyright and the changelog.
# usage: install_layout_test.sh CMAKE BUILD_DIR SOURCE_DIR APP_ID
set -u
cmake=$1 build=$2 source=$3 id=$4
[ -x "$build/pictorelle" ] || { echo "SKIPPED: the program is not built"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

check_layout() {  # root of the installed tree as seen on disk, and the prefix the program sees
  local root=$1 prefix=$2 app=$1/lib/pictorelle
  [ -x "$app/pictorelle" ] && [ ! -L "$app/pictorelle" ] || fail "$app/pictorelle is not the program"
  [ -L "$root/bin/pictorelle" ] || fail "bin/pictorelle is not a symbolic link"
  [ "$(readlink "$root/bin/pictorelle")" = ../lib/pictorelle/pictorelle ] ||
    fail "bin/pictorelle points to '$(readlink "$root/bin/pictorelle")', not ../lib/pictorelle/pictorelle"
  [ "$(readlink -f "$root/bin/pictorelle")" = "$(readlink -f "$app/pictorelle")" ] || fail "bin/pictorelle does not resolve"
  for f in "$source"/language/*.ini; do
    cmp -s "$f" "$app/language/$(basename "$f")" || fail "language/$(basename "$f") missing or different"
  done
  [ -f "$app/language/English.ini" ] || fail "no language/English.ini beside the program"
  for f in "$source"/translations/*.ts; do
    local qm=${f##*/}
    [ -s "$app/language/${qm%.ts}.qm" ] || fail "language/${qm%.ts}.qm missing"
  done
  # The pages of each language are in a folder of their own.
  while IFS= read -r -d '' f; do
    local page=${f#"$source"/help/}
    cmp -s "$f" "$app/help/$page" || fail "help/$page missing or different"
  done < <(find "$source/help" -type f -print0)
  [ -f "$app/help/Introduction.htm" ] || fail "no help/Introduction.htm beside the program"
  # The menu entry as shipped, but for Exec, which names the installed program by its path.
  local entry=$root/share/applications/$id.desktop
  [ "$(grep -v '^Exec=' "$entry")" = "$(grep -v '^Exec=' "$source/data/$id.desktop")" ] || fail "menu entry missing"
  [ "$(grep '^Exec=' "$entry")" = "Exec=\"$prefix/lib/pictorelle/pictorelle\" %F" ] ||
    fail "menu entry runs '$(grep '^Exec=' "$entry")'"
  if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$entry" || fail "installed entry invalid"; fi
  cmp -s "$source/data/$id.metainfo.xml" "$root/share/metainfo/$id.metainfo.xml" || fail "metainfo missing"
  for size in 16 22 24 32 48 64 128 256; do
    local icon=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$icon" ] || { fail "no ${size}x${size} icon"; continue; }
    # The PNG header's width and height, big-endian at bytes 16 to 23.
    [ "$(od --endian=big -An -tu4 -j16 -N8 "$icon" | xargs)" = "$size $size" ] ||
      fail "the ${size}x${size} icon has another size"
  done
  [ -f "$root/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
  [ -f "$root/share/man/man1/pictorelle.1.gz" ] || fail "no manual page"
  cmp -s "$source/data/copyright" "$root/share/doc/pictorelle/copyright" || fail "copyright missing"
  [ -f "$root/share/doc/pictorelle/changelog.gz" ] || fail "no changelog.gz"
}

prefix="$work/pre fix"
"$cmake" --install "$build" --prefix "$prefix" --strip >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "install into '$prefix'"; }
check_layout "$prefix" "$prefix"
# --strip leaves no debug information in the installed program.
if command -v readelf >/dev/null; then
  ! readelf -S "$prefix/lib/pictorelle/pictorelle" | grep -q '\.debug_' || fail "debug sections left after --strip"
fi

# The menu entry starts the installed program with the prefix's bin off the PATH, as a desktop does.
if command -v gio >/dev/null; then
  program="$prefix/lib/pictorelle/pictorelle"
  home="$work/gio-home" && mkdir -p "$home"
  HOME=$home XDG_CONFIG_HOME=$home/.config QT_QPA_PLATFORM=offscreen PATH=/usr/bin:/bin \
    gio launch "$prefix/share/applications/$id.desktop" "$source/tests/data/photo_30x20.bmp" >"$work/gio.log" 2>&1 ||
    { cat "$work/gio.log"; fail "gio launch refuses the menu entry"; }
  started=
  for _ in $(seq 100); do  # the started window runs until ended: find it by its program, end it
    for exe in /proc/[0-9]*/exe; do
      [ "$(readlink "$exe" 2>/dev/null)" = "$program" ] && { started=${exe#/proc/}; started=${started%/exe}; break 2; }
    done
    sleep 0.1
  done
  [ -n "$started" ] && kill "$started" || fail "the menu entry did not start $program"
fi
# Installing again over the same tree replaces the link instead of failing.
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "second install"; }
grep -qxF "$prefix/bin/pictorelle" "$build/install_manifest.txt" || fail "the link is not in install_manifest.txt"

# From the command line, through the link: the program finds its language files and converts.
# The command line speaks the locale's language.
home="$work/home" && mkdir -p "$home"
message=$(HOME=$home XDG_CONFIG_HOME=$home/.config LC_ALL= LC_MESSAGES= LANGUAGE= LANG=de_DE.UTF-8 \
  "$prefix/bin/pictorelle" --convert x.png --width 0 2>&1 >/dev/null)
[ $? -eq 2 ] && [ -n "$message" ] && ! grep -q "The output width is invalid" <<<"$message" ||
  fail "a usage error from the installed program is not in the user's language: $message"
# Its own texts too: --help in German from the translation installed beside the language files.
HOME=$home XDG_CONFIG_HOME=$home/.config LC_ALL= LC_MESSAGES= LANGUAGE= LANG=de_DE.UTF-8 \
  "$prefix/bin/pictorelle" --help | grep -q '^Aufruf: pictorelle' || fail "--help of the installed program is not German"
HOME=$home XDG_CONFIG_HOME=$home/.config "$prefix/bin/pictorelle" --convert --quiet --output "$work/out.png" \
  "$source/tests/data/photo_30x20.bmp" && [ -s "$work/out.png" ] || fail "the installed program does not convert"

DESTDIR="$work/stage" "$cmake" --install "$build" --prefix /opt/pictorelle-test >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "staged install"; }
check_layout "$work/stage/opt/pictorelle-test" /opt/pictorelle-test
[ ! -e /opt/pictorelle-test ] || fail "a staged install wrote outside DESTDIR"

[ $failures -eq 0 ] || exit 1
echo "install layout passed"
