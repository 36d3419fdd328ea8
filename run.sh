#!/usr/bin/env bash
# Installs what is missing, builds Pictorelle and starts it.
set -eu
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target pictorelle
exec ./build/pictorelle "$@"
