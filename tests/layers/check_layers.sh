#!/usr/bin/env bash
# Fails when a folder of src/ includes a folder above it in the layer list,
# when a folder is missing from the list, or when a file outside
# src/platform/ includes the headers of SDL, libjpeg, cairo or CUPS. Files at
# the root of src/ (main.cpp) stand on top of every folder.
set -euo pipefail
src=$1
layers=$2
declare -A rank
n=0
while read -r name _; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    rank[$name]=$n
    n=$((n + 1))
done <"$layers"

status=0
for dir in "$src"/*/; do
    folder=$(basename "$dir")
    if [[ -z "${rank[$folder]+set}" ]]; then
        echo "src/$folder/ is not in $layers"
        status=1
    fi
done

while IFS= read -r line; do
    file=${line%%:*}
    target=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$line")
    rel=${file#"$src"/}
    if [[ "$rel" == */* ]]; then
        folder=${rel%%/*}
        from=${rank[$folder]:-}
    else
        folder="(root)"
        from=$n
    fi
    to=${rank[$target]:-}
    if [[ -z "$to" || -z "$from" ]]; then
        continue  # folders missing from the list are reported above
    fi
    if ((to > from)); then
        echo "$rel includes $target/, a layer above $folder/"
        status=1
    fi
done < <(grep -rHE '^\s*#\s*include "[^/"]+/' "$src" --include='*.cpp' --include='*.hpp' || true)

while IFS= read -r line; do
    echo "${line#"$src"/}: the machine's libraries are only for src/platform/"
    status=1
done < <(grep -rHE '^\s*#\s*include\s*<(SDL|SDL2/|cairo|cups/|jpeglib)' "$src" --include='*.cpp' --include='*.hpp' |
         grep -v "^$src/platform/" || true)

if ((status == 0)); then echo "every include points down the ${n} layers"; fi
exit $status
