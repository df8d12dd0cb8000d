#!/usr/bin/env bash
# Kills the real program (SIGKILL) at moments drawn from a seeded schedule
# while it resumes a quick-exit game, saves it under its own name, saves it
# again by the quick exit and writes the profile as it closes. After every
# kill the profile and every listed save read back whole, old or new. Then
# the player's folder on a full disk (a small tmpfs): the quick exit stays,
# the quit still closes, and nothing written before is lost or half-written.
# Arguments: the program, the screenshot folder, the number of kills.
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
e2e_arguments "$1" "${2:-}"
rounds=${3:-200}
RANDOM=20261209

begin_e2e
home="$work/home"
user="$home/.local/share/glossamo"
fail() { echo "FAIL: $*"; exit 1; }
# Sends one click at a point of the 800 x 600 surface, without waiting.
tap() { xdotool mousemove $(( $1 * screen_w / 800 )) $(( $2 * screen_h / 600 )) click 1 2>/dev/null || true; }

# A first run makes the profile and a quick-exit save of a hangman game.
start_app "$app" "$work" || fail "the window was never mapped"
sleep 1
click 400 300 1                      # skip the title
click 70 143                         # LE PENDU
click 300 91 1.5                     # PENDU 12 lettres
click $(( 70 + 31 * 11 + 12 )) $(( 50 + 31 * 2 + 15 )) 1  # E
click 754 39 2                       # quick exit
expect_clean_exit "$work"
for f in "$user/CFG/favoris.frd" "$user/SAVE/Sortie rapide.sa1" "$user/SAVE/Sortie rapide.sa2"; do
  [ -f "$f" ] || fail "the first run did not write $f"
done
cp "$user/CFG/favoris.frd" "$work/profile"
cp "$user/SAVE/Sortie rapide.sa1" "$work/records"
cp "$user/SAVE/Sortie rapide.sa2" "$work/words"
records_size=$(stat -c %s "$work/records")

# The profile is rewritten with the same settings at every close, so whole
# means equal to the first one; a save is whole when its records have their
# fixed size and its words are those of the game.
check_whole() {
  cmp -s "$user/CFG/favoris.frd" "$work/profile" || fail "round $1: the profile is not whole"
  local records
  for records in "$user/SAVE"/*.sa1; do
    [ -e "$records" ] || continue
    [ "$(stat -c %s "$records")" -eq "$records_size" ] || fail "round $1: $(basename "$records") is cut"
    cmp -s "${records%.sa1}.sa2" "$work/words" || fail "round $1: $(basename "$records") has no whole words file"
  done
}

replaced=0
for round in $(seq "$rounds"); do
  # Each run has a game to resume, as after a quick exit.
  if [ ! -f "$user/SAVE/Sortie rapide.sa1" ]; then
    cp "$work/records" "$user/SAVE/Sortie rapide.sa1"
    cp "$work/words" "$user/SAVE/Sortie rapide.sa2"
  fi
  before=$(stat -c %y "$user/CFG/favoris.frd")
  HOME="$home" SDL_AUDIODRIVER=dummy "$app" >/dev/null 2>&1 &
  pid=$!
  # The clicks come at fixed times; those sent before the window shows are lost.
  (
    sleep 0.45; tap 464 564           # save under its own name
    sleep 0.1; tap 464 564
    sleep 0.1; tap 754 39             # quick exit: save, profile, close
  ) &
  driver=$!
  kill_ms=$(( 300 + RANDOM % 1000 ))
  sleep "$(awk -v ms="$kill_ms" 'BEGIN { printf "%.3f", ms / 1000 }')"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  kill "$driver" 2>/dev/null || true
  wait "$driver" 2>/dev/null || true
  check_whole "$round"
  # The oldest named saves go, so that each round checks few files.
  # (A run killed before its first save has none yet.)
  { ls -t "$user/SAVE"/Joueur*.sa1 2>/dev/null || true; } | tail -n +5 | while read -r old; do
    rm -f "$old" "${old%.sa1}.sa2"
  done
  [ "$(stat -c %y "$user/CFG/favoris.frd")" = "$before" ] || replaced=$(( replaced + 1 ))
done
left=$(find "$user" -name '*.tmp.??????' | wc -l)
echo "$rounds kills: the profile was replaced in $replaced runs; $left unfinished file(s) of the last run lie unlisted"
[ "$replaced" -gt 0 ] || fail "no run got as far as writing the profile: the kills prove nothing"

# A full disk: the player's folder on a tmpfs filled to the last byte.
if ! unshare --user --map-root-user --mount true 2>/dev/null; then
  echo "PASS (no full-disk check: this system lets no user mount a tmpfs)"
  exit 0
fi
rm -f "$user/SAVE/Sortie rapide.sa1" "$user/SAVE/Sortie rapide.sa2"
cat > "$work/full_disk.sh" <<'EOF'
#!/usr/bin/env bash
# Inside a mount namespace of its own: the player's folder moved onto a
# 1 MiB tmpfs and filled up; the program runs there, then what it left is
# copied out for the checks.
set -euo pipefail
user=$1 app=$2 out=$3 after=$4
mkdir -p "$user.disk"
mount -t tmpfs -o size=1m tmpfs "$user.disk"
cp -a "$user/." "$user.disk/"
mount --bind "$user.disk" "$user"
dd if=/dev/zero of="$user/filler" bs=4k 2>/dev/null || true
SDL_AUDIODRIVER=dummy "$app" >"$out" 2>&1 &
echo $! >"$out.pid"
code=0
wait $! || code=$?
cp -a "$user/CFG" "$user/SAVE" "$after/"
exit "$code"
EOF
chmod +x "$work/full_disk.sh"
# Every save (the unfinished files the last kill left are cleared at start).
saves() { (cd "$1" && find . -type f ! -name '*.tmp.??????' -exec sha256sum {} + | sort); }
saves_before=$(saves "$user/SAVE")
mkdir -p "$work/after"
HOME="$home" unshare --user --map-root-user --mount "$work/full_disk.sh" "$user" "$app" "$work/out.txt" "$work/after" &
runner=$!
for _ in $(seq 100); do [ -s "$work/out.txt.pid" ] && break; sleep 0.1; done
app_pid=$(cat "$work/out.txt.pid")
wid=$(timeout 10 xdotool search --sync --onlyvisible --name '^GLOSSAMO$' | head -n 1)
[ -n "$wid" ] || fail "no window on the full disk"
sleep 1
click 400 300 1                      # skip the title
click 70 143                         # LE PENDU
click 300 91 1.5                     # PENDU 12 lettres
click 754 39 0.6                     # quick exit: the disk is full
import -window root "$shots/e2e_full_disk_quick_exit.png"
sleep 1.5
kill -0 "$app_pid" 2>/dev/null || fail "the quick exit closed the program on a full disk"
xdotool key Escape; sleep 0.5; xdotool key Escape; sleep 1   # give up, leave
click 460 560 1.2                    # quit
click 285 228 1                      # yes: the profile cannot be written either
import -window root "$shots/e2e_full_disk_quit.png"
wait "$runner" || fail "the program did not close cleanly on a full disk: $(cat "$work/out.txt")"
app_pid=
cmp -s "$work/after/CFG/favoris.frd" "$work/profile" || fail "the full disk changed the profile"
saves_after=$(saves "$work/after/SAVE")
[ "$saves_after" = "$saves_before" ] || fail "the full disk changed the saves: $saves_before / $saves_after"
[ "$(ls -A "$work/after/CFG")" = "favoris.frd" ] || fail "the full disk left files in CFG: $(ls -A "$work/after/CFG" | tr '\n' ' ')"
echo "PASS: $rounds kills left every file whole; a full disk lost nothing"
