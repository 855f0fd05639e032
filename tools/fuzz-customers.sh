#!/bin/sh
# Builds the customer database reader with clang and libFuzzer in BUILD_DIR
# (default build/fuzz-clang) and fuzzes it from the committed corpus for RUNS
# inputs (default 200000). New inputs go to BUILD_DIR/new-inputs; copy the
# interesting ones into tests/corpus/customers by hand.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/fuzz-clang}"
runs="${2:-200000}"
cxx="${CXX:-clang++}"
case "$cxx" in *clang*) ;; *) cxx=clang++ ;; esac
[ -f "$build/CMakeCache.txt" ] || \
    cmake -S "$root/tests/fuzz/clang" -B "$build" -DCMAKE_CXX_COMPILER="$cxx" \
          -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
nice cmake --build "$build" -j2
mkdir -p "$build/new-inputs"
exec "$build/fuzz_customers" -runs="$runs" -max_len=4096 -timeout=10 -artifact_prefix="$build/" \
    "$build/new-inputs" "$root/tests/corpus/customers"
