#!/usr/bin/env bash
# With no display the drawing surface cannot start: the program must say so
# and end with a non-zero exit code instead of hanging or crashing.
set -uo pipefail
app=$1
out=$(env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 timeout 10 "$app" 2>&1)
code=$?
if [ "$code" -eq 0 ] || [ "$code" -ge 124 ]; then
  echo "FAIL: exit code $code"; echo "$out"; exit 1
fi
if ! grep -q "Erreur d'initialisation DirectX" <<<"$out"; then
  echo "FAIL: the start-up message is missing"; echo "$out"; exit 1
fi
echo "PASS: exit code $code with the start-up message"
