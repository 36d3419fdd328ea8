#!/usr/bin/env bash
# Drives the built program in a real window under a private X server: started with three photos,
# it shows Convert Several Photos; Convert All (its mnemonic) writes each photo's PNG at its own
# size into the proposed output folder, byte for byte what the command line writes for it.
# usage: real_window_several_test.sh PROGRAM PHOTO_FOLDER   (run under xvfb-run)
set -u
exe=$1
photos=$2
export HOME=$(mktemp -d)
export XDG_CONFIG_HOME=$HOME/.config
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$HOME"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$HOME/photos" "$HOME/expected"
cp "$photos/oriented.jpg" "$HOME/photos/a.jpg"
cp "$photos/cmyk.jpg" "$HOME/photos/b.jpg"
cp "$photos/profile-p3.jpg" "$HOME/photos/c.jpg"
cd "$HOME/photos"
"$exe" --convert --quiet --output-dir "$HOME/expected" a.jpg b.jpg c.jpg || fail "the command line failed"

"$exe" a.jpg b.jpg c.jpg >/dev/null 2>&1 &
pid=$!
wid=
for _ in $(seq 300); do
  wid=$(xdotool search --onlyvisible --name '^Convert Several Photos$' 2>/dev/null | head -1)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || fail "no Convert Several Photos window"
xdotool windowfocus --sync "$wid"
sleep 0.5
xdotool key alt+c
for name in a b c; do
  out="$HOME/Pictures/${name}_out.png"
  for _ in $(seq 300); do
    [ -s "$out" ] && break
    sleep 0.1
  done
  [ -s "$out" ] || fail "$out not written"
done
sleep 0.5  # each file appears whole, under its name, once complete
for name in a b c; do
  cmp -s "$HOME/Pictures/${name}_out.png" "$HOME/expected/${name}_out.png" || fail "${name}_out.png differs from the command line's"
done
kill -0 $pid 2>/dev/null || fail "the program ended"
echo "1 passed, 0 failed"
