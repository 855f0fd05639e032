#!/bin/sh
# Installs what is missing, builds Vorlane (release) and starts it.
# Arguments are passed to the program: ./tools/run.sh examples/invoice-3081-kitchen-leak.vli
set -eu
cd "$(dirname "$0")/.."
./tools/install-deps.sh
[ -f build/release/CMakeCache.txt ] || \
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVORLANE_BUILD_TESTS=OFF -DVORLANE_BUILD_BENCHMARKS=OFF
cmake --build build/release -j"$(nproc)"
exec build/release/src/app/vorlane "$@"
