# Sourced by the top-level scripts: start_virtual_display starts an X server
# of its own (Xvfb) on a free display, exports DISPLAY, and stops it when the
# script exits.
start_virtual_display() {
    local number=90
    local waited
    while [ "$number" -lt 190 ]; do
        if [ ! -e "/tmp/.X11-unix/X${number}" ] && [ ! -e "/tmp/.X${number}-lock" ]; then
            Xvfb ":${number}" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
            VIRTUAL_DISPLAY_PID=$!
            waited=0
            # A server that ends at once found the display taken where no file
            # shows it: by another system's server, in a chroot, sharing the
            # abstract socket's name.
            while kill -0 "$VIRTUAL_DISPLAY_PID" 2>/dev/null && [ "$waited" -le 50 ]; do
                if [ -e "/tmp/.X11-unix/X${number}" ]; then
                    trap 'kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true' EXIT
                    export DISPLAY=":${number}"
                    return 0
                fi
                sleep 0.2
                waited=$((waited + 1))
            done
            kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
        fi
        number=$((number + 1))
    done
    echo "Xvfb did not start" >&2
    return 1
}
