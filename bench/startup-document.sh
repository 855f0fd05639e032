#!/bin/sh
# Start-up with the example invoice open against start-up with nothing open,
# in one run: what opening a document costs on top of the main window.
#
#   bench/startup-document.sh [BINARY] [RUNS]
set -eu
cd "$(dirname "$0")/.."
BINARY=${1:-build/release/src/app/vorlane}
RUNS=${2:-10}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1400x900x24' "$0" "$@"
fi
median() { SPLASH=0 DOCUMENT="$1" bench/startup.sh "$BINARY" "$RUNS" | awk '/median wall/ { print $3 }'; }
empty=$(median "")
document=$(median examples/invoice-3081-kitchen-leak.vli)
echo "main window, nothing open: $empty s"
echo "main window, invoice open: $document s"
awk -v a="$document" -v b="$empty" 'BEGIN { printf "the document costs %.0f %% more\n", (a / b - 1) * 100 }'
