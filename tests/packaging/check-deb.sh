#!/usr/bin/env bash
# Checks the Debian package: lintian finds nothing at any level shown by
# --pedantic; the package holds the program and its desktop integration and
# nothing else; the desktop entry and AppStream metadata validate and name
# one application id; the program starts from the unpacked files.
# usage: check-deb.sh dist/veltara_<version>_amd64.deb
set -euo pipefail
deb=$(realpath "$1")
id=org.example.veltara
fail() { echo "check-deb: $*" >&2; exit 1; }

lintian --pedantic --fail-on error,warning,pedantic,info --info "$deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
cd "$root"

expected="./usr/bin/veltara
./usr/share/applications/$id.desktop
./usr/share/doc/veltara/changelog.gz
./usr/share/doc/veltara/copyright
$(for s in 128 16 22 24 256 32 48 64; do echo "./usr/share/icons/hicolor/${s}x${s}/apps/$id.png"; done)
./usr/share/man/man1/veltara.1.gz
./usr/share/metainfo/$id.metainfo.xml"
actual=$(find . -type f | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "files differ from the expected ones:
$(diff <(echo "$expected") <(echo "$actual") || true)"

# Both validators print nothing but their verdict when they find nothing.
findings=$(desktop-file-validate "usr/share/applications/$id.desktop" 2>&1) || true
[ -z "$findings" ] || fail "desktop-file-validate: $findings"
findings=$(appstreamcli validate --pedantic --no-net "usr/share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "appstreamcli: $findings"
[ "$findings" = "✔ Validation was successful." ] || fail "appstreamcli: $findings"

grep -qx "Icon=$id" "usr/share/applications/$id.desktop" || fail "the desktop entry's icon is not $id"
grep -q "<id>$id</id>" "usr/share/metainfo/$id.metainfo.xml" || fail "the metainfo id is not $id"
# The program holds the id as a UTF-16 string literal.
grep -qaP "$(echo -n "$id" | sed 's/./&\\x00/g')" usr/bin/veltara ||
    fail "the program does not name its desktop entry $id"
for field in "Section: education" "Depends: .*fonts-liberation" "Depends: .*qt6-translations-l10n" \
             "Depends: .*libqt6widgets6"; do
    dpkg-deb -f "$deb" | grep -q "^$field" || fail "the control file lacks $field"
done

# The program runs from the package's files until it is stopped: no library,
# plugin or resource it needs is missing.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 ./usr/bin/veltara || status=$?
[ "$status" -eq 124 ] || fail "the packaged program ended with status $status instead of running"
echo "check-deb: $(basename "$deb") passes"
