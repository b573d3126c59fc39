#!/usr/bin/env bash
# Checks the Windows zip: it holds the program, the teacher's README, the
# licence and SHA256SUMS, which verifies; the program's version resource,
# manifest and icon say what they should; and a second build of the program
# in another directory gives the same bytes.
# usage: check-windows-zip.sh dist/veltara-<version>-windows-x64.zip
set -euo pipefail
zip=$(realpath "$1")
source="$(cd "$(dirname "$0")/../.." && pwd)"
version=$(basename "$zip" | sed -E 's/^veltara-(.*)-windows-x64\.zip$/\1/')
fail() { echo "check-windows-zip: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 -m zipfile -e "$zip" "$work/unpacked"
cd "$work/unpacked/veltara-$version-windows-x64"
[ "$(ls | LC_ALL=C sort | tr '\n' ' ')" = "LICENSE.txt README.txt SHA256SUMS veltara.exe " ] ||
    fail "unexpected files: $(ls)"
sha256sum --strict -c SHA256SUMS
[ "$(wc -l <SHA256SUMS)" -eq 3 ] || fail "SHA256SUMS does not cover the three files"

# Windows wants four numbers; the project's version fills them from the left.
numbers=$(echo "$version.0.0.0" | cut -d. -f1-4)
expected="FixedFileVersion=$numbers
FixedProductVersion=$numbers
StringTable=040204B0
CompanyName=Екипът на Велтара
FileDescription=Велтара: Слънчевата система по ред
FileVersion=$version
InternalName=veltara
LegalCopyright=© 2026 Екипът на Велтара, лиценз MIT
OriginalFilename=veltara.exe
ProductName=Велтара
ProductVersion=$version"
actual=$(wrestool -x --raw --type=16 veltara.exe | python3 "$source/tests/packaging/exe_resources.py")
[ "$actual" = "$expected" ] || fail "version resource differs:
$(diff <(echo "$expected") <(echo "$actual") || true)"

wrestool -x --raw --type=24 veltara.exe | grep -q '<requestedExecutionLevel level="asInvoker"' ||
    fail "the manifest does not ask to run as the invoking user"
wrestool -x --type=14 veltara.exe >"$work/veltara.ico"
sizes=$(icotool -l "$work/veltara.ico" | sed -E 's/.*--width=([0-9]+).*/\1/' | tr '\n' ' ')
[ "$sizes" = "16 24 32 48 64 256 " ] || fail "the icon's sizes are $sizes"

# The same commit built elsewhere gives the same program, byte for byte.
cmake --preset windows -S "$source" -B "$work/again" -DVELTARA_TESTS=OFF -DVELTARA_WERROR=OFF >/dev/null
cmake --build "$work/again" -j "$(nproc)" --target veltara >/dev/null
cmp veltara.exe "$work/again/window/win32/veltara.exe" || fail "a second build differs"
echo "check-windows-zip: $(basename "$zip") passes"
