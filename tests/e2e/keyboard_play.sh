#!/usr/bin/env bash
# Plays hangman and Motuce in the real program from the keyboard alone: the
# hidden word is read from a saved game, then typed (an E of the hangman
# word as é). Motuce also gets a wrong letter taken back with Backspace.
# Both games must be won: the profile written at quitting holds their two
# score lines.
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
e2e_arguments "$@"

begin_e2e
user="$work/home/.local/share/glossamo"
shot() { import -window root "$shots/$1.png"; }

# Saves the running game and prints its hidden word: the second text of
# the saved record (a length byte, then the letters).
hidden_word() {
  rm -f "$user/SAVE/"*
  click 464 564 1
  local file
  file=$(ls "$user/SAVE/"*.sa1 2>/dev/null | head -n 1)
  [ -n "$file" ] || { echo "FAIL: no saved game to read the word from" >&2; exit 1; }
  local offset=$(( 3108 + 101 ))
  local length
  length=$(od -An -tu1 -j "$offset" -N 1 "$file" | tr -d ' ')
  dd if="$file" bs=1 skip=$(( offset + 1 )) count="$length" status=none
}

start_app "$app" "$work" || { echo "FAIL: the window was never mapped"; exit 1; }
click 400 300 0.8                    # skip the title

# Hangman: every letter of the word once, typed.
click 70 143                         # LE PENDU
click 300 91 1.5                     # its first level
word=$(hidden_word)
[[ "$word" =~ ^[A-Z]+$ ]] || { echo "FAIL: unexpected hangman word '$word'"; exit 1; }
typed=""
for letter in $(echo "$word" | grep -o . | sort -u); do
  key=${letter,,}
  [ "$letter" = E ] && key=é
  xdotool type --delay 150 "$key"
  typed+=$key
  sleep 2.5                          # the scan of the word shows each find in turn
done
sleep 1
shot e2e_keyboard_hangman_won
click 400 300 1                      # leave the won game

# Motuce: the given first letter, a wrong letter taken back, then the rest.
click 440 143                        # MOTUCE
click 300 91 1.5                     # its first level
word=$(hidden_word)
[[ "$word" =~ ^[A-Z]+$ ]] || { echo "FAIL: unexpected Motuce word '$word'"; exit 1; }
wrong=Q; [ "${word:1:1}" = Q ] && wrong=Z
xdotool type --delay 150 "${wrong,,}"
sleep 0.3
xdotool key BackSpace
sleep 0.3
xdotool type --delay 150 "$(echo "${word:1}" | tr 'A-Z' 'a-z')"
sleep 2
shot e2e_keyboard_motuce_won
click 400 300 1                      # leave the won game

click 460 560 1.2                    # quit
click 285 228 3                      # yes
expect_clean_exit "$work"
scores=$(sed -n '/^\[SCORES\]/,/^\[/p' "$user/CFG/favoris.frd")
echo "$scores" | grep -q 'PENDU' || { echo "FAIL: hangman was not won from the keyboard (typed $typed)"; exit 1; }
echo "$scores" | grep -qi 'MOTUCE' || { echo "FAIL: Motuce was not won from the keyboard (word $word)"; exit 1; }
echo "PASS: hangman and Motuce won from the keyboard"
