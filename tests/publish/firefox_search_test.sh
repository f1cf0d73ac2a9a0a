#!/bin/sh
# Publishes the search sites of the searches in search_plan.js (SearchBrowserSite.QueriesSite, IntranetSite) and searches
# it in headless Firefox, from disk and over HTTP (see firefox_walk.js). Skips, with the reason, only when
# Debian's firefox-esr or Node cannot be had.
# Usage: firefox_search_test.sh <publish test program> <build folder>
tests=$1
out=$2
mkdir -p "$out" && out=$(cd "$out" && pwd) || exit 1
firefox=$(command -v firefox-esr || command -v firefox || true)
[ -n "$firefox" ] || { echo "SKIPPED: Debian's firefox-esr is not installed (scripts/install-deps.sh test)"; exit 77; }
command -v node >/dev/null || { echo "SKIPPED: node is not installed (scripts/install-deps.sh test)"; exit 77; }
sites="$out/firefox_sites"
rm -rf "$sites" && mkdir -p "$sites" || exit 1
FOLIVEX_SEARCH_SITES="$sites" "$tests" --gtest_filter='SearchBrowserSite.QueriesSite:SearchBrowserSite.IntranetSite' >"$out/firefox_sites.log" 2>&1 ||
  { cat "$out/firefox_sites.log"; exit 1; }
exec node "$(dirname "$0")/firefox_walk.js" "$sites" "$out" "$firefox"
