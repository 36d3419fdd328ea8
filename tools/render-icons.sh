#!/usr/bin/env bash
# Renders the program icon from its drawings in data/icons/ into the hicolor PNG sizes and the
# window icon res/icon128.png. The PNGs are committed, so building needs no renderer; run this
# after changing a drawing (needs rsvg-convert: apt-get install librsvg2-bin).
set -eu
cd "$(dirname "$0")/.."
id=org.example.Pictorelle
icons=data/icons
for size in 16 22 24 32 48 64 128 256; do
  drawing=$icons/pictorelle.svg
  [ "$size" -le 24 ] && drawing=$icons/pictorelle-small.svg
  mkdir -p "$icons/hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$drawing" -o "$icons/hicolor/${size}x${size}/apps/$id.png"
done
rsvg-convert -w 64 -h 64 "$icons/pictorelle.svg" -o res/icon128.png
