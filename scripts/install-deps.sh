#!/usr/bin/env bash
# Installs the Debian packages Folivex needs to build, run and test, when any is missing.
# Usage: scripts/install-deps.sh [run|test]
set -euo pipefail

want=(cmake ninja-build g++ ccache pkg-config qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation2 libcanberra-dev
  sound-theme-freedesktop)
case "${1:-test}" in
  run)  want+=(xvfb xauth unixodbc-dev) ;;
  test) want+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth dante-server vsftpd lftp clang libclang-rt-14-dev
          unixodbc-dev libsqliteodbc sqlite3 chromium firefox-esr nodejs npm hugo python3 gnuplot-nox poppler-utils
          cups-daemon cups-client) ;;
esac

# Node and npm may come from elsewhere than Debian (the machine's own Node ships its npm, which Debian's
# npm package would conflict with): a command that is already there counts as installed.
command_of() {
  case "$1" in
    nodejs) echo node ;;
    npm) echo npm ;;
    python3) echo python3 ;;
    *) echo "" ;;
  esac
}

missing=()
for p in "${want[@]}"; do
  cmd=$(command_of "$p")
  if [ -n "$cmd" ] && command -v "$cmd" >/dev/null 2>&1; then continue; fi
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); elif command -v sudo >/dev/null; then sudo=(sudo); else
  echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
