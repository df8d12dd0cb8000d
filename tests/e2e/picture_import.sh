#!/usr/bin/env bash
# Imports a portrait and a background through the real dialog of the real
# program, with the player's folders present: the pictures are written in
# the player's folders, and the program closes cleanly. Shots of the
# profile and options panels, before and after a restart, go to the shots
# folder.
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
e2e_arguments "$@"
command -v zenity >/dev/null || { echo "FAIL: zenity is missing"; exit 1; }

begin_e2e
convert -size 320x360 gradient:orange-purple "$work/portrait.jpg"
convert -size 640x480 plasma:fractal -seed 3 "$work/paysage.jpg" 2>/dev/null || convert -size 640x480 gradient:green-blue "$work/paysage.jpg"
user="$work/home/.local/share/glossamo"

# Answers the open dialog with a file.
choose() {
  local dialog
  dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Import:$' | head -n 1 || true)
  [ -n "$dialog" ] || { echo "FAIL: no dialog"; exit 1; }
  sleep 1
  xdotool windowfocus "$dialog"
  sleep 0.3
  xdotool key ctrl+l
  sleep 0.3
  xdotool type --delay 20 "$1"
  sleep 0.3
  xdotool key Return
  sleep 1.5
}

# Waits up to 10 s for a file matching the pattern: the program converts
# and writes the picture after the dialog has closed.
appears() {
  for _ in $(seq 50); do
    ls $1 >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  return 1
}

start_app "$app" "$work" || { echo "FAIL: the window was never mapped"; exit 1; }
sleep 1
click 400 300 1                      # skip the title
click 229 569 1.5                    # the profile panel
click 293 395 0.2                    # import a portrait
choose "$work/portrait.jpg"
import -window root "$shots/e2e_portrait_imported.png"
appears "$user/TETE/*.bmp" || { echo "FAIL: no portrait in TETE"; exit 1; }
click 293 450 0.2                    # import a background
choose "$work/paysage.jpg"
appears "$user/FONDS/*.bmp" || { echo "FAIL: no background in FONDS"; exit 1; }
xdotool key Escape; sleep 0.5        # close the panel
xdotool key Escape; sleep 1          # the quit panel
click 285 228 3
expect_clean_exit "$work"

start_app "$app" "$work" || { echo "FAIL: no window on the second run"; exit 1; }
sleep 1
click 400 300 1
click 229 569 1.5                    # the profile panel, after the restart
xdotool mousemove 5 5; sleep 0.5
import -window root "$shots/e2e_profile_after_restart.png"
xdotool key Escape; sleep 0.5
xdotool key Escape; sleep 1
click 285 228 3
expect_clean_exit "$work"
echo "PASS: a portrait and a background were imported and kept"
