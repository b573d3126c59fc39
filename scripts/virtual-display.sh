# Sourced by the top-level scripts: start_virtual_display starts an X server
# of its own (Xvfb) on a free display, exports DISPLAY, and stops it when the
# script exits.
start_virtual_display() {
    local number=90
    while [ -e "/tmp/.X11-unix/X${number}" ] || [ -e "/tmp/.X${number}-lock" ]; do
        number=$((number + 1))
    done
    Xvfb ":${number}" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    VIRTUAL_DISPLAY_PID=$!
    trap 'kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true' EXIT
    export DISPLAY=":${number}"
    local waited=0
    until [ -e "/tmp/.X11-unix/X${number}" ]; do
        sleep 0.2
        waited=$((waited + 1))
        if [ "$waited" -gt 50 ]; then
            echo "Xvfb did not start" >&2
            return 1
        fi
    done
}
