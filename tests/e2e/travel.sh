#!/usr/bin/env bash
# Travels in the real program: starts a travel from the main bar, finds the
# traveller's neighbours by the hover line they bring up, clicks one, waits
# for its game, gives the game up and returns to the map, where a square next
# to the traveller brings up the hover line again. A travel that fails at
# once (its money spent) is ended and started anew. Then Escape, answered
# Oui, ends the travel and the program is quit. Screenshots go to build/shots/.
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
e2e_arguments "$@"

begin_e2e
shot() { import -window root "$shots/$1.png"; }
# The hover line's strip at the top of the map, the pointer at (x, y).
strip() {
  xdotool mousemove $(( $1 * screen_w / 800 )) $(( $2 * screen_h / 600 ))
  sleep 0.3
  import -window root -crop "${screen_w}x$(( 20 * screen_h / 600 ))+0+0" +repage "$3"
}
differs() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" -gt 100 ]; }
centre() { echo $(( 75 + 50 * $1 )) $(( 125 + 50 * $2 )); }
# Neighbours of the three start squares (0, 0), (3, 4) and (2, 2).
candidates="1,0:0,0 0,1:0,0 2,4:3,4 4,4:3,4 3,3:3,4 3,5:3,4 1,2:2,2 3,2:2,2 2,1:2,2 2,3:2,2"

start_app "$app" "$work" || { echo "FAIL: the window was never mapped"; exit 1; }
sleep 1
click 400 300 1                          # skip the title
back_on_map=
for attempt in 1 2 3; do
  click 284 564 1.8                      # travel, on the main bar; the opening text fades
  strip 400 520 "$work/plain.png"
  picked=
  for pair in $candidates; do
    square=${pair%%:*} start=${pair##*:}
    strip $(centre ${square%,*} ${square#*,}) "$work/hover.png"
    if differs "$work/plain.png" "$work/hover.png"; then picked=$pair; break; fi
  done
  [ -n "$picked" ] || { shot e2e_travel_no_neighbour; echo "FAIL: no square next to the traveller"; exit 1; }
  [ "$attempt" = 1 ] && shot e2e_travel_map
  square=${picked%%:*} start=${picked##*:}
  click $(centre ${square%,*} ${square#*,}) 4   # the move takes 2 s, then the game builds
  [ "$attempt" = 1 ] && shot e2e_travel_game
  click 764 564 1                        # give up
  click 10 300 1                         # the lost game moves the travel on
  strip 400 520 "$work/plain.png"
  strip $(centre ${start%,*} ${start#*,}) "$work/hover.png"
  if differs "$work/plain.png" "$work/hover.png"; then back_on_map=1; break; fi
  shot e2e_travel_failed
  click 10 300 1                         # no money left: the travel ends
done
[ -n "$back_on_map" ] || { echo "FAIL: never back on the map"; exit 1; }
shot e2e_travel_back_on_map
xdotool key Escape                       # asks before ending the travel
sleep 1
shot e2e_travel_end_question
click 285 228 1.2                        # Oui: the travel ends
click 460 560 1.2                        # quit
click 285 228 3                          # yes
expect_clean_exit "$work"
echo "PASS: travelled to a neighbour, gave its game up and came back to the map"
