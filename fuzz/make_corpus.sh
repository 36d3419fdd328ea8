#!/usr/bin/env bash
# Remakes the seed corpus kept in fuzz/corpus from the generator in fuzz/MakeCorpus.cpp.
# Regression inputs found by fuzzing are kept apart, in fuzz/regressions/<target>/.
#   fuzz/make_corpus.sh [BUILD_DIR]      (default build-fuzz, configured as in test.sh)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build-fuzz}
cmake --build "$build" --target fuzz_make_corpus
rm -rf fuzz/corpus
ASAN_OPTIONS=detect_leaks=0 "$build/fuzz/fuzz_make_corpus" fuzz/corpus
