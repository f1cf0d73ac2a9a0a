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

# The readers of outside files are fuzzed for a short while on every run, two targets at a time (set
# FOLIVEX_FUZZ_SECONDS to fuzz each one longer by hand). All of our code in this build carries the
# fuzzer's coverage, so a target sees the libraries it exercises; each run ends with its coverage and speed.
seconds=${FOLIVEX_FUZZ_SECONDS:-20}
targets=(chart_file_fuzz database_text_fuzz delimited_import_fuzz last_use_fuzz republish_flags_fuzz
         configuration_fuzz ftp_reply_fuzz site_listing_fuzz axis_mapping_fuzz bmp_file_fuzz)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFOLIVEX_WITH_QT=OFF \
  -DFOLIVEX_TESTS=OFF -DFOLIVEX_BENCH=OFF -DFOLIVEX_FUZZ=ON -DFOLIVEX_SANITIZE=ON >/dev/null
cmake --build build-fuzz -j "$jobs" --target "${targets[@]}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One target from its seeds (tests/fixtures/fuzz/<target>) with its dictionary (fuzz/<target>.dict), where
# it has them; a finding prints the end of its log and fails the run.
fuzz_target() {
  local target=$1 corpus="$work/corpus-$1" log="$work/$1.log" dict=()
  mkdir -p "$corpus"
  if [ -d "tests/fixtures/fuzz/$target" ]; then cp "tests/fixtures/fuzz/$target"/* "$corpus"/; fi
  if [ -f "fuzz/$target.dict" ]; then dict=(-dict="$PWD/fuzz/$target.dict"); fi
  if ! "build-fuzz/fuzz/$target" "$corpus" "${dict[@]}" -max_total_time="$seconds" -rss_limit_mb=2048 \
       -artifact_prefix="$work/$target-" >"$log" 2>&1; then
    echo "$target found a fault:"; tail -40 "$log"; return 1
  fi
  echo "$target: $(grep -oE 'cov: [0-9]+' "$log" | tail -1) edges, $(grep -oE 'exec/s: [0-9]+' "$log" | tail -1)"
}
echo "Fuzzing ${#targets[@]} targets for $seconds s each, two at a time"
lane() { local status=0 t; for t in "$@"; do fuzz_target "$t" || status=1; done; return $status; }
lane "${targets[@]:0:5}" & first=$!
lane "${targets[@]:5}" & second=$!
status=0
wait "$first" || status=1
wait "$second" || status=1
exit $status
