#!/usr/bin/env bash
# Starts or stops a private CUPS scheduler for the printing tests: it listens only on a socket in STATE_DIR
# and offers two printers that write what they are sent to files (no paper, no network).
#
#   scripts/start-cups-server.sh start STATE_DIR   starts it and adds the printers
#   scripts/start-cups-server.sh stop STATE_DIR    stops it
#
# "start" writes STATE_DIR/cups.env:
#   CUPS_SERVER            the scheduler's socket (the tests' programs find their printers through it)
#   FOLIVEX_CUPS_PRINTER   a printer whose jobs land whole in FOLIVEX_CUPS_OUTPUT (the PDF Qt sends)
#   FOLIVEX_CUPS_OTHER     a second printer, whose jobs are thrown away
#   FOLIVEX_CUPS_SKIP      set instead when no scheduler could be started, with the reason
set -uo pipefail

action=${1:-}
state=${2:-}
if [ -z "$action" ] || [ -z "$state" ]; then
  echo "usage: $0 start|stop STATE_DIR" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=server-helpers.sh
. "$here/scripts/server-helpers.sh"

stop() { stop_pidfiles "$state/cupsd.pid"; }

skip() {
  echo "FOLIVEX_CUPS_SKIP='$1'" >"$state/cups.env"
  echo "$1" >&2
  exit 0
}

case "$action" in
stop)
  stop
  exit 0
  ;;
start) ;;
*) echo "unknown action $action" >&2; exit 2 ;;
esac

stop
rm -rf "$state"
mkdir -p "$state"/{root,spool,cache,state,tmp,log}
state=$(cd "$state" && pwd)
cupsd=/usr/sbin/cupsd
command -v lpadmin >/dev/null && [ -x "$cupsd" ] || skip "no CUPS scheduler here (packages cups-daemon and cups-client)"

cat >"$state/root/cupsd.conf" <<CONF
Listen $state/cups.sock
LogLevel warn
WebInterface No
Browsing Off
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
{
  echo "ServerRoot $state/root"
  echo "RequestRoot $state/spool"
  echo "CacheDir $state/cache"
  echo "StateDir $state/state"
  echo "TempDir $state/tmp"
  echo "AccessLog $state/log/access_log"
  echo "ErrorLog $state/log/error_log"
  echo "PageLog $state/log/page_log"
  echo "ServerBin $state/bin"
} >"$state/root/cups-files.conf"
# The scheduler's programs are the system's, but for one back end of our own that writes each job's bytes
# to the file its device names.
mkdir -p "$state/bin/backend"
for d in /usr/lib/cups/*; do [ "$(basename "$d")" = backend ] || ln -s "$d" "$state/bin/"; done
cat >"$state/bin/backend/tofile" <<'BACKEND'
#!/bin/sh
if [ $# -eq 0 ]; then echo 'direct tofile "Unknown" "File"'; exit 0; fi
out=${DEVICE_URI#tofile:}
if [ -n "${6:-}" ]; then cat "$6" >"$out.part"; else cat >"$out.part"; fi && mv "$out.part" "$out"
BACKEND
chmod 755 "$state/bin" "$state/bin/backend" "$state/bin/backend/tofile"
# As root the scheduler runs its filters and back ends as an unprivileged user, which must reach the
# folders; otherwise as the user who starts it.
if [ "$(id -u)" = 0 ]; then
  user=lp
  id "$user" >/dev/null 2>&1 || user=nobody
  group=$(id -gn "$user")
  printf 'User %s\nGroup %s\n' "$user" "$group" >>"$state/root/cups-files.conf"
  chmod 755 "$state"
  # That user must also pass through the folders above (a private temporary folder, say): passing
  # through is all it is given, not the right to list them.
  up=$(dirname "$state")
  while [ "$up" != / ]; do
    [ -n "$(find "$up" -maxdepth 0 -perm -o=x)" ] || chmod o+x "$up"
    up=$(dirname "$up")
  done
  chown -R "$user" "$state/spool" "$state/tmp" "$state/cache"
  chmod 777 "$state/tmp"
  mkdir -p "$state/jobs" && chown "$user" "$state/jobs"
fi

"$cupsd" -c "$state/root/cupsd.conf" -s "$state/root/cups-files.conf" -f >"$state/log/cupsd.out" 2>&1 &
echo $! >"$state/cupsd.pid"
for _ in $(seq 1 50); do [ -S "$state/cups.sock" ] && break; sleep 0.1; done
[ -S "$state/cups.sock" ] || skip "the CUPS scheduler did not start: $(tail -3 "$state/log/error_log" "$state/log/cupsd.out" 2>/dev/null | tr '\n' ' ')"
export CUPS_SERVER=$state/cups.sock
mkdir -p "$state/jobs"
lpadmin -p FolivexFile -E -v "tofile:$state/jobs/out.pdf" -m raw >/dev/null 2>&1 || skip "lpadmin could not add a printer"
lpadmin -p FolivexOther -E -v file:///dev/null -m raw >/dev/null 2>&1 || skip "lpadmin could not add a second printer"
cat >"$state/cups.env" <<ENV
CUPS_SERVER=$state/cups.sock
FOLIVEX_CUPS_PRINTER=FolivexFile
FOLIVEX_CUPS_OTHER=FolivexOther
FOLIVEX_CUPS_OUTPUT=$state/jobs/out.pdf
ENV
