#!/usr/bin/env bash
# Checks the web page: at most 256 KiB; its Content-Security-Policy lets no
# request out, its script keeps nothing in the browser, its font is renamed
# and carries its licence (tests/packaging/web_page.py); a second build in
# another directory gives the same bytes; and, opened from a folder whose
# name has a space and Cyrillic letters, with no network, headless Chromium
# loads it and builds the form.
# usage: check-web-page.sh dist/veltara-<version>.html
# Beside the page: veltara-<version>-font-licence.txt.
set -euo pipefail
page=$(realpath "$1")
source="$(cd "$(dirname "$0")/../.." && pwd)"
licence="${page%.html}-font-licence.txt"
fail() { echo "check-web-page: $*" >&2; exit 1; }

size=$(stat -c %s "$page")
[ "$size" -le $((256 * 1024)) ] || fail "the page is $size bytes, over 256 KiB"
[ -f "$licence" ] || fail "no font licence beside the page: $licence"
/usr/bin/python3 "$source/tests/packaging/web_page.py" "$page" "$licence" || fail "the page's contents"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Opened where a teacher keeps it, with no network at all: only the loopback
# device, up, as on a machine with no cable.
folder="$work/Уроци по физика"
mkdir -p "$folder"
cp "$page" "$folder/"
opened="$folder/$(basename "$page")"
# A network namespace of its own, as the web tests have; Chromium may be
# root there, where its sandbox refuses to run.
"$source/tests/web/offline.sh" chromium --headless --no-sandbox --disable-gpu --no-first-run \
    --user-data-dir="$work/profile" --enable-logging=stderr --v=0 \
    --virtual-time-budget=5000 --dump-dom "file://$opened" >"$work/dom.html" 2>"$work/chromium.log" ||
    fail "Chromium did not open the page: $(tail -n 5 "$work/chromium.log")"
grep -q 'id="form"' "$work/dom.html" || fail "no #form once the page had loaded:
$(grep -E 'CONSOLE|Content Security Policy' "$work/chromium.log" | head -n 5)"
if grep -q 'Content Security Policy' "$work/chromium.log"; then
    fail "the page's policy refused something it needs: $(grep 'Content Security Policy' "$work/chromium.log" | head -n 3)"
fi

# The same commit built elsewhere gives the same page, byte for byte.
cmake --preset web -S "$source" -B "$work/again" \
      -DVELTARA_TESTS=OFF -DVELTARA_WERROR=OFF >/dev/null
cmake --build "$work/again" -j "$(nproc)" >/dev/null
again=$(find "$work/again" -name 'veltara*.html' -not -path '*/CMakeFiles/*' | head -n 1)
[ -n "$again" ] || fail "the second build made no page"
cmp "$page" "$again" || fail "a second build differs"
# Nor does it name where it was built.
if grep -q -a -F -e "$source" -e "$work" "$again"; then
    fail "the page names the directory it was built in"
fi
echo "check-web-page: $(basename "$page") passes ($size bytes)"
