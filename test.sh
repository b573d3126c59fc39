#!/usr/bin/env bash
# Builds the program and runs every test suite: the Linux build, the same
# build under AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows
# build under Wine on a virtual display; then makes the releases and checks
# them. Installs what is missing first (Debian 12). Exits non-zero on any
# failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
source scripts/virtual-display.sh
ensure_packages "${LINUX_BUILD_PACKAGES[@]}" "${WINDOWS_BUILD_PACKAGES[@]}" \
                "${PACKAGING_PACKAGES[@]}"

jobs=$(nproc)
for preset in default sanitizer; do
    echo "=== ${preset} build ==="
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done

echo "=== windows build, tests under Wine ==="
cmake --preset windows
cmake --build --preset windows -j "$jobs"
start_virtual_display
# Wine makes its prefix on first start, before any test is timed.
tests/win32/run-under-wine.sh cmd /c exit
# One at a time: the window tests share the display's keyboard focus.
ctest --preset windows -j 1

echo "=== releases, made and checked ==="
./package.sh
tests/packaging/check-deb.sh dist/veltara_*_amd64.deb
tests/packaging/check-windows-zip.sh dist/veltara-*-windows-x64.zip
(cd dist && sha256sum --strict -c SHA256SUMS)
