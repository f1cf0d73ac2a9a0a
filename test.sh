#!/usr/bin/env bash
# Installs what is missing, builds Folivex and runs every test. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh test

build=${FOLIVEX_BUILD_DIR:-build}
jobs=$(nproc)
export CCACHE_DIR=${CCACHE_DIR:-$PWD/.cache/ccache}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$jobs"

# Windows are drawn off screen: no display is needed.
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j "$jobs" --timeout 300
