#!/usr/bin/env bash
# Builds the program and runs every test suite in two environments, then
# makes the releases and checks them. Exits non-zero on any failure.
#   This machine (on Debian 12: Qt 6.4, GCC 12, Wine 8): the Linux build, the
#   same build under AddressSanitizer and UndefinedBehaviorSanitizer, and the
#   Windows build, cross-built with mingw-w64, under Wine on a virtual display.
#   A Debian 13 system that it makes with debootstrap and keeps for the next
#   run (Qt 6.8, GCC 14, Wine 10; scripts/debian13.sh): both Linux builds
#   again, the Windows build's sources compiled by its mingw-w64, the .exe
#   built here under Wine 10, and the Debian package built here installed on
#   a clean Debian 13.
# Installs what is missing first, here and in the Debian 13 system; needs
# root for the latter.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
source scripts/debian13.sh
ensure_packages "${LINUX_BUILD_PACKAGES[@]}" "${WINDOWS_BUILD_PACKAGES[@]}" \
                "${PACKAGING_PACKAGES[@]}"

echo "=== this machine: $(. /etc/os-release && echo "$PRETTY_NAME") ==="
tests/linux-suites.sh default sanitizer
echo "=== windows build ==="
cmake --preset windows
cmake --build --preset windows -j "$(nproc)"
tests/windows-suite.sh

echo "=== releases, made and checked ==="
./package.sh
tests/packaging/check-deb.sh dist/veltara_*_amd64.deb
tests/packaging/check-windows-zip.sh dist/veltara-*-windows-x64.zip
tests/packaging/check-windows-msi.sh dist/veltara-*-windows-x64.msi dist/veltara-*-windows-x64.zip
(cd dist && sha256sum --strict -c SHA256SUMS)

echo "=== the Debian 13 system ==="
ensure_debian13
in_debian13 tests/linux-suites.sh debian13 debian13-sanitizer
# The .exe a school gets is the one built here; GCC 14 only checks its
# sources for warnings.
in_debian13 sh -c 'cmake --preset debian13-windows && cmake --build --preset debian13-windows -j "$(nproc)"'
in_debian13 tests/windows-suite.sh
scripts/check-deb-in-chroot.sh dist/veltara_*_amd64.deb trixie

# --- Screen reader: the verdict heard with Orca (to go into the --all part) ---
# Orca 43 on this machine, Orca 48 in the Debian 13 system, each at a quick
# and a slow pace; a few runs only, Orca is slow to start.
echo "=== the verdict heard with Orca ==="
tests/screen-reader/check-verdict-with-orca.sh 1 8
in_debian13 sh -c 'cmake --preset debian13 && cmake --build --preset debian13 -j "$(nproc)" --target veltara'
in_debian13 env BUILD_DIR=build/debian13/default tests/screen-reader/check-verdict-with-orca.sh 1 8
