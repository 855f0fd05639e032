#!/bin/sh
# Whole-process PDF export of a one-page invoice (exec to the PDF written),
# over RUNS runs after one warm-up. Needs no display.
#
#   bench/export.sh [BINARY] [RUNS]
set -eu
cd "$(dirname "$0")/.."
BINARY=${1:-build/release/src/app/vorlane}
RUNS=${2:-10}
[ -x "$BINARY" ] || { echo "no program at $BINARY; build it first" >&2; exit 2; }
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
bench/timed-runs.sh "$RUNS" "" -- \
    "$BINARY" --export-pdf "$OUT/invoice.pdf" examples/invoice-3081-kitchen-leak.vli
