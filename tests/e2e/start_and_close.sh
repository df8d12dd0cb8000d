#!/usr/bin/env bash
# Starts the real program under a private Xvfb with a fresh $HOME, waits for
# its window, takes a screenshot, closes the window with xdotool and expects
# the program to end with exit code 0 within 15 seconds.
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
e2e_arguments "$@"

work=$(mktemp -d)
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
start_xvfb "$work"

start_app "$app" "$work" || { echo "FAIL: the window was never mapped"; cat "$work/out.txt"; exit 1; }
read -r width height < <(xwininfo -id "$wid" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
read -r screen_w screen_h < <(xwininfo -root | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
if [ "$width" != "$screen_w" ] || [ "$height" != "$screen_h" ]; then
  echo "FAIL: window is ${width}x${height}, the screen ${screen_w}x${screen_h}"; exit 1
fi
sleep 0.5
import -window root "$shots/e2e_started.png"

xdotool windowclose "$wid"
expect_clean_exit "$work"
echo "PASS: window ${width}x${height} shown, closed, exit code 0"
