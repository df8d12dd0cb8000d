#!/usr/bin/env bash
# gridgen prove: every shipped grid has exactly one answer to each puzzle the
# games make of it, judged against the words the games accept. The proof
# must also find the second answer of grids known to have one, so that it
# cannot pass by finding nothing.
#   gridgen_prove.sh GRIDGEN APP_DIR FRENCH_ACCEPTED [FRENCH_BLOCKED]
# FRENCH_ACCEPTED holds the French words accepted beside the dictionary
# (several a line allowed); FRENCH_BLOCKED, if given, words taken out of them.
set -euo pipefail
gridgen=$1
app=$2
accepted=$3
blocked=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

french=(--dict "$app/bin/DicoFrancais.txt" --accept "$accepted")
[ -z "$blocked" ] || french+=(--block "$blocked")

# Grids with a second answer: the transpose of a placement, ES for SE in a
# mixed row, GIN for FIN in a code.
printf '%s\r\n' '6x6=*NOYERVANITEET*NONNUE*NETRAINSSEULE*' '6x6=*AH*CASIEGESALLONSCLAUSERESTEZES*SE*' \
    '8x8=APPORTERPEAU*ETEPUR*F*AUR*IDIOTSETEINS*SNI*T*CRINEE*VAUTENTOUREE' >"$work/two.txt"
if "$gridgen" prove "${french[@]}" "$work/two.txt" >"$work/two.out"; then
    echo "FAIL: no second answer found"; cat "$work/two.out"; exit 1
fi
for expected in ':1: 6x6 grid 1, placement: second answer' ':2: 6x6 grid 2, mixed: second answer SE>ES' \
    ':3: 8x8 grid 1, coded: second answer'; do
    grep -q -F -- "$expected" "$work/two.out" || { echo "FAIL: missing '$expected'"; cat "$work/two.out"; exit 1; }
done

status=0
"$gridgen" prove "${french[@]}" "$app/bin/grilles.txt" || status=1
"$gridgen" prove --dict "$app/bin/DicoAnglais.txt" "$app/bin/grillesEnglish.txt" || status=1
[ "$status" -eq 0 ] || { echo "FAIL: a shipped grid has a puzzle with two answers"; exit 1; }
