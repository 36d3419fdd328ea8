#!/usr/bin/env bash
# Drives the built program in a real window under a private X server with the keyboard:
# Open Photo, type the photo's path into the file dialog, then Convert into the pictures folder.
# usage: real_window_test.sh PROGRAM PHOTO   (run under xvfb-run)
set -u
exe=$1
photo=$2
export HOME=$(mktemp -d)
export XDG_CONFIG_HOME=$HOME/.config
trap 'kill $pid 2>/dev/null; rm -rf "$HOME"' EXIT
"$exe" >"$HOME/stdout.txt" 2>/dev/null &
pid=$!
wid=
for _ in $(seq 100); do
  wid=$(xdotool search --name '^Pictorelle$' 2>/dev/null | head -1)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || { echo "FAIL: no main window"; exit 1; }
xdotool windowfocus --sync "$wid"
sleep 0.5
xdotool key space            # Open Photo has the focus at start
sleep 1.5
xdotool type --delay 5 "$photo"
xdotool key Return
sleep 1.5
xdotool windowfocus --sync "$wid"
sleep 0.3
xdotool key Tab Tab space    # Exit, then Convert, in tab order
out="$HOME/Pictures/$(basename "${photo%.*}")_out.png"
for _ in $(seq 100); do
  [ -s "$HOME/stdout.txt" ] && break
  sleep 0.1
done
grep -qxF "$out saved successfully." "$HOME/stdout.txt" || { echo "FAIL: no success line"; cat "$HOME/stdout.txt"; exit 1; }
[ -s "$out" ] || { echo "FAIL: $out not written"; exit 1; }
if command -v pngcheck >/dev/null; then pngcheck -q "$out" || { echo "FAIL: pngcheck"; exit 1; }; fi
echo "1 passed, 0 failed"
