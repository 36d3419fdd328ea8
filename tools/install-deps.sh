#!/usr/bin/env bash
# Installs the Debian 12 packages Pictorelle needs to build, run and test (with --bench, also to benchmark).
# As root it installs what is missing; otherwise it prints the apt-get line and fails.
set -eu
packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libvips-dev zlib1g-dev libjpeg-dev libspng-dev libraw-dev libglib2.0-dev
  libgtest-dev libgmock-dev liblcms2-dev libexiv2-dev libdeflate-dev
  pngcheck libimage-exiftool-perl fonts-dejavu-core fonts-droid-fallback valgrind
  xvfb xdotool
  desktop-file-utils appstream librsvg2-bin libglib2.0-bin
  qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  help2man man-db dpkg-dev file lintian
  clang-14 libclang-rt-14-dev
)
# --bench: the tools the benchmark compares with, and the profiler used to find where time goes.
if [ "${1:-}" = "--bench" ]; then
  packages+=(imagemagick libvips-tools linux-perf)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
line="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run as root:" >&2
  echo "  apt-get update && $line" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
