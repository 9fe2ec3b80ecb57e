#!/bin/sh
# A calibration offset moves everything printed and nothing else: the same sheets, and the test
# sheet, written as 300-dpi PNG with and without --offset, differ only by the offset (2.0 mm is
# 23.6 pixels at 300 dpi, so 24 +- 1; -1.5 mm is -17.7, so -18 +- 1).
# usage: offset-moves-output.sh QUIRELLE
set -eu
quirelle=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# "+X+Y" of the box holding everything that is not white.
corner() { convert "$1" -trim -format '%X %Y' info: | tr -d '+'; }

check() {  # name base.png moved.png dx dy
    set -- "$1" $(corner "$2") $(corner "$3") "$4" "$5"
    dx=$(( $4 - $2 )) dy=$(( $5 - $3 ))
    if [ $(( dx - $6 )) -lt -1 ] || [ $(( dx - $6 )) -gt 1 ] || [ $(( dy - $7 )) -lt -1 ] || [ $(( dy - $7 )) -gt 1 ]; then
        echo "$1: moved by $dx,$dy pixels, expected $6,$7 +- 1" >&2
        exit 1
    fi
    echo "$1: moved by $dx,$dy pixels"
}

"$quirelle" print series --year 2019 --month 3 -o base.png
"$quirelle" print series --year 2019 --month 3 --offset 2.0,0 -o right.png
"$quirelle" print series --year 2019 --month 3 --offset=0,-1.5 -o up.png
check "labels +2.0 mm x" base-1.png right-1.png 24 0
check "labels -1.5 mm y" base-1.png up-1.png 0 -18
# The size of what is printed stays: only the place changes.
[ "$(convert base-1.png -trim -format '%w %h' info:)" = "$(convert right-1.png -trim -format '%w %h' info:)" ] ||
    { echo "the offset changed the size of the printed area" >&2; exit 1; }

"$quirelle" test-sheet -o sheet.png
"$quirelle" test-sheet --offset 2,0 -o moved.png
check "test sheet +2.0 mm x" sheet-1.png moved-1.png 24 0
"$quirelle" test-sheet --template 2 -o sheet2.pdf
pdfinfo sheet2.pdf | grep -q '^Pages: *1$'
