#!/usr/bin/env bash
# Refreshes the seed corpora from the program's own outputs: the built-in templates, prepared
# reports of every label kind, recorded pictures, code files and expressions of the templates.
# Usage: fuzz/make-seeds.sh BUILD_DIR (a normal build with the quirelle program)
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
quirelle="$build/app/quirelle"
corpus="$here/corpus"
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for n in 1 2 3 4; do
  "$quirelle" template "$n" -o "$corpus/template_load/seed-template-$n.frf"
  cp "$corpus/template_load/seed-template-$n.frf" "$corpus/template_prepare/"
done

printf 'RSSMRA85T10A562S\r\nBNCLRA70A41H501Y\r\n' > "$work/cf0.txt"
printf 'E01\r\nE02\r\n048\r\n' > "$work/ESENZIONI.txt"
printf 'OX1\nOX2\n' > "$work/OXY.txt"
"$quirelle" print series --year 2019 --month 3 --count 53 -o "$corpus/frp_draw/seed-series.frp"
"$quirelle" print calendar --year 2024 --month 2 -o "$corpus/frp_draw/seed-calendar.frp"
"$quirelle" print fiscal --dir "$work" -o "$corpus/frp_draw/seed-fiscal.frp"
"$quirelle" print exemptions --dir "$work" -o "$corpus/frp_draw/seed-exemptions.frp"
"$quirelle" print free ABC 123 --template 4 -o "$corpus/frp_draw/seed-free-4.frp"
cp "$work/cf0.txt" "$corpus/code_list/seed-cf0.txt"
cp "$work/ESENZIONI.txt" "$corpus/code_list/seed-esenzioni.txt"
cp "$work/OXY.txt" "$corpus/code_list/seed-oxy.txt"

cmake --build "$build" --target seed_pictures
"$build/fuzz/seed_pictures" "$corpus/picture_replay"

printf '@TITOLO=[kb1."giorno"]\n@N=1+2*3\n[N] [TITOLO] [PAGE#] [DATE]\n' > "$corpus/expression/seed-dictionary.txt"
printf '[FORMATDATETIME("dd/mm/yyyy", DATE)] [IF(1 > 2, "a", "b")] [COPY("ABCDEF", 2, 3)]\n' \
  > "$corpus/expression/seed-functions.txt"
ls "$corpus"/* | wc -l
