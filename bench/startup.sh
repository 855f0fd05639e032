#!/bin/sh
# Whole-process start-up of the window: from exec to the main window shown
# (with the start page) and quit, over RUNS runs after one warm-up, as a new
# but not first-time user (empty settings apart from the first-run flag).
# Prints each run's wall time and peak memory, then the median of each.
#
#   bench/startup.sh [BINARY] [RUNS]
#
# BINARY defaults to the release build (build/release/src/app/vorlane). Without
# a DISPLAY the runs go through xvfb-run. Set SPLASH=0 to measure without the
# splash screen.
set -eu
cd "$(dirname "$0")/.."
BINARY=${1:-build/release/src/app/vorlane}
RUNS=${2:-10}
SPLASH=${SPLASH:-1}
[ -x "$BINARY" ] || { echo "no program at $BINARY; build it first" >&2; exit 2; }
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1400x900x24' "$0" "$@"
fi

HOME_DIR=$(mktemp -d)
trap 'rm -rf "$HOME_DIR"' EXIT
mkdir -p "$HOME_DIR/config/Ombrel" "$HOME_DIR/runtime"
chmod 700 "$HOME_DIR/runtime"
printf '[options]\nmode=-2147483648\nsplash=%s\n' "$SPLASH" > "$HOME_DIR/config/Ombrel/Vorlane.conf"

run() {
    HOME="$HOME_DIR" XDG_CONFIG_HOME="$HOME_DIR/config" XDG_DATA_HOME="$HOME_DIR/data" \
    XDG_RUNTIME_DIR="$HOME_DIR/runtime" ASAN_OPTIONS=detect_leaks=0 \
        /usr/bin/time -f '%e %M' -o "$HOME_DIR/time" "$BINARY" --quit-after-show >/dev/null 2>&1
    cat "$HOME_DIR/time"
}

run >/dev/null
: > "$HOME_DIR/results"
i=0
while [ "$i" -lt "$RUNS" ]; do
    run | tee -a "$HOME_DIR/results" | awk '{ printf "run: %.3f s, %d KiB peak\n", $1, $2 }'
    i=$((i + 1))
done
median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
printf 'median wall: %s s\n' "$(cut -d' ' -f1 "$HOME_DIR/results" | median)"
printf 'median peak memory: %s KiB\n' "$(cut -d' ' -f2 "$HOME_DIR/results" | median)"
