#!/bin/bash
# Peak memory of one pictorelle --convert process over a batch of photos, each converted at full
# size, against the bound stated in imaging/ImagingLimits.h. KIND:
#   baseline     COUNT (40) photos of 24 megapixels (6000 x 4000 JPEG, quality 90, noise over a
#                gradient): every conversion draws a 72 MiB picture;
#   progressive  COUNT (4) progressive JPEGs at the pixel limit (16384 x 16384, the same noise),
#                for which libjpeg holds every coefficient (1.5 GiB each) while it decodes.
# A third argument keeps the work folder.
#
#   bench/batch-memory.sh build/pictorelle [COUNT] [DIR] [KIND]
# Needs /usr/bin/time and the libvips command line (tools/install-deps.sh --bench).
set -euo pipefail
pictorelle=$(realpath "$1")
kind=${4:-baseline}
case $kind in
    baseline) width=6000 height=4000 save=() default=40 ;;
    progressive) width=16384 height=16384 save=(--interlace) default=4 ;;
    *) echo "KIND is baseline or progressive" >&2; exit 2 ;;
esac
count=${2:-$default}
work=${3:-$(mktemp -d)}
mkdir -p "$work/in" "$work/out"
if [ ! -f "$work/in/p0.jpg" ]; then
    vips gaussnoise "$work/noise.v" $width $height --mean 128 --sigma 30
    vips xyz "$work/xy.v" $width $height
    vips linear "$work/xy.v" "$work/ramp.v" "0.02 0.03" "0 0" --uchar
    vips bandjoin "$work/noise.v $work/ramp.v" "$work/rgb.v"
    vips cast "$work/rgb.v" "$work/rgb8.v" uchar
    vips jpegsave "$work/rgb8.v" "$work/in/p0.jpg" --Q 90 "${save[@]}"
    rm -f "$work"/*.v
fi
for ((i = 1; i < count; i++)); do
    [ -f "$work/in/p$i.jpg" ] || cp "$work/in/p0.jpg" "$work/in/p$i.jpg"
done
rm -f "$work/out"/*
/usr/bin/time -f '%e s, peak %M KiB' "$pictorelle" --convert --quiet --output-dir "$work/out" -- "$work"/in/p*.jpg \
    2> "$work/time.txt"
made=$(find "$work/out" -name '*.png' | wc -l)
echo "$count $kind photos of $width x $height on $(nproc) cores: $made written, $(tail -1 "$work/time.txt")"
[ -n "${3:-}" ] || rm -rf "$work"
