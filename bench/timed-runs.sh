#!/bin/sh
# Runs COMMAND once to warm up, then RUNS times, each under /usr/bin/time in
# a fresh empty home (settings and data) that holds SETTINGS, if given, as its
# settings file. Prints each run's wall time and peak memory, then the medians.
#
#   bench/timed-runs.sh RUNS SETTINGS -- COMMAND [ARG...]
set -eu
RUNS=$1
SETTINGS=$2
shift 3

HOME_DIR=$(mktemp -d)
trap 'rm -rf "$HOME_DIR"' EXIT
mkdir -p "$HOME_DIR/config/Ombrel" "$HOME_DIR/runtime"
chmod 700 "$HOME_DIR/runtime"
[ -n "$SETTINGS" ] && printf '%b' "$SETTINGS" > "$HOME_DIR/config/Ombrel/Vorlane.conf"

run() {
    HOME="$HOME_DIR" XDG_CONFIG_HOME="$HOME_DIR/config" XDG_DATA_HOME="$HOME_DIR/data" \
    XDG_RUNTIME_DIR="$HOME_DIR/runtime" ASAN_OPTIONS=detect_leaks=0 \
        /usr/bin/time -f '%e %M' -o "$HOME_DIR/time" "$@" >/dev/null 2>&1
    cat "$HOME_DIR/time"
}

run "$@" >/dev/null
: > "$HOME_DIR/results"
i=0
while [ "$i" -lt "$RUNS" ]; do
    run "$@" | tee -a "$HOME_DIR/results" | awk '{ printf "run: %.3f s, %d KiB peak\n", $1, $2 }'
    i=$((i + 1))
done
median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
printf 'median wall: %s s\n' "$(cut -d' ' -f1 "$HOME_DIR/results" | median)"
printf 'median peak memory: %s KiB\n' "$(cut -d' ' -f2 "$HOME_DIR/results" | median)"
