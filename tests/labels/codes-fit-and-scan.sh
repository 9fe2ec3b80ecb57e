#!/bin/sh
# The command line keeps the window's rules for what reaches the paper. Six fiscal codes before
# six series codes are too long for the series labels: the list prints on the fiscal-code
# labels with a note, and at 150 dpi every one of the twelve labels scans; with the series
# template named by --template it is refused naming the code. Codes read from a code file are
# upper-cased, and one the bars cannot carry is refused naming the file, the line and the
# character, by `labels` as by `print`.
# usage: codes-fit-and-scan.sh QUIRELLE
set -eu
quirelle=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "$*" >&2; exit 1; }

series="2612000013 2612000024 2612000035 2612000046 2612000057 2612000068"
fiscal="RSSMRA85T10A562S GLLPLA75C12L211V BNCGNN80A01H501U VRDLGU70M15F205X NREMRC90B22L219K BLUANN65D45G273Z"
# shellcheck disable=SC2086
"$quirelle" print free $fiscal $series --dpi 150 -o mixed.png 2> note.txt || fail "mixed list: $(cat note.txt)"
zbarimg --raw -q mixed-*.png 2>/dev/null | sort > decoded.txt || true
# shellcheck disable=SC2086
printf '%s\n' $series $fiscal | sort | cmp -s - decoded.txt ||
    fail "decoded $(wc -l < decoded.txt) of 12:" $(cat decoded.txt)
grep -qF '"RSSMRA85T10A562S" (riga 1)' note.txt || fail "no note naming the first long code: $(cat note.txt)"
grep -qF 'Calendario e codici fiscali (4 colonne' note.txt || fail "note does not name the template: $(cat note.txt)"

status=0
# shellcheck disable=SC2086
"$quirelle" print free $fiscal $series --template 1 -o named.pdf 2> err.txt || status=$?
[ "$status" -eq 1 ] || fail "--template 1: exit $status, expected 1"
grep -qF '"RSSMRA85T10A562S" (riga 1)' err.txt || fail "--template 1: message does not name the code: $(cat err.txt)"
[ ! -e named.pdf ] || fail "--template 1: a file was written"

printf 'e01\r\nE02\r\nX\r\n' > ESENZIONI.txt
[ "$("$quirelle" labels exemptions | tr '\n' ' ')" = "E01 E02 " ] || fail "file codes not upper-cased"
"$quirelle" print exemptions --dpi 150 -o ex.png
[ "$(zbarimg --raw -q ex-*.png 2>/dev/null | sort | tr '\n' ' ')" = "E01 E02 " ] || fail "E01 E02 do not scan"

printf 'OX1\r\nOSSIG\310NO\r\n' > OXY.txt  # Windows-1252
for command in "labels oxygen" "print oxygen -o ox.pdf"; do
    status=0
    # shellcheck disable=SC2086
    "$quirelle" $command --file OXY.txt 2> err.txt > /dev/null || status=$?
    [ "$status" -eq 1 ] || fail "$command oxygen: exit $status, expected 1"
    grep -qF 'OXY.txt, riga 2: il codice "OSSIGÈNO" contiene il carattere "È"' err.txt ||
        fail "$command oxygen: $(cat err.txt)"
done
[ ! -e ox.pdf ] || fail "a refused list was printed"
echo "every code fits its label and scans"
