#!/bin/sh
# Prints one label kind to PNG pages at 300 dpi and reads every page back with a barcode
# scanner: each non-empty label must decode to its text, and nothing else may decode.
# usage: scan-printed-labels.sh QUIRELLE FIXTURE_DIR KIND [OPTIONS...]
set -eu
. "$(dirname "$0")/label-work.sh"

expected_labels "$@" > "$work/expected.txt"
"$quirelle" print "$@" --dir "$work" -o "$work/sheet.png" --dpi 300
pages=$(ls "$work"/sheet-*.png | wc -l)
[ "$pages" -ge 1 ] || { echo "no page written" >&2; exit 1; }
# zbarimg exits 4 when a page holds no symbol; an all-empty page is checked by the count below.
zbarimg --raw -q "$work"/sheet-*.png 2>/dev/null | sort > "$work/decoded.txt" || true

expected=$(wc -l < "$work/expected.txt")
decoded=$(wc -l < "$work/decoded.txt")
if ! cmp -s "$work/expected.txt" "$work/decoded.txt"; then
    echo "labels: $expected, decoded: $decoded on $pages page(s)" >&2
    diff "$work/expected.txt" "$work/decoded.txt" >&2 || true
    exit 1
fi
echo "$decoded labels decoded on $pages page(s)"
