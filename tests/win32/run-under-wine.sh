#!/usr/bin/env bash
# Runs a Windows program under Wine: the emulator for the Windows build's
# tests. It keeps one Wine prefix of its own, made on first use, and runs on
# the X display given, or on a private virtual one where there is none.
set -euo pipefail

wine=$(command -v wine64 || true)
[ -n "$wine" ] || wine=/usr/lib/wine/wine64
# VELTARA_WINE_DPI sets the screen's DPI, and VELTARA_WINE_THEME=classic
# turns Wine's visual style off, each in a prefix of its own.
dpi="${VELTARA_WINE_DPI:-96}"
theme="${VELTARA_WINE_THEME:-}"
export WINEPREFIX="${VELTARA_WINEPREFIX:-${TMPDIR:-/tmp}/veltara-wine-$(id -u)-dpi${dpi}${theme:+-$theme}}"
# TMPDIR only places the prefix: Debian 13's Wine 10 aborts at start
# ("double free or corruption") wherever it is set.
unset TMPDIR
export WINEDEBUG=-all
# No Mono or Gecko installers: the prefix needs neither, and there is no network.
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ ! -f "$WINEPREFIX/.veltara-ready" ]; then
    mkdir -p "$WINEPREFIX"
    (
        # Only one test run at a time makes the prefix.
        flock 9
        if [ ! -f "$WINEPREFIX/.veltara-ready" ]; then
            # A prefix wineboot failed to make is no prefix to run in: it
            # stays unmarked, and the next run makes it again.
            if ! booted=$("$wine" wineboot --init 2>&1); then
                echo "wineboot failed in $WINEPREFIX; the prefix is not ready:" >&2
                echo "$booted" >&2
                exit 1
            fi
            # Where Times New Roman is missing, Liberation Serif takes its
            # place, as fontconfig does for the Linux build.
            "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
                /d 'Liberation Serif' /f >/dev/null 2>&1
            # Wine draws the windows' frames itself: there is no window manager
            # on a virtual display, and none to wait for when focus moves.
            "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
            "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" \
                /f >/dev/null 2>&1
            if [ "$theme" = classic ]; then
                "$wine" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' \
                    /v ThemeActive /d 0 /f >/dev/null 2>&1
            fi
            "${wine%64}server" -w 2>/dev/null || "$(dirname "$wine")/wineserver" -w || true
            touch "$WINEPREFIX/.veltara-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$wine" "$@"
fi
exec "$wine" "$@"
