#!/usr/bin/env bash
# Checks the Windows installer under Wine, in a throwaway prefix:
#  - a silent install puts the zip's veltara.exe, byte for byte, into
#    Program Files\Велтара, with the Start-menu shortcut "Велтара" and the
#    Add/Remove Programs entry "Велтара" at the installer's version;
#  - a silent uninstall leaves nothing behind;
#  - after an older build of the installer, it upgrades to one entry, and
#    the older one is then refused;
#  - a second build of the installer from the same files gives the same bytes.
# usage: check-windows-msi.sh dist/veltara-<version>-windows-x64.msi dist/veltara-<version>-windows-x64.zip
set -euo pipefail
msi=$(realpath "$1")
zip=$(realpath "$2")
source="$(cd "$(dirname "$0")/../.." && pwd)"
version=$(basename "$msi" | sed -E 's/^veltara-(.*)-windows-x64\.msi$/\1/')
older=0.0.1
fail() { echo "check-windows-msi: $*" >&2; exit 1; }

work=$(mktemp -d)
source "$source/scripts/virtual-display.sh"
start_virtual_display
trap 'kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true; rm -rf "$work"' EXIT
python3 -m zipfile -e "$zip" "$work/unpacked"
program="$work/unpacked/veltara-$version-windows-x64/veltara.exe"

# The same program and icon give the same installer at another time and place.
(cd "$work" && msiinfo extract "$msi" Icon.veltara.ico >veltara.ico)
sleep 1
"$source/packaging/windows/make-msi.py" "$version" "$program" "$work/veltara.ico" \
    "$source/packaging/linux/changelog" "$work/again.msi"
cmp "$msi" "$work/again.msi" || fail "a second build of the installer differs"
"$source/packaging/windows/make-msi.py" "$older" "$program" "$work/veltara.ico" \
    "$source/packaging/linux/changelog" "$work/older.msi"

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
# No Mono or Gecko installers, and no menu entries on this machine's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
"$wine" wineboot --init >/dev/null 2>&1
msiexec() {
    local status=0
    "$wine" msiexec "$@" >/dev/null 2>&1 || status=$?
    "$(dirname "$wine")/wineserver" -w 2>/dev/null || wineserver -w
    return "$status"
}
installed() { python3 "$source/tests/packaging/installed_programs.py" "$WINEPREFIX"; }
folder="$WINEPREFIX/drive_c/Program Files/Велтара"
shortcuts() {
    find "$WINEPREFIX/drive_c/ProgramData" "$WINEPREFIX/drive_c/users" -name 'Велтара.lnk' \
        -path '*Start Menu/Programs/*' 2>/dev/null
}

# The registry keys of the product, of either installer: those its codes
# name, and the values that name its folder or its shortcut.
registry_keys() {
    python3 "$source/tests/packaging/product_registry.py" "$WINEPREFIX" 'C:\Program Files\Велтара' \
        'Start Menu\Programs\Велтара.lnk' "$msi" "$work/older.msi"
}

# Nothing of the product: no folder, shortcut, entry, cached installer files
# or registry key.
expect_nothing_left() {
    [ ! -e "$folder" ] || fail "the uninstall left $folder"
    [ -z "$(shortcuts)" ] || fail "the uninstall left $(shortcuts)"
    [ -z "$(installed)" ] || fail "the uninstall left the entry $(installed)"
    [ -z "$(ls "$WINEPREFIX/drive_c/windows/Installer")" ] || fail "the uninstall left installer files"
    [ -z "$(registry_keys)" ] || fail "the uninstall left registry keys:
$(registry_keys)"
}

expect_installed() {
    local at=$1
    cmp "$folder/veltara.exe" "$program" || fail "the installed program is not the zip's"
    [ "$(ls "$folder")" = "veltara.exe" ] || fail "the folder holds $(ls "$folder")"
    [ "$(shortcuts | wc -l)" -eq 1 ] || fail "no single Start-menu shortcut: $(shortcuts)"
    grep -qa 'veltara\.exe' "$(shortcuts)" || fail "the shortcut does not start veltara.exe"
    local entries
    entries=$(installed)
    [ "$entries" = "Велтара|$at|Екипът на Велтара|icon|no modify" ] ||
        fail "Add/Remove Programs lists: $entries"
    # The keys looked for after an uninstall are found while it is installed.
    [[ "$(registry_keys)" == *Uninstall* ]] || fail "no Uninstall key of the product is found"
}

msiexec /i "$msi" /qn || fail "the silent install failed"
expect_installed "$version"

msiexec /x "$msi" /qn || fail "the silent uninstall failed"
expect_nothing_left

msiexec /i "$work/older.msi" /qn || fail "the older installer failed"
[ "$(installed | cut -d'|' -f2)" = "$older" ] || fail "the older installer's entry: $(installed)"
msiexec /i "$msi" /qn || fail "the upgrade failed"
expect_installed "$version"
if msiexec /i "$work/older.msi" /qn; then
    fail "the older installer replaced the newer one"
fi
expect_installed "$version"
msiexec /x "$msi" /qn || fail "the silent uninstall after the upgrade failed"
expect_nothing_left
echo "check-windows-msi: $(basename "$msi") passes"
