#!/bin/sh
# Prints one label kind as a PDF and checks it as a reader would: poppler opens, rasterises
# and extracts it without a warning, every non-empty label's text is searchable, and every
# label scans from the rasterised pages to its text, nothing else decoding.
# usage: scan-printed-pdf.sh QUIRELLE FIXTURE_DIR KIND [OPTIONS...]
set -eu
. "$(dirname "$0")/label-work.sh"

expected_labels "$@" > "$work/expected.txt"
"$quirelle" print "$@" --dir "$work" -o "$work/sheet.pdf"

quiet() { # command...: runs it, failing on any message on standard error
    "$@" 2> "$work/stderr.txt"
    if [ -s "$work/stderr.txt" ]; then
        echo "$1 complained:" >&2
        cat "$work/stderr.txt" >&2
        exit 1
    fi
}
quiet pdfinfo "$work/sheet.pdf" > /dev/null
quiet pdftotext "$work/sheet.pdf" "$work/text.txt"
quiet pdftoppm -r 300 -gray "$work/sheet.pdf" "$work/page"

while IFS= read -r label; do
    grep -qF -- "$label" "$work/text.txt" || { echo "not searchable in the PDF: $label" >&2; exit 1; }
done < "$work/expected.txt"
zbarimg --raw -q "$work"/page-*.pgm 2>/dev/null | sort > "$work/decoded.txt" || true
if ! cmp -s "$work/expected.txt" "$work/decoded.txt"; then
    echo "labels: $(wc -l < "$work/expected.txt"), decoded: $(wc -l < "$work/decoded.txt")" >&2
    diff "$work/expected.txt" "$work/decoded.txt" >&2 || true
    exit 1
fi
echo "$(wc -l < "$work/decoded.txt") labels searchable and decoded from the PDF"
