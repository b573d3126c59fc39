#!/usr/bin/env bash
# Checks that the Debian package installs on a clean Debian system and lands
# in the Education menu with its icon: makes a throwaway Debian of the release
# given (debootstrap, minimal variant; bookworm, Debian 12, by default) in a
# temporary directory, runs `apt install ./<the .deb>` there, reads the menu
# as a freedesktop menu implementation does (tests/packaging/menu_entry.py)
# and starts the program offscreen.
# Needs root and Debian's package archive; it leaves the machine as it was.
# usage: scripts/check-deb-in-chroot.sh dist/veltara_<version>_amd64.deb [RELEASE]
set -euo pipefail
deb=$(realpath "$1")
release="${2:-bookworm}"
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
source scripts/in-chroot.sh
ensure_packages debootstrap

root=$(mktemp -d /tmp/veltara-chroot.XXXXXX)
trap 'rm -rf --one-file-system "$root"' EXIT
# The downloaded packages are kept for the next check of the same release.
cache="/var/cache/veltara/debootstrap-$release"
mkdir -p "$cache"
# debootstrap mounts /proc and /sys there while it works: in a mount
# namespace of its own, they end with it, however it ends.
unshare --mount --propagation private -- \
    debootstrap --variant=minbase --cache-dir="$cache" "$release" "$root"
name="Debian $(cut -d. -f1 "$root/etc/debian_version") ($release)"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" tests/packaging/menu_entry.py "$root/tmp/"
# A clean environment: this machine's (a TMPDIR, say) names nothing there.
# Its mounts end with each command, however the check ends.
in_root() { in_chroot "$root" "$@"; }

in_root apt-get update
in_root sh -c "cd /tmp && apt install -y ./$(basename "$deb")"
# A menu implementation to read the menu with; the package itself needs none.
in_root apt-get install -y --no-install-recommends python3-xdg lxmenu-data
in_root python3 /tmp/menu_entry.py org.example.veltara.desktop | tee "$root/tmp/menu"
grep -qx "menu: Education" "$root/tmp/menu" || { echo "not in the Education menu" >&2; exit 1; }
if grep -q ": None$" "$root/tmp/menu"; then
    echo "the menu entry's icon is not found at every size" >&2
    exit 1
fi
status=0
in_root env QT_QPA_PLATFORM=offscreen timeout 3 veltara || status=$?
[ "$status" -eq 124 ] || { echo "the installed program ended with status $status" >&2; exit 1; }
echo "installed on a clean $name: in the Education menu with its icon, and it starts"
