#!/usr/bin/env bash
# Fails when a family's code reads or writes the game record's generic
# counters or texts other than through the named views of its own
# <name>_record.hpp: counterB is a hangman's misses and a grid's size, so
# each family names what it keeps there, in one place.
set -euo pipefail
families=$1
status=0
for folder in "$families"/*/; do
    name=$(basename "$folder")
    while IFS= read -r hit; do
        echo "families/$name/${hit#"$folder"}: a generic field of the game record outside ${name}_record.hpp"
        status=1
    done < <(grep -rnE '\b(counter[ABC])\b|\btexts\[' "$folder" --include='*.cpp' --include='*.hpp' |
             grep -v "^$folder${name}_record\.hpp:" || true)
done
if ((status == 0)); then echo "every family reads the game record through its named views"; fi
exit $status
