#!/usr/bin/env bash
# Starts or stops the vsftpd servers that the FTP client tests and the FTP benchmark talk to, on
# 127.0.0.1 only, without root: the servers run as the user who starts them.
#
#   scripts/start-ftp-server.sh start STATE_DIR   three servers over one site folder: one at full speed,
#                                                 one that sends and takes data slowly, and one that
#                                                 refuses every write
#   scripts/start-ftp-server.sh stop STATE_DIR    stops them again
#
# "start" writes STATE_DIR/ftp.env with the variables the tests read:
#   FOLIVEX_FTP_PORT       control port of the full-speed server
#   FOLIVEX_FTP_SLOW_PORT  control port of the slow server (FOLIVEX_FTP_SLOW_RATE bytes a second)
#   FOLIVEX_FTP_READONLY_PORT  control port of the server without write permission
#   FOLIVEX_FTP_USER, FOLIVEX_FTP_PASSWORD  the login (anonymous: USER is answered with 331, then PASS)
#   FOLIVEX_FTP_ROOT       the site folder on disk, the login's start directory (writable: upload, make
#                          and remove directories, delete, rename)
#   FOLIVEX_FTP_PASV_MIN, FOLIVEX_FTP_PASV_MAX  the ports the servers offer for passive data connections
# Use `set -a; . STATE_DIR/ftp.env; set +a` to run a test binary by hand.
# Without vsftpd the file says so and the tests skip.
set -uo pipefail

action=${1:-}
state=${2:-}
if [ -z "$action" ] || [ -z "$state" ]; then
  echo "usage: $0 start|stop STATE_DIR" >&2
  exit 2
fi
slow_rate=262144

here=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=server-helpers.sh
. "$here/scripts/server-helpers.sh"

stop() {
  stop_pidfiles "$state/vsftpd-*.pid" group
}

# Writes the configuration of one server; $5 is its rate limit in bytes a second (0 = none), $7 YES or NO
# for whether it takes writes.
write_conf() {
  local conf=$1 port=$2 pasv_min=$3 pasv_max=$4 rate=$5 name=$6 write=${7:-YES}
  cat > "$conf" <<EOF
listen=YES
listen_ipv6=NO
listen_address=127.0.0.1
listen_port=$port
background=NO
run_as_launching_user=YES
seccomp_sandbox=NO
anonymous_enable=YES
no_anon_password=NO
anon_root=$state/site
local_enable=NO
write_enable=$write
anon_upload_enable=YES
anon_mkdir_write_enable=$write
anon_other_write_enable=$write
anon_world_readable_only=NO
anon_umask=022
anon_max_rate=$rate
allow_writeable_chroot=YES
secure_chroot_dir=$state/empty
pasv_enable=YES
pasv_min_port=$pasv_min
pasv_max_port=$pasv_max
port_enable=YES
connect_from_port_20=NO
max_clients=0
max_per_ip=0
idle_session_timeout=600
data_connection_timeout=300
ftpd_banner=Folivex test server ($name)
xferlog_enable=YES
vsftpd_log_file=$state/vsftpd-$name.log
EOF
}

# Starts one server; prints its control port.
start_one() {
  local name=$1 rate=$2 write=${3:-YES} port conf pid
  for _ in $(seq 1 10); do
    port=$(random_port) || return 1
    conf=$state/vsftpd-$name.conf
    write_conf "$conf" "$port" "$pasv_min" "$pasv_max" "$rate" "$name" "$write"
    setsid vsftpd "$conf" </dev/null >>"$state/vsftpd-$name.out" 2>&1 &
    pid=$!
    echo "$pid" > "$state/vsftpd-$name.pid"
    for _ in $(seq 1 50); do
      if ! port_free "$port"; then echo "$port"; return 0; fi
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    stop_pidfiles "$state/vsftpd-$name.pid" group
  done
  return 1
}

case "$action" in
  stop)
    stop
    exit 0
    ;;
  start)
    mkdir -p "$state"
    stop
    env=$state/ftp.env
    if ! command -v vsftpd >/dev/null 2>&1 && [ -x /usr/sbin/vsftpd ]; then PATH=$PATH:/usr/sbin; fi
    if ! command -v vsftpd >/dev/null 2>&1; then
      echo "# vsftpd is not installed (Debian package vsftpd)" > "$env"
      echo "vsftpd not found: the FTP server tests will be skipped" >&2
      exit 0
    fi
    rm -rf "$state/site"
    mkdir -p "$state/site" "$state/empty"
    chmod 777 "$state/site"
    # A passive range of its own per start, so that servers of several runs on one machine seldom meet.
    pasv_min=$((20000 + RANDOM % 40000))
    pasv_max=$((pasv_min + 199))
    fast=$(start_one fast 0) || { echo "vsftpd (full speed) did not start" >&2; cat "$state"/vsftpd-fast.* >&2; exit 1; }
    slow=$(start_one slow "$slow_rate") || { echo "vsftpd (slow) did not start" >&2; cat "$state"/vsftpd-slow.* >&2; stop; exit 1; }
    readonly_port=$(start_one readonly 0 NO) || { echo "vsftpd (read-only) did not start" >&2; cat "$state"/vsftpd-readonly.* >&2; stop; exit 1; }
    {
      echo "FOLIVEX_FTP_PORT=$fast"
      echo "FOLIVEX_FTP_SLOW_PORT=$slow"
      echo "FOLIVEX_FTP_SLOW_RATE=$slow_rate"
      echo "FOLIVEX_FTP_READONLY_PORT=$readonly_port"
      echo "FOLIVEX_FTP_USER=anonymous"
      echo "FOLIVEX_FTP_PASSWORD=folivex@example.com"
      echo "FOLIVEX_FTP_ROOT=$state/site"
      echo "FOLIVEX_FTP_PASV_MIN=$pasv_min"
      echo "FOLIVEX_FTP_PASV_MAX=$pasv_max"
    } > "$env"
    cat "$env"
    exit 0
    ;;
  *)
    echo "usage: $0 start|stop STATE_DIR" >&2
    exit 2
    ;;
esac
