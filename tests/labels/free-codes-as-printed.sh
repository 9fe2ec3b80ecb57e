#!/bin/sh
# Free codes on the command line: lower case is printed upper case, and the bars carry exactly
# the text printed under them; a code with a character the template's bars cannot carry is
# refused (exit 1, a message naming the code and the character, no file written).
# usage: free-codes-as-printed.sh QUIRELLE
set -eu
quirelle=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "$*" >&2; exit 1; }

[ "$("$quirelle" labels free Abc1 abc3 | tr '\n' ' ')" = "ABC1 ABC3 " ] || fail "labels free not upper-cased"

"$quirelle" print free Abc1 abc3 -o case.pdf
pdftotext case.pdf - | grep -qx 'ABC1' || fail "ABC1 not printed"
pdftotext case.pdf - | grep -qx 'ABC3' || fail "ABC3 not printed"
pdftoppm -r 300 -gray case.pdf page
zbarimg --raw -q page-*.pgm 2>/dev/null | sort > decoded.txt || true
printf 'ABC1\nABC3\n' | cmp - decoded.txt || fail "bars decode as: $(cat decoded.txt)"

for code in 'A_1' 'CITTÀ' 'A*B'; do
    status=0
    "$quirelle" print free OK1 "$code" -o refused.pdf 2> err.txt || status=$?
    [ "$status" -eq 1 ] || fail "$code: exit $status, expected 1"
    grep -qF "\"$code\"" err.txt || fail "$code: message does not name the code: $(cat err.txt)"
    grep -q 'carattere' err.txt || fail "$code: message does not name the character: $(cat err.txt)"
    [ ! -e refused.pdf ] || fail "$code: a file was written"
    status=0
    "$quirelle" print free "$code" -o refused.png 2> err.txt || status=$?
    [ "$status" -eq 1 ] && [ -z "$(ls refused*.png 2>/dev/null)" ] || fail "$code: PNG written or exit $status"
done
echo "free codes print as they scan"
