#!/bin/sh
# Writes what a vorlane binary makes of a fixed set of documents: the report
# as JSON and the text of each exported PDF. Run it with the binary before
# and after a change and compare the two folders:
#
#     tools/compare-outputs.sh OLD/vorlane /tmp/before
#     tools/compare-outputs.sh NEW/vorlane /tmp/after
#     diff -r /tmp/before /tmp/after && echo same
#
# The documents are the examples, the test corpus and a generated set
# (tools/gen-documents.py); the settings are a fresh user's, in a temporary
# home, so the user's own are never read or changed.
set -eu
binary=$(realpath "$1")
out=$(realpath -m "$2")
root=$(cd "$(dirname "$0")/.." && pwd)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$out" "$home/docs"
cp "$root"/examples/*.vl? "$home/docs/"
for file in "$root"/tests/corpus/documents/*.vl?; do
    cp "$file" "$home/docs/corpus-$(basename "$file")"
done
python3 "$root/tools/gen-documents.py" "$home/docs" 12 19
cd "$home/docs"
for file in *.vl?; do
    "$binary" --report --json "$file" > "$out/$file.json" 2>&1 || true
    if "$binary" --export-pdf "$home/out.pdf" "$file" > "$out/$file.export" 2>&1; then
        pdftotext -layout "$home/out.pdf" "$out/$file.txt"
    fi
    if "$binary" --export-pdf "$home/out.pdf" --sections materials,hire,travel,labour,breakdown \
        --payment-details "$file" >> "$out/$file.export" 2>&1; then
        pdftotext -layout "$home/out.pdf" "$out/$file.all.txt"
    fi
done
"$binary" --report *.vl? > "$out/report-table.txt" 2>&1 || true
# The same documents for a business registered for VAT.
mkdir -p "$XDG_CONFIG_HOME/Ombrel"
printf '[options]\ncompany\\IsVATRegistered=1\n' \
    > "$XDG_CONFIG_HOME/Ombrel/Vorlane.conf"
for file in *.vl?; do
    "$binary" --report --json "$file" > "$out/$file.vat.json" 2>&1 || true
    if "$binary" --export-pdf "$home/out.pdf" --payment-details "$file" \
        > "$out/$file.vat.export" 2>&1; then
        pdftotext -layout "$home/out.pdf" "$out/$file.vat.txt"
    fi
done
echo "$(ls "$out" | wc -l) outputs in $out"
