#!/bin/sh
# The four built-in templates printed at every resolution from 100 to 600 dpi in steps of 10,
# and 203: every page is read back with a barcode scanner and every non-empty label must decode
# to the text printed under it, nothing else. The PDF output, rasterised at 150, 200, 300 and
# 600 dpi, must decode the same way and carry the same texts. Runs one check per processor.
# SCAN_DPI_STEP (default 10) widens the step, for builds where each check is much slower.
# usage: scan-every-resolution.sh QUIRELLE FIXTURE_DIR
#        scan-every-resolution.sh --one QUIRELLE WORK JOB png|pdf DPI   (one check; internal)
set -eu

# Template number and kind options of each job.
jobs() {
    echo "1 series --year 2019 --month 3 --count 53"
    echo "2 exemptions"
    echo "3 oxygen"
    echo "4 calendar --year 2024 --month 2"
}

resolutions() {
    seq 100 "${SCAN_DPI_STEP:-10}" 600
    echo 203
}

# Decodes every image given and compares with the job's expected texts. The labels are Code 39
# with upright bars: the scanner looks for that symbology along rows only, which halves its time.
compare() {
    expected=$1 label=$2
    shift 2
    zbarimg --raw -q -Sdisable -Scode39.enable -Sx-density=0 "$@" 2>/dev/null | sort > "$out.decoded" || true
    if ! cmp -s "$expected" "$out.decoded"; then
        echo "FAIL $label: $(wc -l < "$out.decoded") of $(wc -l < "$expected") decoded"
        diff "$expected" "$out.decoded" | head -6
        return 1
    fi
}

if [ "$1" = "--one" ]; then
    quirelle=$2 work=$3 job=$4 format=$5 dpi=$6
    set -- $(jobs | sed -n "${job}p")
    template=$1
    shift
    out="$work/t$template-$format-$dpi"
    expected="$work/t$template.expected"
    if [ "$format" = png ]; then
        "$quirelle" print "$@" --dir "$work" -o "$out.png" --dpi "$dpi" 2>/dev/null
        compare "$expected" "template $template, PNG at $dpi dpi" "$out"-*.png || exit 1
        rm -f "$out"-*.png
    else
        pdftoppm -r "$dpi" -gray "$work/t$template.pdf" "$out"
        compare "$expected" "template $template, PDF rasterised at $dpi dpi" "$out"-*.pgm || exit 1
        rm -f "$out"-*.pgm
    fi
    exit 0
fi

quirelle=$1
fixtures=$2
self=$(readlink -f "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$fixtures"/* "$work"/

jobs | while read -r template options; do
    # shellcheck disable=SC2086
    "$quirelle" labels $options --dir "$work" | grep -v '^$' | sort > "$work/t$template.expected"
    [ -s "$work/t$template.expected" ] || { echo "template $template: no labels" >&2; exit 1; }
    # shellcheck disable=SC2086
    "$quirelle" print $options --dir "$work" -o "$work/t$template.pdf"
    # The PDF shows each label's text under its bars.
    pdftotext "$work/t$template.pdf" "$work/t$template.txt"
    while read -r code; do
        grep -qxF "$code" "$work/t$template.txt" || { echo "template $template: \"$code\" not printed" >&2; exit 1; }
    done < "$work/t$template.expected"
done

{
    for job in 1 2 3 4; do
        for dpi in $(resolutions); do echo "$job png $dpi"; done
        for dpi in 150 200 300 600; do echo "$job pdf $dpi"; done
    done
} | xargs -P "$(nproc)" -L 1 sh "$self" --one "$quirelle" "$work" > "$work/results.txt" 2>&1 || true

checks=$(( 4 * ($(resolutions | wc -l) + 4) ))
if grep -q FAIL "$work/results.txt"; then
    cat "$work/results.txt" >&2
    echo "$(grep -c FAIL "$work/results.txt") of $checks checks failed" >&2
    exit 1
fi
echo "$checks checks: every label decodes to its text"
