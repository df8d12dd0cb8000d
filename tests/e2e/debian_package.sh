#!/usr/bin/env bash
# Makes the Debian package of the build with cpack, checks its fields and
# files, unpacks it with dpkg -x into a throwaway root (no root rights
# needed), asks the unpacked program for its help, its version and an
# unknown option without a display, then starts it from another folder
# under a private Xvfb, waits for its first frame and closes it.
#   tests/e2e/debian_package.sh <build folder> [shots folder]
set -euo pipefail
build=$(cd "$1" && pwd)
shots=${2:-$build/shots}
mkdir -p "$shots"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xvfb.sh"

begin_e2e
(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.txt" 2>&1) ||
  { echo "FAIL: cpack"; cat "$work/cpack.txt"; exit 1; }
debs=("$work"/package/glossamo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single package"; ls "$work/package"; exit 1; }
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "glossamo_${version}_$(dpkg --print-architecture).deb" ] ||
  { echo "FAIL: package named $(basename "$deb")"; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
for package in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libcups2 fonts-dejavu-core timgm6mb-soundfont; do
  grep -q "\b$package\b" <<<"$depends" || { echo "FAIL: does not depend on $package: $depends"; exit 1; }
done

root="$work/root"
dpkg -x "$deb" "$root"
for file in usr/games/glossamo usr/share/games/glossamo/bin/DicoFrancais.txt usr/share/games/glossamo/bitmaps \
  usr/share/applications/glossamo.desktop usr/share/icons/hicolor/48x48/apps/glossamo.png \
  usr/share/man/man6/glossamo.6.gz usr/share/doc/glossamo/copyright usr/share/glossamo/screenshots/families.png; do
  [ -e "$root/$file" ] || { echo "FAIL: $file is not in the package"; exit 1; }
done
ls "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null 2>&1 || { echo "FAIL: no metainfo file"; exit 1; }
elf=$(find "$root/usr/share" -type f -exec sh -c 'head -c 4 "$1" | grep -q ELF && echo "$1"' _ {} \;)
[ -z "$elf" ] || { echo "FAIL: programs under share: $elf"; exit 1; }
entry="$root/usr/share/applications/glossamo.desktop"
grep -qx 'Exec="/usr/games/glossamo"' "$entry" || { echo "FAIL: Exec does not name /usr/games/glossamo"; exit 1; }
report=$(desktop-file-validate "$entry" 2>&1) && [ -z "$report" ] || { echo "FAIL: desktop-file-validate: $report"; exit 1; }

# The command line, answered without a display.
program="$root/usr/games/glossamo"
answer() { env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$program" "$@" >"$work/stdout" 2>"$work/stderr"; }
answer --version || { echo "FAIL: --version exit code $?"; exit 1; }
[ "$(cat "$work/stdout")" = "glossamo $version" ] || { echo "FAIL: --version says: $(cat "$work/stdout")"; exit 1; }
answer --help || { echo "FAIL: --help exit code $?"; exit 1; }
for option in --windowed --help --version .local/share/glossamo/; do
  grep -qF -- "$option" "$work/stdout" || { echo "FAIL: --help does not name $option"; cat "$work/stdout"; exit 1; }
done
code=0
answer --fenetre || code=$?
[ "$code" -eq 2 ] || { echo "FAIL: an unknown option ends with $code"; exit 1; }
grep -qF -- "--fenetre" "$work/stderr" && [ ! -s "$work/stdout" ] ||
  { echo "FAIL: the unknown option is not named on stderr"; cat "$work/stderr"; exit 1; }

# Started from the root folder, away from the program's own; its data is
# not beside it but under share/.
cd /
start_app "$program" "$work" || { echo "FAIL: the unpacked program showed no window"; cat "$work/out.txt"; exit 1; }
sleep 0.5
import -window root "$shots/e2e_debian_package.png"
xdotool windowclose "$wid"
expect_clean_exit "$work"
echo "PASS: $(basename "$deb") unpacked, depends on its libraries, fonts and sound font, answers --help," \
  "--version and an unknown option (2), started from / and closed"
