#!/usr/bin/env bash
# Runs the web page's tests (tests/web) in each browser named, from the
# Linux build in BUILD_DIR (build/default unless given), built beforehand
# together with the page (the web preset): test.sh's web suite, on this
# machine and in the Debian 13 system alike. WebKitGTK's browser shows on a
# virtual display of the suite's own.
# usage: tests/web-suite.sh chromium|firefox|webkit...
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -eq 0 ]; then
    echo "usage: tests/web-suite.sh chromium|firefox|webkit..." >&2
    exit 2
fi
source scripts/virtual-display.sh
start_virtual_display
tests=()
for engine in "$@"; do
    tests+=("web_${engine}")
done
# One at a time: each browser takes both processors while it starts.
ctest --test-dir "${BUILD_DIR:-build/default}" --output-on-failure -j 1 \
    -R "^($(IFS='|'; echo "${tests[*]}"))\$"
