# Sourced by test.sh: a Debian 13 ("trixie") system in a folder, for running
# the test suites where Qt 6.8, GCC 14 and Wine 10 are.
#
# ensure_debian13 makes the system with debootstrap the first time (minimal
# variant, as root) and installs into it what the suites need; later runs
# reuse it and only install what is missing. It lives outside the work tree,
# in VELTARA_DEBIAN13_ROOT (default /var/cache/veltara/debian13), so that
# every clone on the machine shares it; removing the folder is safe whenever
# no test runs.
#
# in_debian13 COMMAND... runs a command there, in this work tree, which the
# system sees at the same path: build trees made on this machine, the Windows
# build's among them, run there unchanged. Its mounts live in a mount
# namespace of its own and vanish with the command, whatever way it ends, so
# nothing of the machine's stays mounted inside the folder.
DEBIAN13_ROOT="${VELTARA_DEBIAN13_ROOT:-/var/cache/veltara/debian13}"
# shellcheck source=scripts/in-chroot.sh
source "$(dirname "${BASH_SOURCE[0]}")/in-chroot.sh"

ensure_debian13() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "the Debian 13 system is made and entered as root" >&2
        return 1
    fi
    ensure_packages debootstrap
    if [ ! -f "$DEBIAN13_ROOT/.veltara-bootstrapped" ]; then
        # The folder is ours only if it holds our mark, written before
        # debootstrap starts: a run stopped half way left it, and it is
        # begun anew. Any other folder with something in it is left alone,
        # whatever VELTARA_DEBIAN13_ROOT names.
        if [ -f "$DEBIAN13_ROOT/.veltara-debian13" ]; then
            rm -rf --one-file-system "$DEBIAN13_ROOT"
        elif [ -n "$(ls -A "$DEBIAN13_ROOT" 2>/dev/null)" ]; then
            echo "$DEBIAN13_ROOT holds files and no .veltara-debian13: it is no Debian 13" \
                 "system made here, and is left as it is. Name an empty or new folder in" \
                 "VELTARA_DEBIAN13_ROOT." >&2
            return 1
        fi
        mkdir -p "$DEBIAN13_ROOT"
        touch "$DEBIAN13_ROOT/.veltara-debian13"
        # Its mounts there end with it, however it ends.
        unshare --mount --propagation private -- \
            debootstrap --variant=minbase trixie "$DEBIAN13_ROOT"
        touch "$DEBIAN13_ROOT/.veltara-bootstrapped"
    fi
    cp /etc/resolv.conf "$DEBIAN13_ROOT/etc/resolv.conf"
    # shellcheck disable=SC2016 # expanded inside the Debian 13 system
    in_debian13 bash -c 'source scripts/ensure-packages.sh &&
        ensure_packages "${LINUX_BUILD_PACKAGES[@]}" "${WINDOWS_BUILD_PACKAGES[@]}" \
            "${WEB_TEST_PACKAGES[@]}"'
}

in_debian13() {
    in_chroot --tree "$(pwd -P)" "$DEBIAN13_ROOT" "$@"
}
