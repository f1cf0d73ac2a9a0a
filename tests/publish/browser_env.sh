# Sourced by the browser tests: finds Chromium and Node and installs playwright-core from npm into the
# build folder on first use, leaving $chromium and $modules set; exits with 77 (skipped), with the reason,
# only when one of them cannot be had.
# Usage: out=<build folder>; . browser_env.sh
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
