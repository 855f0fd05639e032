#!/bin/sh
# run-libfuzzer.sh SOURCE_DIR BUILD_DIR NAME=CORPUS...
# Builds the fuzz targets with clang and libFuzzer, then fuzzes each one,
# starting from its corpus, for a bounded number of runs and seconds.
set -eu
source_dir=$1
build_dir=$2
shift 2
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DVORLANE_FUZZ=ON > "$build_dir.configure.log" 2>&1 ||
        { cat "$build_dir.configure.log"; exit 1; }
fi
cmake --build "$build_dir" -j2
for pair in "$@"; do
    name=${pair%%=*}
    corpus=${pair#*=}
    work="$build_dir/corpus-$name"
    mkdir -p "$work"
    echo "fuzzing $name"
    # Findings go to the build tree; the committed corpus only seeds the run.
    "$build_dir/tests/fuzz/$name" -runs=200000 -max_total_time="${VORLANE_FUZZ_SECONDS:-30}" \
        -rss_limit_mb=4096 -artifact_prefix="$build_dir/" "$work" "$corpus"
done
