#!/usr/bin/env bash
# Plays the real program across three runs with one $HOME: a hangman game
# is saved and the program quit; the next run loads it from the saved-games
# panel and shows the same board, then leaves by the quick exit; the third
# run resumes that game by itself, once. Also checks the profile written at
# each close. The program is installed, and the player lives, under folders
# named in Cyrillic: both are used as the system names them.
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
e2e_arguments "$@"

begin_e2e
# The hidden word's row of the board, with the pointer out of the way.
board() {
  xdotool mousemove $(( 795 * screen_w / 800 )) $(( 300 * screen_h / 600 ))
  sleep 0.5
  import -window root -crop "$(( 380 * screen_w / 800 ))x$(( 40 * screen_h / 600 ))+$(( 280 * screen_w / 800 ))+$(( 355 * screen_h / 600 ))" +repage "$1"
}
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = "0" ]; }
# The program copied (its data linked) into a folder named in Cyrillic.
install="$work/игры"
mkdir -p "$install"
cp "$app" "$install/"
for entry in "$(dirname "$app")"/*; do
  [ "$entry" -ef "$app" ] || ln -s "$entry" "$install/"
done
app="$install/$(basename "$app")"
player="$work/иван"
user="$player/home/.local/share/glossamo"

# First run: a game of hangman, two letters, saved; then quit.
start_app "$app" "$player" || { echo "FAIL: the window was never mapped"; exit 1; }
sleep 1
click 400 300 1                      # skip the title
click 70 143                         # LE PENDU
click 300 91 1.5                     # PENDU 12 lettres
click $(( 70 + 31 * 11 + 12 )) $(( 50 + 31 * 2 + 15 )) 3   # E
click $(( 70 + 31 * 7 + 12 )) $(( 50 + 31 * 2 + 15 )) 3    # A
board "$work/saved.png"
cp "$work/saved.png" "$shots/e2e_saved_board.png"
click 464 564 1                      # save
ls "$user/SAVE/"*.sa1 >/dev/null 2>&1 || { echo "FAIL: no saved game"; exit 1; }
xdotool key Escape; sleep 0.5; xdotool key Escape; sleep 1   # give up, leave
click 460 560 1.2                    # quit
click 285 228 3                      # yes
expect_clean_exit "$player"
grep -q '^N100=' "$user/CFG/favoris.frd" || { echo "FAIL: the profile lacks N0..N100"; exit 1; }
grep -q '^nom=Joueur' "$user/CFG/favoris.frd" || { echo "FAIL: the profile lacks the name"; exit 1; }

# Second run: load it from the saved-games panel; the board is the same.
start_app "$app" "$player" || { echo "FAIL: no window on the second run"; exit 1; }
sleep 1
click 400 300 1                      # skip the title
click 349 569 1.5                    # saved games
click 379 200 0.5                    # the save, first row
click 663 426 1.5                    # load it
board "$work/loaded.png"
cp "$work/loaded.png" "$shots/e2e_loaded_board.png"
same "$work/saved.png" "$work/loaded.png" || { echo "FAIL: the loaded board differs"; exit 1; }
click 754 39 2                       # quick exit: saves and closes
expect_clean_exit "$player"
[ -f "$user/SAVE/Sortie rapide.sa1" ] || { echo "FAIL: no quick-exit save"; exit 1; }

# Third run: the quick-exit game comes back by itself, and only once.
start_app "$app" "$player" || { echo "FAIL: no window on the third run"; exit 1; }
sleep 1.5
board "$work/resumed.png"
cp "$work/resumed.png" "$shots/e2e_resumed_board.png"
same "$work/saved.png" "$work/resumed.png" || { echo "FAIL: the quick exit was not resumed"; exit 1; }
[ ! -f "$user/SAVE/Sortie rapide.sa1" ] || { echo "FAIL: the quick-exit save is still there"; exit 1; }
xdotool key Escape; sleep 0.5; xdotool key Escape; sleep 1
click 460 560 1.2
click 285 228 3
expect_clean_exit "$player"
echo "PASS: saved, loaded, quick exit resumed once"
