#!/usr/bin/env bash
# Renders the README's pictures of the window into docs/: the Linux build
# through its own grab tool on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target veltara-grab
QT_QPA_PLATFORM=offscreen ./build/default/window/qt/veltara-grab docs/window-linux.png
echo "docs/window-linux.png"
