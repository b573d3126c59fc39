#!/usr/bin/env bash
# Builds the program and runs every test suite: the Linux build, the same
# build under AddressSanitizer and UndefinedBehaviorSanitizer. Installs what
# is missing first (Debian 12). Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
ensure_packages "${LINUX_BUILD_PACKAGES[@]}"

jobs=$(nproc)
for preset in default sanitizer; do
    echo "=== ${preset} build ==="
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
