#!/usr/bin/env bash
# The program started with --windowed under a private Xvfb: an 800 x 600
# window; F11 makes it full screen and F11 again a window. The window is
# then widened to 1000 x 600 (black bars left and right) and the program
# quit through its own buttons, clicked where they show in that window; the
# profile keeps the window.
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
e2e_arguments "$@"

begin_e2e

size_of() { xwininfo -id "$wid" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }
# Waits up to 5 s for the window to take a size.
expect_size() {
  for _ in $(seq 50); do
    [ "$(size_of)" = "$1" ] && return
    sleep 0.1
  done
  echo "FAIL: $2: the window is $(size_of), not $1"; exit 1
}

start_app "$app" "$work" --windowed || { echo "FAIL: no window"; cat "$work/out.txt"; exit 1; }
expect_size 800x600 "--windowed"
xdotool key F11
expect_size "${screen_w}x${screen_h}" "after F11"
sleep 0.5
import -window root "$shots/e2e_window_full.png"
# The picture fills the screen again: its lower right corner is not black.
corner=$(convert "$shots/e2e_window_full.png" -crop 40x40+$(( screen_w - 60 ))+$(( screen_h - 60 )) -format '%[fx:mean]' info:)
awk -v m="$corner" 'BEGIN { exit !(m > 0.02) }' || { echo "FAIL: the full-screen picture does not fill the screen"; exit 1; }
xdotool key F11
expect_size 800x600 "after F11 twice"

xdotool windowsize "$wid" 1000 600
expect_size 1000x600 "widened"
sleep 0.5
import -window "$wid" "$shots/e2e_window_wide.png"
# Surface points, shown 100 pixels further right in the wide window.
win_click() {
  xdotool mousemove --window "$wid" $(( $1 + 100 )) "$2"
  sleep 0.15
  xdotool click 1
  sleep "${3:-0.6}"
}
win_click 400 300        # past the title
win_click 460 560        # quit
import -window "$wid" "$shots/e2e_window_quit.png"
win_click 285 228 0.2    # yes
expect_clean_exit "$work"
grep -q '^fenetre=1' "$work/home/.local/share/glossamo/CFG/favoris.frd" || { echo "FAIL: the profile does not keep the window"; exit 1; }
echo "PASS: 800x600 window, F11 to ${screen_w}x${screen_h} and back, quit by clicks in a 1000x600 window"
