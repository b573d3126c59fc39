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
# Wine's services start once, for the whole suite: a command prompt waiting
# for input keeps them up, and is ended by its process id when the suite is
# over. Else every test would start them again, which takes longer than
# most tests, and they would hold the test's output open until they end.
fifo=$(mktemp -d)
mkfifo "$fifo/input"
exec {input}<>"$fifo/input"
rm -r "$fifo"
tests/win32/run-under-wine.sh 'C:\windows\system32\cmd.exe' <&"$input" >/dev/null 2>&1 &
prompt=$!
trap 'kill "$prompt" "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true' EXIT
# The tests begin once they are up.
tests/win32/run-under-wine.sh 'C:\windows\system32\cmd.exe' /c exit </dev/null >/dev/null 2>&1
# One at a time: the window tests share the display's keyboard focus.
ctest --preset windows -j 1 {input}>&-
