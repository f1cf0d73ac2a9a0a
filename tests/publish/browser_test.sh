#!/bin/sh
# Walks a published site in headless Chromium (see browser_walk.js). Skips, with the reason, only when
# Chromium or Node cannot be had.
# Usage: browser_test.sh <published folder> <build folder for screenshots and node modules>
site=$1
out=$2
. "$(dirname "$0")/browser_env.sh"
exec node "$(dirname "$0")/browser_walk.js" "$site" "$out" "$chromium" "$modules"
