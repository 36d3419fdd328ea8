#!/usr/bin/env bash
# Installs what is missing, builds Pictorelle with its tests and runs every test,
# once in a normal build and once under AddressSanitizer and UndefinedBehaviorSanitizer, the
# command-line batch tests and the window's language-switch test once more under ThreadSanitizer,
# then runs each fuzz target for a bounded time (FUZZ_SECONDS each, 30 by default).
set -eu
cd "$(dirname "$0")"
tools/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
# The benchmarks are not tests, but they must keep building.
cmake --build build -j "$jobs" --target pictorelle_bench pictorelle_memory_bench pictorelle_batch_window_bench
(cd build && ctest --output-on-failure -j "$jobs")

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPICTORELLE_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
(
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  cd build-asan && ctest --output-on-failure -j "$jobs"
)

# ThreadSanitizer: the command line converts photos side by side; its batch tests run the
# program built with ThreadSanitizer, which fails them on any report (see tests/tsan.supp). The
# window's batch runs beside language switches in race_tests, built with it too.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPICTORELLE_TSAN=ON -DBUILD_TESTING=ON >/dev/null
cmake --build build-tsan -j "$jobs" --target pictorelle race_tests
(
  export PICTORELLE_UNDER_TEST="$PWD/build-tsan/pictorelle"
  export TSAN_OPTIONS="halt_on_error=1:suppressions=$PWD/tests/tsan.supp"
  cd build && ctest --output-on-failure -j "$jobs" -R '^CommandLineTest\.'
  QT_QPA_PLATFORM=offscreen ../build-tsan/tests/race_tests
)

# Fuzzing: libFuzzer targets built with clang, from the kept seeds; any finding fails the run.
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPICTORELLE_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j "$jobs" --target fuzz_targets
fuzz/run.sh build-fuzz "${FUZZ_SECONDS:-30}"
