#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each, starting from the kept seeds and regression inputs;
# new inputs go to a scratch corpus in the build folder, so the repository is left as it is.
# Fails on the first finding; the input that caused it is left in BUILD_DIR/findings/.
#   fuzz/run.sh BUILD_DIR SECONDS [TARGET...]
set -eu
cd "$(dirname "$0")/.."
build=$1
seconds=$2
shift 2
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_photo fuzz_png_writer fuzz_format_text fuzz_language_file fuzz_details)
export ASAN_OPTIONS="abort_on_error=1:halt_on_error=1:detect_leaks=1:allocator_may_return_null=1"
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen VIPS_CONCURRENCY=1
mkdir -p "$build/findings"
for target in "${targets[@]}"; do
  work="$build/fuzz-corpus/$target"
  mkdir -p "$work" "fuzz/regressions/$target"
  log="$build/findings/$target.log"
  echo "== $target: $seconds s"
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=3072 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
      "$work" "fuzz/corpus/$target" "fuzz/regressions/$target" >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "$target: finding; the input is in $build/findings/" >&2
    exit 1
  fi
  grep -E "^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)|^INFO: seed corpus" "$log" || true
done
