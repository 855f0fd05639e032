#!/bin/sh
# Whole-process start-up of the window: from exec to the main window shown
# (with the start page) and quit, over RUNS runs after one warm-up, as a new
# but not first-time user (empty settings apart from the first-run flag).
#
#   bench/startup.sh [BINARY] [RUNS]
#
# BINARY defaults to the release build (build/release/src/app/vorlane). Without
# a DISPLAY the runs go through xvfb-run. Set SPLASH=0 to measure without the
# splash screen, DOCUMENT=FILE to start with that document open (see
# bench/startup-document.sh for the two side by side).
set -eu
cd "$(dirname "$0")/.."
BINARY=${1:-build/release/src/app/vorlane}
RUNS=${2:-10}
SPLASH=${SPLASH:-1}
[ -x "$BINARY" ] || { echo "no program at $BINARY; build it first" >&2; exit 2; }
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1400x900x24' "$0" "$@"
fi
exec bench/timed-runs.sh "$RUNS" "[options]\nmode=-2147483648\nsplash=$SPLASH\n" -- \
    "$BINARY" --quit-after-show ${DOCUMENT:+"$DOCUMENT"}
