#!/usr/bin/env bash
# Prints a hidden-word grid from the real program through its print button
# to a cups-pdf printer, the default of a private CUPS server, and reads the
# PDF that cups-pdf wrote. The server is the one .ci/run started (its socket
# in GLOSSAMO_PRINT_SERVER) or, without one, a server of the test's own.
# When no server can start, the test says why and is skipped (exit code 77).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$here/xvfb.sh"
e2e_arguments "$@"

own_server=
finish() {
  [ -n "$own_server" ] && "$root/scripts/print_server.sh" stop "$own_server" || true
  end_e2e
}
begin_e2e
trap finish EXIT

server=${GLOSSAMO_PRINT_SERVER:-}
if [ -z "$server" ] || ! lpstat -h "$server" -d 2>/dev/null | grep -q "system default destination"; then
  own_server=$(mktemp -d /tmp/glossamo-cups-XXXXXX)
  if ! server=$("$root/scripts/print_server.sh" start "$own_server" 2>"$work/cups-start.txt"); then
    rm -rf "$own_server"
    own_server=
    echo "SKIP: cupsd cannot start on this machine: $(tr '\n' ' ' <"$work/cups-start.txt")"
    exit 77
  fi
fi
printer=$(lpstat -h "$server" -d | sed -n 's/^system default destination: //p')
lpstat -h "$server" -v "$printer" | grep -q 'cups-pdf:/' ||
  { echo "FAIL: the default printer $printer of $server is not a cups-pdf printer"; exit 1; }

# cups-pdf writes into the PDF folder of the user who printed.
user=$(id -un)
home=$(getent passwd "$user" | cut -d: -f6)
outputs=("$home/PDF" "/var/spool/cups-pdf/$user")
touch "$work/before-print"
sleep 1

export CUPS_SERVER=$server
unset PRINTER LPDEST
start_app "$app" "$work" || { echo "FAIL: the window was never mapped"; exit 1; }
sleep 1.5                          # clicks during the start-up are dropped
click 400 300 0.6                  # skip the title
click 70 323                       # family 13, MOTS CACHES
click 400 91 2                     # its first level, 12 x 12
import -window root "$shots/e2e_print_cups_game.png"
click 344 564 1.5                  # print
import -window root "$shots/e2e_print_cups_sent.png"

pdf=
for _ in $(seq 120); do
  pdf=$(find "${outputs[@]}" -maxdepth 1 -name '*.pdf' -newer "$work/before-print" 2>/dev/null | head -n 1 || true)
  [ -n "$pdf" ] && [ -s "$pdf" ] && break
  sleep 0.5
done
if [ -z "$pdf" ]; then
  echo "FAIL: cups-pdf wrote no PDF into ${outputs[*]} within 60 s"
  lpstat -h "$server" -W all -o || true
  [ -n "$own_server" ] && tail -n 20 "$own_server/log/error_log" || true
  exit 1
fi
for _ in $(seq 60); do              # until cups-pdf has finished the file
  [ -z "$(lpstat -h "$server" -o 2>/dev/null)" ] && break
  sleep 0.5
done
sleep 0.5
text=$(pdftotext "$pdf" -)
pdftoppm -r 40 -png -singlefile "$pdf" "$shots/e2e_print_cups_page"
rm -f "$pdf"
grep -q "MOTS CACHES" <<<"$text" || { echo "FAIL: the title is not in the printed page"; echo "$text"; exit 1; }
words=$(grep -cE '^[A-Z]{2,}$' <<<"$text" || true)
[ "$words" -ge 20 ] || { echo "FAIL: only $words words on the printed page"; echo "$text"; exit 1; }
echo "PASS: printed through $printer of $server: the title and $words words in $(basename "$pdf")"
