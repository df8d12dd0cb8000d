#!/usr/bin/env bash
# The real program under valgrind's memcheck: started, a hangman game
# played (two letters), saved, given up, and the program quit. Fails on any
# memory error and on any block definitely lost, except the system-library
# reports listed in tests/sanitizers/valgrind.supp. Slow (a few minutes):
# valgrind runs the program some thirty times slower, so every wait is long.
#   tests/e2e/valgrind_play.sh build/app/glossamo [shots folder]
# valgrind's report is written to valgrind_play.log in the shots folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xvfb.sh"
e2e_arguments "$@"
log="$shots/valgrind_play.log"
shot() { import -window root "$shots/valgrind_$1.png"; }

begin_e2e
user="$work/home/.local/share/glossamo"
mkdir -p "$work/home"
started=$(date +%s)
HOME="$work/home" SDL_AUDIODRIVER=dummy valgrind --tool=memcheck --error-exitcode=42 \
  --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
  --suppressions="$here/../sanitizers/valgrind.supp" --num-callers=40 --log-file="$log.%p" "$app" \
  >"$work/out.txt" 2>&1 &
app_pid=$!
pid=$app_pid
wid=$(timeout 300 xdotool search --sync --onlyvisible --name '^GLOSSAMO$' | head -n 1) || true
[ -n "$wid" ] || { echo "FAIL: the window was never mapped"; cat "$log".*; exit 1; }
# The window is black until start-up has read the word lists and drawn the
# first frame.
for _ in $(seq 300); do
  mean=$(import -window root png:- | identify -format '%[fx:mean]' -)
  awk -v m="$mean" 'BEGIN { exit !(m > 0.01) }' && break
  sleep 1
done
echo "window shown after $(( $(date +%s) - started )) s"
sleep 5

click 400 300 8                      # skip the title
click 70 143 8                       # LE PENDU
click 300 91 20                      # PENDU 12 lettres, built
shot built
click $(( 70 + 31 * 11 + 12 )) $(( 50 + 31 * 2 + 15 )) 15   # E
click $(( 70 + 31 * 7 + 12 )) $(( 50 + 31 * 2 + 15 )) 15    # A
shot played
click 464 564 10                     # save
shot saved
ls "$user/SAVE/"*.sa1 >/dev/null 2>&1 || { echo "FAIL: no saved game"; exit 1; }
xdotool key Escape; sleep 5; xdotool key Escape; sleep 10   # give up, leave
click 460 560 10                     # quit
shot quit
click 285 228 1                      # yes

for _ in $(seq 3600); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.5
done
kill -0 "$app_pid" 2>/dev/null && { echo "FAIL: still running 30 min after quitting"; exit 1; }
set +e
wait "$app_pid"
code=$?
set -e
app_pid=
echo "ended after $(( $(date +%s) - started )) s, exit code $code"
# The program's own report (a process it forks writes one of its own).
mv "$log.$pid" "$log"
rm -f "$log".*
grep -E 'ERROR SUMMARY|definitely lost:' "$log" | head -n 2
[ "$code" -eq 0 ] || { echo "FAIL: valgrind reports (see $log)"; exit 1; }
grep -q '^nom=' "$user/CFG/favoris.frd" || { echo "FAIL: the profile was not written"; exit 1; }
echo "PASS: played, saved and quit under valgrind with no error and nothing definitely lost"
