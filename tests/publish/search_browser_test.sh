#!/bin/sh
# Publishes the search sites (the SearchBrowserSite tests of the publish test program) and searches them in
# headless Chromium (see search_walk.js). Skips, with the reason, only when Chromium or Node cannot be had.
# Usage: search_browser_test.sh <publish test program> <build folder>
tests=$1
out=$2
mkdir -p "$out" && out=$(cd "$out" && pwd) || exit 1
. "$(dirname "$0")/browser_env.sh"
sites="$out/search_sites"
rm -rf "$sites" && mkdir -p "$sites" || exit 1
FOLIVEX_SEARCH_SITES="$sites" "$tests" --gtest_filter='SearchBrowserSite.*' >"$out/search_sites.log" 2>&1 ||
  { cat "$out/search_sites.log"; exit 1; }
exec node "$(dirname "$0")/search_walk.js" "$sites" "$out" "$chromium" "$modules"
