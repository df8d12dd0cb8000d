#!/usr/bin/env bash
# Plays the real program as a player would: skips the title, chooses the
# family "LE PENDU" and its first level, plays a letter, saves the game,
# gives up, opens and closes the options panel, leaves the game and quits
# through the quit button and its "yes". Expects exit code 0. Screenshots go to build/shots/.
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
e2e_arguments "$@"

begin_e2e
start_app "$app" "$work" || { echo "FAIL: the window was never mapped"; exit 1; }

shot() { import -window root "$shots/$1.png"; }

click 400 300 0.6                  # skip the title
shot e2e_families
click 70 143                       # family 4, LE PENDU
shot e2e_levels
click 300 91 0.8                   # its first level, PENDU 12 lettres
click $(( 70 + 31 * 11 + 12 )) $(( 50 + 31 * 2 + 15 )) 3   # the letter E
shot e2e_hangman_playing
click 464 564 1                    # save: proves a game is running
ls "$work/home/.local/share/glossamo/SAVE/"*.sa1 >/dev/null 2>&1 || { echo "FAIL: no game was started"; exit 1; }
click 760 560 1                    # give up
shot e2e_hangman_given_up
click 700 560 1.2                  # options
shot e2e_options
click 714 418 0.6                  # close the panel
xdotool key Escape                 # leave the finished game
sleep 0.6
click 460 560 1.2                  # quit
shot e2e_quit
click 285 228 3                    # yes, then the farewell picture for 3 s
expect_clean_exit "$work"
echo "PASS: played through the menus and quit with exit code 0"
