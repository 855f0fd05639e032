#!/bin/sh
# Whole-process `--report --json` over a year of sample documents (written by
# sample-year FOLDER 10000 2026 when FOLDER does not exist yet), for one or
# more binaries in interleaved rounds (one run of each binary a round, after
# one warm-up each), each run in the same fresh empty home. Prints every
# run's wall, user and system time and peak memory, then each binary's
# medians, and checks that every binary wrote the same output.
#
#   bench/report.sh FOLDER ROUNDS BINARY [BINARY...]
#
# sample-year comes from SAMPLE_YEAR or the release tree (build/release/bench).
set -eu
cd "$(dirname "$0")/.."
FOLDER=$(realpath -m "$1")
ROUNDS=$2
shift 2
SAMPLE_YEAR=${SAMPLE_YEAR:-build/release/bench/sample-year}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/home/config" "$WORK/home/data" "$WORK/home/cache" "$WORK/home/runtime"
chmod 700 "$WORK/home/runtime"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/config" XDG_DATA_HOME="$WORK/home/data" \
    XDG_CACHE_HOME="$WORK/home/cache" XDG_RUNTIME_DIR="$WORK/home/runtime"
[ -d "$FOLDER" ] || "$SAMPLE_YEAR" "$FOLDER" 10000 2026
cd "$FOLDER"
find . -type f -name '*.vl?' | sort > "$WORK/files"

run() { # BINARY INDEX: appends "wall user sys KiB" to the binary's results
    /usr/bin/time -f '%e %U %S %M' -o "$WORK/time" "$1" --report --json \
        $(cat "$WORK/files") > "$WORK/out.$2" 2>/dev/null || true
    cat "$WORK/time" | grep -v '^Command' >> "$WORK/results.$2"
}

i=0
for binary in "$@"; do
    run "$binary" "$i"
    : > "$WORK/results.$i"
    i=$((i + 1))
done
round=0
while [ "$round" -lt "$ROUNDS" ]; do
    i=0
    for binary in "$@"; do
        run "$binary" "$i"
        tail -n 1 "$WORK/results.$i" | awk -v b="$binary" \
            '{ printf "%s: %.2f s wall, %.2f s user, %.2f s system, %d KiB peak\n", b, $1, $2, $3, $4 }'
        i=$((i + 1))
    done
    round=$((round + 1))
done
median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
i=0
for binary in "$@"; do
    r="$WORK/results.$i"
    printf '%s: median %s s wall, %s s user + system, %s KiB peak\n' "$binary" \
        "$(cut -d' ' -f1 "$r" | median)" \
        "$(awk '{ print $2 + $3 }' "$r" | median)" "$(cut -d' ' -f4 "$r" | median)"
    cmp -s "$WORK/out.0" "$WORK/out.$i" || echo "$binary: the output differs from the first binary's"
    i=$((i + 1))
done
