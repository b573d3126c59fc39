# Sourced by scripts/debian13.sh and scripts/check-deb-in-chroot.sh: runs a
# command in a Debian system kept in a folder.
#
# in_chroot [--tree DIR] ROOT COMMAND...: runs COMMAND, as root, in the
# system in folder ROOT, in a clean environment, with /proc and /dev mounted
# there. The mounts live in a mount namespace of their own and vanish with
# the command, whatever way it ends: nothing of the machine's stays mounted
# inside the folder, and removing the folder removes nothing else. With
# --tree, the folder DIR of this machine is seen there at the same path,
# and the command runs in it.
in_chroot() {
    local tree=""
    if [ "${1-}" = --tree ]; then
        tree=$2
        shift 2
    fi
    local root=$1
    shift
    # shellcheck disable=SC2016 # expanded by the shell in the namespace
    unshare --mount --propagation private -- bash -euo pipefail -c '
        root=$1 tree=$2
        shift 2
        mount -t proc proc "$root/proc"
        mount --rbind /dev "$root/dev"
        if [ -n "$tree" ]; then
            mkdir -p "$root$tree"
            mount --bind "$tree" "$root$tree"
        fi
        exec chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            DEBIAN_FRONTEND=noninteractive \
            bash -c "cd \"\${0:-/}\" && exec \"\$@\"" "$tree" "$@"
    ' in_chroot "$root" "$tree" "$@"
}
