#!/bin/sh
# Walks a published site in headless Chromium (see browser_walk.js). Skips, with the reason, only when
# Chromium or Node cannot be had; playwright-core comes from npm into the build folder on first use.
# Usage: browser_test.sh <published folder> <build folder for screenshots and node modules>
site=$1
out=$2
chromium=$(command -v chromium || true)
[ -n "$chromium" ] || { echo "SKIPPED: Debian's chromium is not installed (scripts/install-deps.sh test)"; exit 77; }
command -v node >/dev/null || { echo "SKIPPED: node is not installed (scripts/install-deps.sh test)"; exit 77; }
modules="$out/browser/node_modules/playwright-core"
if [ ! -d "$modules" ]; then
  command -v npm >/dev/null || { echo "SKIPPED: npm is not installed (scripts/install-deps.sh test)"; exit 77; }
  mkdir -p "$out/browser"
  npm install --prefix "$out/browser" --no-audit --no-fund playwright-core >"$out/browser/npm.log" 2>&1 ||
    { echo "SKIPPED: playwright-core could not be installed from npm (see $out/browser/npm.log)"; exit 77; }
fi
exec node "$(dirname "$0")/browser_walk.js" "$site" "$out" "$chromium" "$modules"
