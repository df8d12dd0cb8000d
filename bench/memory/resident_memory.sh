#!/usr/bin/env bash
# The real program's resident memory under a private Xvfb: after start-up,
# then while a game is played (MOTS CODES, its first level). Prints the
# whole resident size, the program's own (anonymous) memory and the mapped
# files (libraries and data), in kilobytes.
#   bench/memory/resident_memory.sh build/app/glossamo
set -euo pipefail
app=$(realpath "${1:-build/app/glossamo}")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tests/e2e/xvfb.sh"

begin_e2e
report() {
  awk -v at="$1" '/^VmRSS:/{r=$2} /^RssAnon:/{a=$2} /^RssFile:/{f=$2}
    END {printf "%-10s resident %6d KB   own (anonymous) %6d KB   mapped files %6d KB\n", at, r, a, f}' \
    "/proc/$app_pid/status"
}
start_app "$app" "$work" || { echo "FAIL: the window was never mapped"; exit 1; }
sleep 1
report start-up
click 400 300 1      # skip the title
click 70 83 1        # MOTS CODES
click 300 91 3       # its first level; the board and the music start
report playing
