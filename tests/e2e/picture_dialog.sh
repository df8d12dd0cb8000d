#!/usr/bin/env bash
# Opens the picture dialog of the profile panel in the real program: the
# dialog must fit the 800 x 600 screen, keys typed at the game while it is
# open must not reach the game, and the game must answer at once when the
# dialog is cancelled (it quits through its own panel with exit code 0).
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
e2e_arguments "$@"
command -v zenity >/dev/null || { echo "FAIL: zenity is missing"; exit 1; }

begin_e2e
start_app "$app" "$work" || { echo "FAIL: the window was never mapped"; exit 1; }


sleep 1
click 400 300 1                    # skip the title
click 229 569 1.5                  # the profile panel
click 293 395 0.2                  # import a portrait: the dialog opens
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Import:$' | head -n 1 || true)
[ -n "$dialog" ] || { import -window root "$shots/e2e_no_dialog.png"; echo "FAIL: no dialog"; exit 1; }
sleep 1                            # the program fits it once it shows
read -r dw dh < <(xwininfo -id "$dialog" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
import -window root "$shots/e2e_picture_dialog.png"
if [ "$dw" -gt 800 ] || [ "$dh" -gt 600 ]; then
  echo "FAIL: the dialog is ${dw}x${dh}, larger than the game's 800x600"; exit 1
fi
# Keys typed at the game while it waits for the dialog: they stay queued
# and must be dropped when the dialog closes.
xdotool windowfocus "$wid"
xdotool type --delay 40 "xq"
xdotool key Escape                  # would close the profile panel
sleep 0.3
xdotool windowfocus "$dialog"
sleep 0.3
xdotool key Escape                  # cancels the dialog
sleep 1
import -window root "$shots/e2e_after_picture_dialog.png"
# The profile panel is still open: Escape closes it, a second Escape on the
# family list asks to quit, and "yes" ends the program.
xdotool key Escape
sleep 0.5
xdotool key Escape
sleep 1
click 285 228 3
expect_clean_exit "$work"
echo "PASS: the dialog was ${dw}x${dh} and the game answered after it"
