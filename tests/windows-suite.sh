#!/usr/bin/env bash
# Runs the Windows build's tests (build/windows, cross-built beforehand)
# under the Wine installed here, on a virtual display of their own: test.sh's
# Windows suite, on this machine and in the Debian 13 system alike.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/virtual-display.sh
start_virtual_display
# Wine makes its prefix on first start, before any test is timed.
echo "=== Windows tests under $(tests/win32/run-under-wine.sh --version) ==="
# One at a time: the window tests share the display's keyboard focus.
ctest --preset windows -j 1
