#!/bin/sh
# Renders every case of a case table with `quirelle barcode -o` at several module widths and
# reads the pictures back with a real scanner (zbarimg). Fails on any mismatch, and when the
# scanner is missing.
#
# usage: scan_test.sh QUIRELLE ZBARIMG CASES_FILE WORK_DIR
# CASES_FILE lines: type|text|quirelle flags|expected decoded text|zbarimg options
# (blank lines and lines starting with # are skipped; the last two columns may be empty:
# an empty expected text means the text itself).
set -u

quirelle=$1
zbarimg=$2
cases=$3
work=$4

if ! command -v "$zbarimg" >/dev/null 2>&1; then
    echo "scan_test: zbarimg not found ($zbarimg)" >&2
    exit 1
fi
mkdir -p "$work" || exit 1

failures=0
count=0
line_no=0
while IFS='|' read -r type text flags expected zbar_options; do
    line_no=$((line_no + 1))
    case "$type" in '' | '#'*) continue ;; esac
    [ -n "$expected" ] || expected=$text
    for modul in 2 3; do
        for ext in png; do
            count=$((count + 1))
            image="$work/case$line_no-m$modul.$ext"
            # shellcheck disable=SC2086 # flags and options are lists of words
            if ! "$quirelle" barcode --type "$type" --text "$text" --modul "$modul" $flags \
                    -o "$image" 2>"$work/stderr.txt"; then
                echo "FAIL line $line_no ($type '$text' modul $modul): quirelle failed:" >&2
                cat "$work/stderr.txt" >&2
                failures=$((failures + 1))
                continue
            fi
            # shellcheck disable=SC2086
            decoded=$("$zbarimg" --raw -q $zbar_options "$image" 2>/dev/null)
            if [ "$decoded" != "$expected" ]; then
                echo "FAIL line $line_no ($type '$text' $flags modul $modul): expected '$expected', scanned '$decoded'" >&2
                failures=$((failures + 1))
            fi
        done
    done
done < "$cases"

echo "scan_test: $count pictures, $failures failures"
[ "$count" -gt 0 ] && [ "$failures" -eq 0 ]
