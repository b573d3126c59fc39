#!/bin/sh
# Runs a command with no network but its own loopback, which the browser
# drivers listen on: in a network namespace of its own, as any user.
exec unshare --map-root-user --net sh -c 'ip link set lo up && exec "$@"' offline "$@"
