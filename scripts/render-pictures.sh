#!/usr/bin/env bash
# Renders the pictures of the window into docs/: the Linux build
# through its own grab tool on Qt's offscreen platform, and the Windows build
# as it shows under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
source scripts/virtual-display.sh
ensure_packages "${LINUX_BUILD_PACKAGES[@]}" "${WINDOWS_BUILD_PACKAGES[@]}" imagemagick xdotool

cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target veltara-grab
QT_QPA_PLATFORM=offscreen ./build/default/window/qt/veltara-grab docs/window-linux.png
echo "docs/window-linux.png"
# The software centre's screenshot: the same picture, unscaled, on a 16:9
# canvas wide enough for it (the AppStream metadata names its address).
convert docs/window-linux.png -background '#505050' -gravity center -extent 656x369 -strip \
        docs/screenshot.png
echo "docs/screenshot.png"

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target veltara
start_virtual_display
tests/win32/run-under-wine.sh build/windows/window/win32/veltara.exe &
program=$!
window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --name 'Велтара' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { echo "the Windows build showed no window" >&2; exit 1; }
sleep 1
import -window "$window" docs/window-windows.png
# run-under-wine.sh becomes Wine, whose process is the program's: ending
# the process started here ends the program, and only that one.
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
echo "docs/window-windows.png"

# High contrast, black, as the window's tests see it: Wine always says high
# contrast is off, so the picture comes from the test that answers "on", in
# a prefix without Wine's visual style.
cmake --build --preset windows -j "$(nproc)" --target win32_window_tests
pictures=$(mktemp -d)
VELTARA_WINE_THEME=classic VELTARA_PICTURES="$pictures" tests/win32/run-under-wine.sh \
    build/windows/tests/win32/win32_window_tests.exe \
    --gtest_filter='ContrastColours/*.EveryTextReadsAndEveryCategoryShows/BlackHighContrastOn' >/dev/null
convert "$pictures/BlackHighContrastOn.ppm" -strip docs/window-windows-high-contrast.png
rm -rf "$pictures"
echo "docs/window-windows-high-contrast.png"
