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

ensure_debian13() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "the Debian 13 system is made and entered as root" >&2
        return 1
    fi
    ensure_packages debootstrap
    if [ ! -f "$DEBIAN13_ROOT/.veltara-bootstrapped" ]; then
        # A run stopped half way leaves a folder without the mark: begin anew.
        rm -rf --one-file-system "$DEBIAN13_ROOT"
        mkdir -p "$DEBIAN13_ROOT"
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
    local tree
    tree=$(pwd -P)
    unshare --mount --propagation private -- bash -euo pipefail -c '
        root=$1 tree=$2
        shift 2
        mount -t proc proc "$root/proc"
        mount --rbind /dev "$root/dev"
        mkdir -p "$root$tree"
        mount --bind "$tree" "$root$tree"
        exec chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            DEBIAN_FRONTEND=noninteractive \
            bash -c "cd \"\$0\" && exec \"\$@\"" "$tree" "$@"
    ' in_debian13 "$DEBIAN13_ROOT" "$tree" "$@"
}
