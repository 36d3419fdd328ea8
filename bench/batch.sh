#!/usr/bin/env bash
# Batch conversion from the command line: COUNT photos of 12 megapixels (4240 x 2832 JPEG) to
# 1920 x 1280 PNG, by Pictorelle, ImageMagick (mogrify) and the libvips command line
# (vipsthumbnail), each on the same files in the same run, one photo after another in one process
# and split over two processes with xargs -P2, and by Convert All of Pictorelle's Convert Several
# Photos window (one process, driven headless by pictorelle_batch_window_bench beside PICTORELLE's
# build, or WINDOW_BENCH). Prints a Markdown table of wall times and output sizes.
#
#   bench/batch.sh PICTORELLE [COUNT] [WORK_DIR]
#
# Every kind of photo in turn (KINDS, all by default): 444-q90 as ImageMagick writes quality 90
# (no chroma subsampling), 420-q90 and 420-q75 as phones write, 422-q90 and 422-q75 as many cameras
# write, and camera-420: stronger sensor noise at 4:2:0.
#
# Needs tools/install-deps.sh --bench (imagemagick, libvips-tools).
set -eu
pictorelle=$(realpath "$1")
window_bench=${WINDOW_BENCH:-$(dirname "$pictorelle")/bench/pictorelle_batch_window_bench}
count=${2:-100}
work=${3:-$(mktemp -d)}
mkdir -p "$work"
cd "$work"
kinds=${KINDS:-444-q90 420-q90 420-q75 422-q90 422-q75 camera-420}
# The other tools in turn (TOOLS, all by default; empty for none); Pictorelle's command line always.
tools=${TOOLS-magick vips}

# Four different photo-like pictures (smooth areas, edges and grain) of the kind, copied round to
# COUNT files in photos/.
make_photos() {
  local kind=$1 sampling quality noise=0.3
  case $kind in
    444-q90) sampling=1x1 quality=90 ;;
    420-q90) sampling=2x2 quality=90 ;;
    420-q75) sampling=2x2 quality=75 ;;
    422-q90) sampling=2x1 quality=90 ;;
    422-q75) sampling=2x1 quality=75 ;;
    camera-420) sampling=2x2 quality=92 noise=0.8 ;;
    *) echo "unknown kind $kind" >&2; exit 2 ;;
  esac
  for seed in 1 2 3 4; do
    [ -f "source-$kind-$seed.jpg" ] ||
      convert -seed "$seed" -size 4240x2832 plasma:fractal -blur 0x1 -attenuate "$noise" +noise Gaussian \
        -sampling-factor "$sampling" -quality "$quality" "source-$kind-$seed.jpg"
  done
  rm -rf photos && mkdir -p photos
  for i in $(seq 1 "$count"); do
    cp -f "source-$kind-$(( (i - 1) % 4 + 1 )).jpg" "$(printf 'photos/IMG_%04d.jpg' "$i")"
  done
}
per_process=$(( (count + 1) / 2 ))

pictorelle_run() { "$pictorelle" --convert --quiet --overwrite --size 1920x1280 --output-dir "$1" -- "${@:2}"; }
magick_run() { mogrify -path "$1" -resize '1920x1280!' -format png "${@:2}"; }
window_run() { "$window_bench" 1920 1280 "$1" "${@:2}" >/dev/null 2>&1; }
vips_run() { vipsthumbnail --size '1920x1280!' -o "$(realpath "$1")/%s_out.png" "${@:2}"; }
export -f pictorelle_run magick_run vips_run window_run
export pictorelle window_bench

# Seconds of wall time for one case; its output folder is made new first.
timed() {
  local tool=$1 mode=$2 out="out/$1-$2"
  rm -rf "$out" && mkdir -p "$out"
  local start end
  start=$EPOCHREALTIME
  if [ "$mode" = sequential ]; then
    "${tool}_run" "$out" "${photos[@]}"
  else
    printf '%s\0' "${photos[@]}" | xargs -0 -n "$per_process" -P 2 bash -c "${tool}_run \"\$0\" \"\$@\"" "$out"
  fi
  end=$EPOCHREALTIME
  local files
  files=$(find "$out" -name '*.png' | wc -l)
  [ "$files" -eq "$count" ] || { echo "$tool $mode wrote $files of $count pictures" >&2; exit 1; }
  awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}

echo "| kind | tool | one process | xargs -P2 | output MiB |"
echo "|---|---|---|---|---|"
for kind in $kinds; do
  make_photos "$kind"
  photos=(photos/*.jpg)
  for tool in pictorelle $tools; do
    seq_s=$(timed "$tool" sequential)
    par_s=$(timed "$tool" parallel)
    mib=$(du -sm "out/$tool-parallel" | cut -f1)
    printf '| %s | %s | %.1f s | %.1f s | %s |\n' "$kind" "$tool" "$seq_s" "$par_s" "$mib"
    [ "$tool" = pictorelle ] && line_s=$seq_s
  done
  # The window is one process: beside the command line's one process, in the same run.
  if [ -x "$window_bench" ]; then
    window_s=$(timed window sequential)
    mib=$(du -sm "out/window-sequential" | cut -f1)
    printf '| %s | window (x%.2f) | %.1f s | - | %s |\n' "$kind" "$(awk -v w="$window_s" -v l="$line_s" 'BEGIN { print w / l }')" \
      "$window_s" "$mib"
  fi
done
