#!/bin/sh
# A prepared report saved as .frp and converted to PDF gives the same pages as printing the
# PDF directly: same page count and size, same text, same look when rasterised.
# usage: frp-round-trip.sh QUIRELLE FIXTURE_DIR KIND [OPTIONS...]
set -eu
. "$(dirname "$0")/label-work.sh"

"$quirelle" print "$@" --dir "$work" -o "$work/a.frp"
"$quirelle" convert "$work/a.frp" -o "$work/b.pdf"
"$quirelle" print "$@" --dir "$work" -o "$work/c.pdf"

pdfinfo "$work/b.pdf" | grep -E '^(Pages|Page size)' > "$work/b.info"
pdfinfo "$work/c.pdf" | grep -E '^(Pages|Page size)' > "$work/c.info"
cmp "$work/b.info" "$work/c.info"
pdftotext -layout "$work/b.pdf" "$work/b.txt"
pdftotext -layout "$work/c.pdf" "$work/c.txt"
cmp "$work/b.txt" "$work/c.txt"
pdftoppm -r 60 -gray "$work/b.pdf" "$work/b"
pdftoppm -r 60 -gray "$work/c.pdf" "$work/c"
for page in "$work"/b-*.pgm; do
    cmp "$page" "$work/c-${page##*/b-}"
done
cat "$work/c.info"
