#!/usr/bin/env bash
# The installed program in a real window: install into a temporary prefix, start it from its
# launcher link under a private X server, open a photo through the real file dialog, convert it,
# switch the language through the right-click menu, close with Exit, and check the PNG and the settings file it leaves behind.
# usage: installed_window_test.sh CMAKE BUILD_DIR PHOTO
set -u
cmake=$1 build=$2 photo=$3
if [ -z "${PICTORELLE_UNDER_XVFB:-}" ]; then
  for tool in xvfb-run xdotool; do
    command -v $tool >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
  done
  [ -x "$build/pictorelle" ] || { echo "SKIPPED: the program is not built"; exit 77; }
  PICTORELLE_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

export HOME=$(mktemp -d)
export XDG_CONFIG_HOME=$HOME/.config
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$HOME"' EXIT
fail() { echo "FAIL: $*"; [ -s "$HOME/stdout.txt" ] && cat "$HOME/stdout.txt"; exit 1; }

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
  local tries=$1; shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
  return 1
}
window_named() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

prefix="$HOME/install prefix"
"$cmake" --install "$build" --prefix "$prefix" >"$HOME/install.log" 2>&1 || { cat "$HOME/install.log"; fail "install"; }
mkdir -p "$HOME/photos"
cp "$photo" "$HOME/photos/"
photo="$HOME/photos/$(basename "$photo")"

"$prefix/bin/pictorelle" >"$HOME/stdout.txt" 2>"$HOME/stderr.txt" &
pid=$!
wait_for 150 window_named '^Pictorelle$' || fail "no main window"
wid=$(xdotool search --onlyvisible --name '^Pictorelle$' | head -1)
xdotool windowfocus --sync "$wid"
sleep 0.5

# Open Photo has the focus at start.
xdotool key space
wait_for 100 window_named '^Select a Photo file' || fail "no file dialog"
sleep 0.5
xdotool type --delay 5 "$photo"
xdotool key Return
wait_for 100 eval '! window_named "^Select a Photo file"' || fail "the file dialog stayed open"
sleep 0.5
xdotool windowfocus --sync "$wid"
sleep 0.3

# Tab order: Open Photo, Exit, Convert.
xdotool key Tab Tab space
out="$HOME/Pictures/$(basename "${photo%.*}")_out.png"
wait_for 100 grep -qxF "$out saved successfully." "$HOME/stdout.txt" || fail "no success line"
[ -s "$out" ] || fail "$out not written"
if command -v pngcheck >/dev/null; then pngcheck -q "$out" || fail "pngcheck $out"; fi

# Switch to German through the right-click menu on an empty part of the window: Language,
# then the fourth entry (Chinese_Simplified_unicode, English, French_France, German_Germany).
xdotool mousemove --window "$wid" 529 208 click 3
sleep 0.7
xdotool key Down Right
sleep 0.4
xdotool key Down Down Down Return
sleep 0.7

# Back to Exit (one step before Convert in tab order) and press it.
xdotool windowfocus --sync "$wid"
xdotool key shift+Tab space
wait_for 100 eval '! kill -0 $pid 2>/dev/null' || fail "the program did not end after Exit"
wait $pid 2>/dev/null
pid=

settings=$HOME/.config/TOLVARK/pictorelle.ini
[ -f "$settings" ] || fail "no settings file $settings"
# The language chosen in the menu, in section [Option].
awk '/^\[/ { section = $0 } section == "[Option]" && $0 == "CurrentLanguage=German_Germany" { found = 1 }
     END { exit !found }' "$settings" || { cat "$settings"; fail "no CurrentLanguage=German_Germany in [Option]"; }
echo "1 passed, 0 failed"
