#!/usr/bin/env bash
# A private CUPS print server whose default printer is a cups-pdf printer,
# for trying and testing printing without touching the machine's own print
# setup. It listens only on a socket inside its folder.
#
#   scripts/print_server.sh start DIR   starts it in DIR (created), prints the
#                                       socket path; programs reach it with
#                                       CUPS_SERVER=<socket>
#   scripts/print_server.sh stop DIR    stops it and removes DIR
#
# cupsd and the cups-pdf backend must run as root: as another user the script
# goes through `sudo -n`. When the server cannot start, the reason goes to
# standard error and the exit code is 1.
set -euo pipefail

action=${1:-}
dir=${2:-}
[ -n "$action" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }

SUDO=()
if [ "$(id -u)" -ne 0 ]; then SUDO=(sudo -n); fi
printer=GlossamoPDF

stop_server() {
  if [ -f "$dir/cupsd.pid" ]; then
    "${SUDO[@]}" kill "$(cat "$dir/cupsd.pid")" 2>/dev/null || true
    for _ in $(seq 50); do
      "${SUDO[@]}" kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null || break
      sleep 0.1
    done
  fi
  "${SUDO[@]}" rm -rf "$dir"
}

fail() {
  echo "$1" >&2
  [ -f "$dir/log/error_log" ] && tail -n 5 "$dir/log/error_log" >&2
  stop_server
  exit 1
}

if [ "$action" = stop ]; then
  stop_server
  exit 0
fi
[ "$action" = start ] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }

command -v cupsd >/dev/null || { echo "cupsd is not installed (package cups)" >&2; exit 1; }
command -v lpadmin >/dev/null || { echo "lpadmin is not installed (package cups-client)" >&2; exit 1; }
[ -x /usr/lib/cups/backend/cups-pdf ] || [ -f /usr/lib/cups/backend/cups-pdf ] ||
  { echo "the cups-pdf backend is not installed (package printer-driver-cups-pdf)" >&2; exit 1; }
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || { echo "$ppd is missing (package printer-driver-cups-pdf)" >&2; exit 1; }
if [ ${#SUDO[@]} -gt 0 ] && ! sudo -n true 2>/dev/null; then
  echo "cupsd must run as root and sudo asks for a password" >&2
  exit 1
fi

mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
# The filters run as the user lp: every folder on the way must let it pass.
chmod 755 "$dir"
parent=$(dirname "$dir")
while [ "$parent" != / ]; do
  [ "$(( 0$(stat -c %a "$parent") & 1 ))" -eq 1 ] ||
    fail "the print filters cannot reach $dir: $parent is closed to other users"
  parent=$(dirname "$parent")
done
mkdir -p "$dir/conf/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log"
socket=$dir/cups.sock

cat >"$dir/conf/cupsd.conf" <<CONF
LogLevel warn
Listen $socket
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

cat >"$dir/conf/cups-files.conf" <<CONF
ServerRoot $dir/conf
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
SystemGroup root lpadmin
FileDevice No
Sandboxing Relaxed
CONF

"${SUDO[@]}" cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" </dev/null >"$dir/log/start.txt" 2>&1 &
echo $! >"$dir/cupsd.pid"
for _ in $(seq 100); do
  kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null || fail "cupsd did not start: $(cat "$dir/log/start.txt")"
  [ -S "$socket" ] && lpstat -h "$socket" -r 2>/dev/null | grep -q "is running" && break
  sleep 0.1
done
lpstat -h "$socket" -r 2>/dev/null | grep -q "is running" || fail "cupsd started but does not answer on $socket"

# The page reaches cups-pdf as PostScript made by poppler's cairo renderer,
# which keeps the text of the page readable in the PDF it writes.
lpadmin -h "$socket" -p "$printer" -E -v cups-pdf:/ -P "$ppd" -o pdftops-renderer-default=pdftocairo \
  2>"$dir/log/lpadmin.txt" ||
  fail "the cups-pdf printer could not be added: $(cat "$dir/log/lpadmin.txt")"
lpadmin -h "$socket" -d "$printer" 2>>"$dir/log/lpadmin.txt" ||
  fail "the cups-pdf printer could not be made the default: $(cat "$dir/log/lpadmin.txt")"
echo "$socket"
