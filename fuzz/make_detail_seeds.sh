#!/usr/bin/env bash
# Seeds with a phone's details (date, camera, author, copyright, GPS, orientation 6, XMP and IPTC
# places) in the formats exiv2 reads, and the same with their EXIF and XMP damaged: for the
# details reader and for the photo path. Needs exiftool (libimage-exiftool-perl).
#   fuzz/make_detail_seeds.sh      (after fuzz/corpus/fuzz_photo has its still photos)
set -eu
cd "$(dirname "$0")/.."
photo=fuzz/corpus/fuzz_photo
details=fuzz/corpus/fuzz_details
mkdir -p "$details"
tag() {
  exiftool -q -overwrite_original -DateTimeOriginal='2024:07:14 10:20:30' -OffsetTimeOriginal='+02:00' \
    -Make=Phone -Model='Phone 12' -Artist='Ana Núñez' -Copyright='(c) Ana' -ImageDescription='Harbour' \
    -GPSLatitude=48.85 -GPSLatitudeRef=N -GPSLongitude=2.35 -GPSLongitudeRef=E -Orientation#=6 \
    -XMP:City=Paris -XMP:Creator=Ana "$@"
}
# Overwrites count bytes at the offset where pattern first occurs, plus skip.
damage() {  # file pattern skip bytes
  local at
  at=$(grep -obUaP "$2" "$1" | head -n 1 | cut -d: -f1)
  printf "$4" | dd of="$1" bs=1 seek=$((at + $3)) conv=notrunc status=none
}
cp "$photo/still.jpg" "$details/details.jpg"
tag -IPTC:City=Paris -IPTC:Country-PrimaryLocationName=France "$details/details.jpg"
cp "$photo/still.png" "$details/details.png"
tag "$details/details.png"
cp "$photo/pages.tif" "$details/details.tif"
tag "$details/details.tif"
cp "$photo/frames.webp" "$details/details.webp"
tag "$details/details.webp"
cp "$details/details.jpg" "$details/ifd-offset-out-of-bounds.jpg"
damage "$details/ifd-offset-out-of-bounds.jpg" 'Exif\x00\x00' 10 '\x7f\xff\xff\x00'
cp "$details/details.jpg" "$details/ifd-entry-count-huge.jpg"
damage "$details/ifd-entry-count-huge.jpg" 'Exif\x00\x00' 14 '\xff\xff'
cp "$details/details.jpg" "$details/xmp-not-xml.jpg"
damage "$details/xmp-not-xml.jpg" '<x:xmpmeta' 20 '<<<<<<<<<<<<<<<<'
for f in "$details"/details.jpg "$details"/details.png "$details"/*-*.jpg; do
  cp "$f" "$photo/details-$(basename "$f")"
done
