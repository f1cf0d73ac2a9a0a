#!/usr/bin/env bash
# Starts or stops the Dante SOCKS proxies that the socket tests talk to, on 127.0.0.1 only.
#
#   scripts/start-socks-server.sh start STATE_DIR   two proxies: one with username/password, one without
#   scripts/start-socks-server.sh stop STATE_DIR    stops them again
#
# "start" writes STATE_DIR/socks.env with the variables the tests read:
#   FOLIVEX_SOCKS5_AUTH_PORT  proxy that asks for user and password (SOCKS 5 only)
#   FOLIVEX_SOCKS_NOAUTH_PORT proxy without authentication (SOCKS 4, 4A and 5)
#   FOLIVEX_SOCKS_USER, FOLIVEX_SOCKS_PASSWORD  a local account made for the tests (root only)
#   FOLIVEX_SOCKS_BLOCKED_PORT a destination port on 127.0.0.1 that the proxies' rules refuse
# Use `set -a; . STATE_DIR/socks.env; set +a` to run the test binary by hand.
# Without danted (or without root for the account) the file says so and the tests skip.
set -uo pipefail

action=${1:-}
state=${2:-}
if [ -z "$action" ] || [ -z "$state" ]; then
  echo "usage: $0 start|stop STATE_DIR" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")/.." && pwd)
template=$here/tests/net/danted.conf.in
user=folivextest
password='Folivex-Test-2.4'

# shellcheck source=server-helpers.sh
. "$here/scripts/server-helpers.sh"

stop() {
  stop_pidfiles "$state/danted-*.pid"
}

# Starts one proxy; prints its port.
start_one() {
  local name=$1 method=$2 blocked=$3 port conf
  for _ in $(seq 1 10); do
    port=$(random_port) || return 1
    conf=$state/danted-$name.conf
    sed -e "s|@LOG@|$state/danted-$name.log|" -e "s|@PORT@|$port|" -e "s|@METHOD@|$method|" \
        -e "s|@BLOCKED_PORT@|$blocked|" "$template" > "$conf"
    danted -D -f "$conf" -p "$state/danted-$name.pid" >>"$state/danted-$name.out" 2>&1
    for _ in $(seq 1 50); do
      if ! port_free "$port"; then echo "$port"; return 0; fi
      sleep 0.1
    done
    stop_pidfiles "$state/danted-$name.pid"
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
    env=$state/socks.env
    if ! command -v danted >/dev/null 2>&1; then
      echo "# danted is not installed (Debian package dante-server)" > "$env"
      echo "danted not found: the SOCKS tests will be skipped" >&2
      exit 0
    fi
    blocked=$(random_port) || { echo "no free port" >&2; exit 1; }
    {
      echo "FOLIVEX_SOCKS_BLOCKED_PORT=$blocked"
    } > "$env"
    noauth=$(start_one noauth none "$blocked") || { echo "danted (no authentication) did not start" >&2; cat "$state"/danted-noauth.* >&2; exit 1; }
    echo "FOLIVEX_SOCKS_NOAUTH_PORT=$noauth" >> "$env"
    if [ "$(id -u)" -eq 0 ]; then
      # Dante checks user and password against the system's accounts: a local one without a shell.
      if ! id "$user" >/dev/null 2>&1; then
        useradd --no-create-home --shell /usr/sbin/nologin "$user" || exit 1
      fi
      echo "$user:$password" | chpasswd || exit 1
      auth=$(start_one auth username "$blocked") || { echo "danted (username) did not start" >&2; cat "$state"/danted-auth.* >&2; exit 1; }
      {
        echo "FOLIVEX_SOCKS5_AUTH_PORT=$auth"
        echo "FOLIVEX_SOCKS_USER=$user"
        echo "FOLIVEX_SOCKS_PASSWORD=$password"
      } >> "$env"
    else
      echo "# not root: no test account, so no proxy with username authentication" >> "$env"
    fi
    cat "$env"
    exit 0
    ;;
  *)
    echo "usage: $0 start|stop STATE_DIR" >&2
    exit 2
    ;;
esac
