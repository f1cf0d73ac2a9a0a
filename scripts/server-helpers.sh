# Helpers of the scripts that start and stop the test servers (sourced, not run).

# True when nothing listens on the port of 127.0.0.1.
port_free() {
  ! (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

# Prints a free port between 20000 and 59999.
random_port() {
  local p
  for _ in $(seq 1 50); do
    p=$((20000 + RANDOM % 40000))
    if port_free "$p"; then echo "$p"; return 0; fi
  done
  return 1
}

# Stops the servers whose pid files match the pattern and removes the files. With "group" the whole
# process group of each server goes (a server that leads its group takes its session processes along).
stop_pidfiles() {
  local pattern=$1 how=${2:-} pidfile pid
  for pidfile in $pattern; do
    [ -f "$pidfile" ] || continue
    pid=$(cat "$pidfile" 2>/dev/null)
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
      if [ "$how" = group ]; then kill -- -"$pid" 2>/dev/null || kill "$pid" 2>/dev/null; else kill "$pid" 2>/dev/null; fi
      for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
      if [ "$how" = group ]; then kill -9 -- -"$pid" 2>/dev/null || true; else kill -9 "$pid" 2>/dev/null || true; fi
    fi
    rm -f "$pidfile"
  done
}
