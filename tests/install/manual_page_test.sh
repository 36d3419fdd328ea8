#!/usr/bin/env bash
# The manual page as installed: `man pictorelle` finds it through the PATH, man renders it without
# warnings, and it names every option that the installed program's --help lists.
# usage: manual_page_test.sh CMAKE BUILD_DIR
set -u
cmake=$1 build=$2
[ -x "$build/pictorelle" ] || { echo "SKIPPED: the program is not built"; exit 77; }
command -v man >/dev/null || { echo "SKIPPED: man is not installed (man-db)"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix="$work/pre fix"
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "install"; }
page=$prefix/share/man/man1/pictorelle.1.gz
[ -f "$page" ] && gzip -t "$page" || fail "no gzipped manual page at $page"

# man finds a page beside a bin/ folder on the PATH, as for ~/.local.
found=$(PATH="$prefix/bin:/usr/bin:/bin" MANPATH= man -w pictorelle 2>&1)
[ "$found" = "$page" ] || fail "man pictorelle finds '$found', not $page"

# Wide lines, so that no option is hyphenated; C locale, so that dashes stay ASCII.
text=$(LC_ALL=C MANWIDTH=1000 man --warnings -l "$page" 2>"$work/warnings" | col -b)
[ -s "$work/warnings" ] && { cat "$work/warnings"; fail "man warns about the page"; }
grep -q '^NAME' <<<"$text" && grep -q 'pictorelle - turn a photo' <<<"$text" || fail "no NAME line: $text"
version=$("$prefix/bin/pictorelle" --version)
grep -qF "$version" <<<"$text" || fail "the page does not name '$version'"

# The folders the page names are those the installed program uses; --convert's language is the locale's.
for folder in language help; do
  grep -qF "$prefix/lib/pictorelle/$folder/" <<<"$text" && [ -d "$prefix/lib/pictorelle/$folder" ] ||
    fail "the page does not name the installed $folder folder $prefix/lib/pictorelle/$folder/"
done
[ -f "$prefix/lib/pictorelle/language/English.ini" ] || fail "no English.ini in the folder the page names"
grep -q 'language from them' <<<"$text" && fail "the page says --convert takes its language from the settings"
grep -q 'LC_MESSAGES' <<<"$text" || fail "the page does not say which locale --convert speaks"

options() { grep -oE -- '--[a-z][a-z0-9-]*' | sort -u; }
"$prefix/bin/pictorelle" --help | options >"$work/help-options"
options <<<"$text" >"$work/page-options"
[ "$(wc -l <"$work/help-options")" -ge 10 ] || fail "too few options read from --help: $(cat "$work/help-options")"
missing=$(comm -23 "$work/help-options" "$work/page-options")
[ -z "$missing" ] || fail "options of --help missing from the manual page: $missing"
echo "1 passed, 0 failed"
