#!/bin/sh
# Runs a command with no network but its own loopback, which the browser
# drivers listen on: in a network namespace of its own. Any user gets one
# in a user namespace of their own; root needs none, and in a chroot (the
# Debian 13 system) may make none.
if [ "$(id -u)" -eq 0 ]; then
    as_root=""
else
    as_root="--map-root-user"
fi
exec unshare $as_root --net sh -c 'ip link set lo up && exec "$@"' offline "$@"
