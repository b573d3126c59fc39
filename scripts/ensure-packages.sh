# Sourced by the top-level scripts: installs the Debian packages named, once.
# Packages already installed are left alone, so running it again is cheap.
# Recommended packages come too: Wine's X11 driver loads several of them.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    # Not root: through sudo where there is one. Where there is none, or
    # it fails, the line to run as root.
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        as_root=(sudo)
        if ! command -v sudo >/dev/null; then
            print_install_line "${missing[@]}"
            return 1
        fi
    fi
    echo "Installing: ${missing[*]}"
    if ! { "${as_root[@]}" apt-get update &&
           "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"; }; then
        print_install_line "${missing[@]}"
        return 1
    fi
}

print_install_line() {
    echo "Packages are missing. As root, run:" >&2
    echo "    apt-get install -y $*" >&2
}

# What building and testing on Linux needs.
LINUX_BUILD_PACKAGES=(cmake make g++ libgtest-dev googletest libbenchmark-dev qt6-base-dev
                      fonts-liberation qt6-translations-l10n python3)
# What cross-building for Windows and testing under Wine needs besides.
WINDOWS_BUILD_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 python3 wine64
                        xvfb xauth fonts-liberation)
# What building the web page needs besides (the web preset): Debian's
# emscripten, whose libraries come built.
WEB_BUILD_PACKAGES=(emscripten python3)
# What testing the web page in real browsers needs besides (tests/web): the
# browsers, their WebDriver servers, Pillow for the helper's screenshots,
# ip for the loopback of the tests' network namespace, and Xvfb, on which
# WebKitGTK's browser shows.
WEB_TEST_PACKAGES=(chromium chromium-driver firefox-esr webkit2gtk-driver python3 python3-pil
                   iproute2 xvfb xauth fonts-liberation)
# What making the releases and checking them needs besides.
PACKAGING_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream icoutils wixl msitools
                    python3-olefile)
# What building the web page needs: Debian's emscripten (the font is made
# once, by scripts/make-web-font.py, and kept in the sources).
WEB_BUILD_PACKAGES=(cmake make emscripten python3)
# What checking the web page needs besides: a browser with no network, and
# the font tools that read its font back.
WEB_CHECK_PACKAGES=(chromium iproute2 util-linux python3-fonttools python3-brotli)
