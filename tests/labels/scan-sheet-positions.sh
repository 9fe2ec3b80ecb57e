#!/bin/sh
# Prints a print list with sheet options to PNG pages at 300 dpi, cuts every label position of
# every page out of them and reads each with a barcode scanner: position by position, the codes
# must be those of `quirelle labels` with the same options (an empty line: a blank position).
# usage: scan-sheet-positions.sh QUIRELLE LEFT TOP COLUMN_STEP ROW_STEP WIDTH HEIGHT ROWS COLUMNS -- ARGS...
# The geometry is the template's label positions in page pixels (93/1.015 per inch).
set -eu
quirelle=$1 left=$2 top=$3 colstep=$4 rowstep=$5 width=$6 height=$7 rows=$8 columns=$9
shift 9
[ "$1" = "--" ] && shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$quirelle" labels "$@" > expected.txt
"$quirelle" print "$@" -o sheet.png --dpi 300

# One crop per position, in the order labels fill a sheet: down each column, then across.
crops=$(awk -v l="$left" -v t="$top" -v cs="$colstep" -v rs="$rowstep" -v w="$width" -v h="$height" \
            -v rows="$rows" -v cols="$columns" 'BEGIN {
    s = 300 / (93 / 1.015)
    for (c = 0; c < cols; c++) for (r = 0; r < rows; r++)
        printf "( mpr:page -crop %dx%d+%d+%d +repage ) ", w * s, h * s, (l + c * cs) * s, (t + r * rs) * s
}')
: > decoded.txt
for page in $(ls sheet-*.png | sort -t- -k2 -n); do
    rm -f slot-*.png
    # shellcheck disable=SC2086
    convert "$page" -write mpr:page +delete $crops -bordercolor white -border 60 slot-%03d.png
    for slot in $(ls slot-*.png | sort); do
        zbarimg --raw -q "$slot" 2>/dev/null | head -1 > one.txt || true
        if [ -s one.txt ]; then cat one.txt >> decoded.txt; else echo >> decoded.txt; fi
    done
done
# The last sheet's unused positions are not part of the list.
awk '{ line[NR] = $0 } NF { last = NR } END { for (i = 1; i <= last; i++) print line[i] }' decoded.txt > found.txt
if ! cmp -s expected.txt found.txt; then
    echo "positions differ (expected vs decoded):" >&2
    diff expected.txt found.txt >&2 || true
    exit 1
fi
echo "$(grep -c . found.txt) labels decoded in place, $(grep -c '^$' found.txt) blank positions"
