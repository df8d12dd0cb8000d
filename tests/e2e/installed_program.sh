#!/usr/bin/env bash
# Installs the build into a temporary prefix (a folder name with a blank and
# an accent in it), checks the desktop entry with desktop-file-validate and the icons'
# sizes, then starts the installed launcher from another folder under a
# private Xvfb, waits for its first frame and closes it.
#   tests/e2e/installed_program.sh <build folder> [shots folder]
set -euo pipefail
build=$1
shots=${2:-$build/shots}
mkdir -p "$shots"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xvfb.sh"

begin_e2e
prefix="$work/mes jeux é"
cmake --install "$build" --prefix "$prefix" >"$work/install.txt" 2>&1 || { echo "FAIL: install"; cat "$work/install.txt"; exit 1; }

for file in bin/glossamo lib/glossamo/glossamo lib/glossamo/bin/DicoFrancais.txt share/applications/glossamo.desktop; do
  [ -e "$prefix/$file" ] || { echo "FAIL: $file was not installed"; exit 1; }
done
[ -x "$prefix/bin/glossamo" ] || { echo "FAIL: the launcher cannot be run"; exit 1; }
[ ! -e "$prefix/lib/glossamo/icons" ] || { echo "FAIL: the icons landed in the program folder"; exit 1; }

entry="$prefix/share/applications/glossamo.desktop"
report=$(desktop-file-validate "$entry" 2>&1) || { echo "FAIL: desktop-file-validate: $report"; exit 1; }
[ -z "$report" ] || { echo "FAIL: desktop-file-validate: $report"; exit 1; }
grep -qx "Exec=\"$prefix/bin/glossamo\"" "$entry" || { echo "FAIL: Exec does not name the launcher"; grep Exec "$entry"; exit 1; }
grep -qx 'Categories=Game;LogicGame;' "$entry" || { echo "FAIL: categories"; exit 1; }

for size in 48 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/glossamo.png"
  got=$(identify -format '%m %wx%h' "$icon" 2>/dev/null) || { echo "FAIL: no icon $icon"; exit 1; }
  [ "$got" = "PNG ${size}x${size}" ] || { echo "FAIL: $icon is $got"; exit 1; }
done

# Started from the root folder, away from the program's own.
cd /
start_app "$prefix/bin/glossamo" "$work" || { echo "FAIL: the installed program showed no window"; cat "$work/out.txt"; exit 1; }
sleep 0.5
import -window root "$shots/e2e_installed.png"
xdotool windowclose "$wid"
expect_clean_exit "$work"
echo "PASS: installed under '$prefix', entry valid, icons 48/128/256, started from / and closed"
