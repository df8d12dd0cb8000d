#!/usr/bin/env bash
# With no print system to reach, the print button of a running grid game
# tells the player so in a message box and leaves the page as a PDF in the
# player's Documents folder, made when the home has none; a click closes
# the box and the game goes on.
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
e2e_arguments "$@"

begin_e2e
# A print server that is not there.
export CUPS_SERVER="$work/no-cups.sock"
unset PRINTER LPDEST
start_app "$app" "$work" || { echo "FAIL: the window was never mapped"; exit 1; }
shot() { import -window root "$shots/$1.png"; }

sleep 1.5                          # clicks during the start-up are dropped
click 400 300 0.6                  # skip the title
click 70 303                       # family 12, MOTS CASES
click 400 91 2                     # its first level, 12 x 12
click 344 564 1.5                  # print
shot e2e_print_no_printer
documents="$work/home/Documents"
pdf=$(find "$documents" -maxdepth 1 -name 'Grille *.pdf' | head -n 1)
[ -n "$pdf" ] || { echo "FAIL: no PDF in $documents"; ls -la "$documents"; exit 1; }
text=$(pdftotext "$pdf" -)
grep -q "MOTS CASES" <<<"$text" || { echo "FAIL: the title is not in $pdf"; echo "$text"; exit 1; }
words=$(grep -cE '^[A-Z]{2,}$' <<<"$text" || true)
[ "$words" -ge 10 ] || { echo "FAIL: only $words words in $pdf"; echo "$text"; exit 1; }
pdftoppm -r 40 -png -singlefile "$pdf" "$shots/e2e_print_no_printer_page"

click 400 300 1                    # closes the message box
shot e2e_print_no_printer_closed
xdotool key Escape                 # gives the game up: it was still running
sleep 0.8
xdotool key Escape                 # leaves it
sleep 0.8
click 460 560 1.2                  # quit
click 285 228 3                    # yes
expect_clean_exit "$work"
grep -q "MOTS CASES" <<<"$text"
echo "PASS: no printer: told, $(basename "$pdf") written with the title and $words words, exit code 0"
