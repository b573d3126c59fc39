#!/usr/bin/env bash
# The test command for every change. Builds the program and runs its test
# suites on this machine (on Debian 12: Qt 6.4, GCC 12, Wine 8): the Linux
# build, the same under AddressSanitizer and UndefinedBehaviorSanitizer, and
# the Windows build, cross-built with mingw-w64, under Wine on a virtual
# display; and the web page, built with emscripten, in Chromium. As any
# user, and with no network once the packages are there;
# missing ones are installed through sudo, or the line to install them is
# printed. Exits non-zero on any failure.
#
# ./test.sh --all: everything, for CI and a release (.ci/run); as root, and
# with the network. Adds the releases, made and checked, and a Debian 13
# system that it makes with debootstrap and keeps for the next run (Qt 6.8,
# GCC 14, Wine 10; scripts/debian13.sh). The page in Firefox ESR and
# WebKitGTK here; there, both Linux builds again, the page in that system's
# three browsers, the Windows build's sources compiled by its mingw-w64, the
# .exe built here under Wine 10, and the Debian package built here installed
# on a clean Debian 13; last, the verdict heard with Orca on both systems, and
# from the web page in Firefox ESR.
set -euo pipefail
cd "$(dirname "$0")"

all=false
case "${1-}" in
    "") ;;
    --all) all=true ;;
    *) echo "usage: ./test.sh [--all]" >&2; exit 2 ;;
esac
if "$all" && [ "$(id -u)" -ne 0 ]; then
    echo "./test.sh --all needs root: it makes a Debian 13 system with debootstrap and runs" \
         "the suites there through chroot, and installs the Debian package on a clean Debian" \
         "made in the same way. ./test.sh alone runs this machine's suites as any user." >&2
    exit 1
fi

# What a run as root through sudo makes goes back to the user who ran sudo,
# however the run ends: the next ./test.sh, as that user, writes there.
give_back_to_sudo_user() {
    if [ "$(id -u)" -eq 0 ] && [ "${SUDO_UID:-0}" -ne 0 ]; then
        for made in build dist; do
            if [ -e "$made" ]; then
                chown -R "$SUDO_UID:${SUDO_GID:-$SUDO_UID}" "$made" || true
            fi
        done
    fi
}
windows_suite=""
on_exit() {
    if [ -n "$windows_suite" ]; then
        kill -- -"$windows_suite" 2>/dev/null || true
    fi
    give_back_to_sudo_user
}
trap on_exit EXIT
# A run as root without sudo (su, say) leaves its files to root: say at once
# how to mend that, rather than stop half way on "Permission denied".
if [ "$(id -u)" -ne 0 ]; then
    foreign=()
    for made in build dist; do
        if [ -e "$made" ] && [ -n "$(find "$made" ! -user "$(id -u)" -print -quit)" ]; then
            foreign+=("$PWD/$made")
        fi
    done
    if [ ${#foreign[@]} -ne 0 ]; then
        echo "${foreign[*]} hold files of another user, left by a run as root. As root, run:" >&2
        echo "    chown -R $(id -u):$(id -g) ${foreign[*]}" >&2
        exit 1
    fi
fi

source scripts/ensure-packages.sh
ensure_packages "${LINUX_BUILD_PACKAGES[@]}" "${WINDOWS_BUILD_PACKAGES[@]}" \
    "${WEB_BUILD_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}"
if "$all"; then
    ensure_packages "${PACKAGING_PACKAGES[@]}" "${WEB_BUILD_PACKAGES[@]}" "${WEB_CHECK_PACKAGES[@]}"
fi

echo "=== this machine: $(. /etc/os-release && echo "$PRETTY_NAME") ==="
echo "=== windows build ==="
cmake --preset windows
cmake --build --preset windows -j "$(nproc)"
# The Windows suite waits on Wine and the X server most of the time: it runs
# while the Linux builds use the processors, and its report follows theirs.
echo "=== windows suite, meanwhile: build/windows-suite.log ==="
mkdir -p build
setsid tests/windows-suite.sh >build/windows-suite.log 2>&1 &
windows_suite=$!
# The page, which the Linux build's tests open in Chromium.
echo "=== web build ==="
cmake --preset web
cmake --build --preset web -j "$(nproc)"
tests/linux-suites.sh default sanitizer
windows_status=0
wait "$windows_suite" || windows_status=$?
windows_suite=""
cat build/windows-suite.log
if [ "$windows_status" -ne 0 ]; then
    echo "the Windows suite failed" >&2
    exit "$windows_status"
fi
if ! "$all"; then
    echo "=== passed in $((SECONDS / 60)) min $((SECONDS % 60)) s; ./test.sh --all adds the releases and the Debian 13 system ==="
    exit 0
fi

echo "=== releases, made and checked ==="
./package.sh
tests/packaging/check-deb.sh dist/veltara_*_amd64.deb
tests/packaging/check-windows-zip.sh dist/veltara-*-windows-x64.zip
tests/packaging/check-windows-msi.sh dist/veltara-*-windows-x64.msi dist/veltara-*-windows-x64.zip
tests/packaging/check-web-page.sh dist/veltara-*.html
(cd dist && sha256sum --strict -c SHA256SUMS)

echo "=== the page in Firefox ESR and WebKitGTK ==="
tests/web-suite.sh firefox webkit

echo "=== the Debian 13 system ==="
source scripts/debian13.sh
ensure_debian13
# The page built here, in that system's Chromium (with the Linux build's
# tests), Firefox ESR and WebKitGTK.
in_debian13 tests/linux-suites.sh debian13 debian13-sanitizer
in_debian13 env BUILD_DIR=build/debian13/default tests/web-suite.sh firefox webkit
# The .exe a school gets is the one built here; GCC 14 only checks its
# sources for warnings.
# shellcheck disable=SC2016 # expanded in the Debian 13 system
in_debian13 sh -c 'cmake --preset debian13-windows && cmake --build --preset debian13-windows -j "$(nproc)"'
in_debian13 tests/windows-suite.sh
scripts/check-deb-in-chroot.sh dist/veltara_*_amd64.deb trixie

# The verdict heard with Orca: Orca 43 on this machine, with the Linux
# program and with the web page in Firefox ESR, and Orca 48 in the Debian 13
# system, each at a quick and a slow pace; a few runs only, Orca is slow to
# start.
echo "=== the verdict heard with Orca ==="
tests/screen-reader/check-verdict-with-orca.sh 1 8
PAGE=$(echo dist/veltara-*.html) tests/screen-reader/check-verdict-with-orca.sh 1 8
# shellcheck disable=SC2016 # expanded in the Debian 13 system
in_debian13 sh -c 'cmake --preset debian13 && cmake --build --preset debian13 -j "$(nproc)" --target veltara'
in_debian13 env BUILD_DIR=build/debian13/default tests/screen-reader/check-verdict-with-orca.sh 1 8
