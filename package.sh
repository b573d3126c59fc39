#!/usr/bin/env bash
# Makes the releases into dist/: the Debian package of the Linux program
# (veltara_<version>_amd64.deb), the portable zip of the Windows program
# (veltara-<version>-windows-x64.zip), its installer for a school's
# administrator (veltara-<version>-windows-x64.msi), the web page
# (veltara-<version>.html) with its font's licence beside it
# (veltara-<version>-font-licence.txt), and SHA256SUMS over the four.
# Installs what is missing first (Debian 12).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-packages.sh
ensure_packages "${LINUX_BUILD_PACKAGES[@]}" "${WINDOWS_BUILD_PACKAGES[@]}" \
                "${PACKAGING_PACKAGES[@]}" "${WEB_BUILD_PACKAGES[@]}"

jobs=$(nproc)
# Warnings stay warnings here, as where others build a release: a compiler
# newer than ours must not stop it.
release=(-DVELTARA_TESTS=OFF -DVELTARA_WERROR=OFF)
rm -rf dist
mkdir -p dist
# CPack into an empty folder: what an earlier run made there, an older
# version's package among it, must not reach dist/.
package_into_fresh_folder() {
    rm -rf "$1/cpack"
    (cd "$1" && cpack -B "$PWD/cpack")
}

echo "=== Debian package ==="
# Debian's own compiler and linker flags, hardening included (relro, bindnow).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake --preset default -B build/package-linux -DCMAKE_BUILD_TYPE=Release "${release[@]}" \
      -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
      -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build/package-linux -j "$jobs"
package_into_fresh_folder build/package-linux
cp build/package-linux/cpack/veltara_*_amd64.deb dist/

echo "=== Windows zip ==="
cmake --preset windows -B build/package-windows "${release[@]}"
cmake --build build/package-windows -j "$jobs"
package_into_fresh_folder build/package-windows
cp build/package-windows/cpack/veltara-*-windows-x64.zip dist/

echo "=== Windows installer ==="
rm -f build/package-windows/packaging/windows/veltara-*-windows-x64.msi
cmake --build build/package-windows --target windows_installer
cp build/package-windows/packaging/windows/veltara-*-windows-x64.msi dist/

echo "=== Web page ==="
# The preset's own release build, MinSizeRel: the page is read whole before
# it starts.
cmake --preset web -B build/package-web "${release[@]}"
cmake --build build/package-web -j "$jobs"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/package-web/CMakeCache.txt)
cp build/package-web/window/web/veltara.html "dist/veltara-$version.html"
cp window/web/OFL.txt "dist/veltara-$version-font-licence.txt"

(cd dist && sha256sum -- *.deb *.zip *.msi *.html >SHA256SUMS)
ls -l dist
