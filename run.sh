#!/usr/bin/env bash
# Installs what is missing, builds Folivex and starts it.
# The program keeps its last-use file in the directory it starts in: $FOLIVEX_HOME, by default ~/folivex.
set -euo pipefail
cd "$(dirname "$0")"
src=$PWD

scripts/install-deps.sh run

export CCACHE_DIR=${CCACHE_DIR:-$PWD/.cache/ccache}
# The same build folder and settings as test.sh, so that neither rebuilds what the other built.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target folivex

home=${FOLIVEX_HOME:-$HOME/folivex}
mkdir -p "$home"
cd "$home"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Folivex under xvfb-run (an invisible X server)."
  exec xvfb-run -a "$src/build/src/view/folivex" "$@"
fi
exec "$src/build/src/view/folivex" "$@"
