#!/usr/bin/env bash
# Builds the exercise for Linux and starts it. Installs what is missing first
# (Debian 12).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
ensure_packages "${LINUX_BUILD_PACKAGES[@]}"
cmake --preset default
cmake --build --preset default -j "$(nproc)" --target veltara
exec ./build/default/window/qt/veltara
