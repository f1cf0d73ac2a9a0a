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
(cd "$build" && ctest --output-on-failure -j "$jobs" --timeout 300)

# The readers of outside files are fuzzed for a short while on every run (set FOLIVEX_FUZZ_SECONDS to
# fuzz longer by hand).
seconds=${FOLIVEX_FUZZ_SECONDS:-20}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFOLIVEX_WITH_QT=OFF \
  -DFOLIVEX_TESTS=OFF -DFOLIVEX_BENCH=OFF -DFOLIVEX_FUZZ=ON -DFOLIVEX_SANITIZE=ON >/dev/null
cmake --build build-fuzz -j "$jobs" --target database_text_fuzz configuration_fuzz ftp_reply_fuzz chart_file_fuzz axis_mapping_fuzz bmp_file_fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in database_text_fuzz configuration_fuzz ftp_reply_fuzz chart_file_fuzz axis_mapping_fuzz bmp_file_fuzz; do
  echo "Fuzzing $target for $seconds s"
  # Seeds, where a target has some, start it from good files instead of from nothing.
  corpus="$work/corpus-$target"
  mkdir -p "$corpus"
  if [ -d "tests/fixtures/fuzz/$target" ]; then cp "tests/fixtures/fuzz/$target"/* "$corpus"/; fi
  (cd "$work" && "$OLDPWD/build-fuzz/fuzz/$target" "$corpus" -max_total_time="$seconds" -rss_limit_mb=2048 \
     -print_final_stats=0 >"$work/$target.log" 2>&1) || { tail -40 "$work/$target.log"; exit 1; }
  grep -E "^Done [0-9]+ runs" "$work/$target.log" || true
done
