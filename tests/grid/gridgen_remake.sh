#!/usr/bin/env bash
# gridgen remake: only the grids that break a rule against today's
# dictionary are made again, each in its own place; every other line stays
# byte for byte, a size short of its count gets new grids after its last
# line, and the result does not depend on the thread count. The ranks kept
# beside the French grids are those gridgen rank gives the grids of today.
set -euo pipefail
gridgen=$1
app=$2
data=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

head -n 8 "$data/grids/grillesEnglish.txt" >"$work/old.txt"
# Take one word of the third grid out of the dictionary: that grid, and any
# other holding the word, is stale.
# The first across word of 5+ letters, row by row.
word=$(sed -n 3p "$work/old.txt" | tr -d '\r' | awk -F= '{
    n = $1 + 0
    for (r = 0; r < n; ++r) {
        k = split(substr($2, r * n + 1, n), runs, "*")
        for (i = 1; i <= k; ++i) if (length(runs[i]) >= 5) { print runs[i]; exit }
    }
}')
grep -v -i -x -F "$word"$'\r' "$app/bin/DicoAnglais.txt" >"$work/dict.txt"
[ "$(wc -l <"$work/dict.txt")" -lt "$(wc -l <"$app/bin/DicoAnglais.txt")" ] || { echo "FAIL: $word not removed"; exit 1; }

remake() {
    "$gridgen" remake --dict "$work/dict.txt" --rank "$data/wordlists/en_frequent.txt" --ranked-only --rank-cut 10000 \
        --bias 2 --budget 3000 --removals 4 --symmetric --seed 7 --threads "$1" --improve 6:0 \
        --grids "6:$2:4:6:4" --out "$3" "$work/old.txt" >/dev/null 2>&1
}
remake 2 8 "$work/two.txt"
remake 1 8 "$work/one.txt"
cmp "$work/one.txt" "$work/two.txt" || { echo "FAIL: the thread count changed the grids"; exit 1; }

changed=0
for i in $(seq 1 8); do
    old=$(sed -n "${i}p" "$work/old.txt")
    new=$(sed -n "${i}p" "$work/two.txt")
    if grep -q -- "$word" <<<"$(cut -d= -f2 <<<"$old" | tr -d '\r')"; then
        [ "$old" != "$new" ] || { echo "FAIL: line $i still holds $word"; exit 1; }
        changed=$((changed + 1))
    elif [ "$old" != "$new" ]; then
        echo "FAIL: line $i changed though it keeps every rule"; exit 1
    fi
done
[ "$changed" -ge 1 ] || { echo "FAIL: no grid was made again"; exit 1; }
[ "$(wc -l <"$work/two.txt")" -eq 8 ] || { echo "FAIL: line count changed"; exit 1; }
"$gridgen" check --dict "$work/dict.txt" "$work/two.txt" >/dev/null || { echo "FAIL: the new file breaks a rule"; exit 1; }

remake 2 10 "$work/more.txt"
[ "$(wc -l <"$work/more.txt")" -eq 10 ] || { echo "FAIL: the missing grids were not added"; exit 1; }
head -n 8 "$work/more.txt" | cmp - "$work/two.txt" || { echo "FAIL: adding grids changed the others"; exit 1; }
"$gridgen" check --dict "$work/dict.txt" "$work/more.txt" >/dev/null || { echo "FAIL: an added grid breaks a rule"; exit 1; }
"$gridgen" rank --dict "$app/bin/DicoFrancais.txt" --rank "$data/wordlists/fr_rank.txt" --out "$work/rangs.txt" \
    "$data/grids/grilles.txt"
cmp "$work/rangs.txt" "$data/grids/grilles_rangs.txt" ||
    { echo "FAIL: data/grids/grilles_rangs.txt is not the ranks of today's grids: run gridgen rank"; exit 1; }
echo "remade $changed grid(s) holding $word; the rest kept byte for byte"
