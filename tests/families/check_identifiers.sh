#!/usr/bin/env bash
# Fails when a game identifier number or range is written outside the
# registry of the families (src/families/registry.*): a comparison of an
# identifier with a number other than 0 (no game), a range test, a game
# started by its number, or a table row keyed by one. The registry is the
# one place that says which identifier is which.
set -euo pipefail
src=$1
ids='\b(id|gameId|game_id|identifier|cellGame|currentGame|shownId|firstId)\b'
number='(0*[1-9][0-9]*)'
patterns=(
    "$ids\s*(==|!=|>=|<=|>|<)\s*$number\b"
    "\b$number\s*(==|!=|>=|<=|>|<)\s*$ids"
    "\bin\(\s*[a-zA-Z_.]+\s*,\s*[0-9]+\s*,\s*[0-9]+\s*\)"
    "\bstartGame\(\s*\w+\s*,\s*$number\s*\)"
    "\b(LastGameId|FirstGameId|MaxGameId)\s*=\s*[0-9]+"
)
status=0
for pattern in "${patterns[@]}"; do
    while IFS= read -r hit; do
        echo "${hit#"$src"/}: an identifier number outside the registry"
        status=1
    done < <(grep -rnE "$pattern" "$src" --include='*.cpp' --include='*.hpp' |
             grep -v "^$src/families/registry\.[ch]pp:" || true)
done
if ((status == 0)); then echo "no identifier number outside the registry"; fi
exit $status
