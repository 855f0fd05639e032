#!/bin/sh
# Installs what is missing, builds Vorlane with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test through ctest.
set -eu
cd "$(dirname "$0")/.."
./tools/install-deps.sh
# A compiler cache, where the machine has one, spares rebuilding what did not change.
launcher=""
command -v ccache >/dev/null 2>&1 && \
    launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
[ -f build/asan/CMakeCache.txt ] || \
    cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DVORLANE_SANITIZE=ON $launcher
cmake --build build/asan -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$(pwd)/tests/support/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
cd build/asan
exec ctest --output-on-failure -j"$(nproc)" "$@"
