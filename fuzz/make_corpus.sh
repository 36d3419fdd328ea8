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

# The language-file reader starts from the shipped files, each behind its code-page byte (8 picks
# 1252 from the fuzzer's list; its first byte chooses the code page), and one CP932 line whose
# second byte is a backslash.
mkdir -p fuzz/corpus/fuzz_language_file
for f in language/*.ini; do
  { printf '\010'; cat "$f"; } > "fuzz/corpus/fuzz_language_file/$(basename "$f" .ini)"
done
printf '\002[STRING]\nIDS_STRING108=\225\\\\n%%s\n' > fuzz/corpus/fuzz_language_file/cp932_trail
fuzz/make_detail_seeds.sh
