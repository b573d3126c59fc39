#!/usr/bin/env bash
# Runs the Linux program under Orca on a virtual display, presses keys in it
# and prints what Orca said, from Orca's own debug log. A manual check of
# the screen-reader behaviour; no test runs it.
#
# usage: [BUILD_DIR=build/debian13/default] scripts/hear-with-orca.sh [KEY...]
#   KEY  xdotool key names, pressed one by one (default: Tab space, which
#        reaches the first planet and chooses it)
# ORCA_LOG=FILE keeps Orca's whole debug log there.
# Needs root the first time, to install Orca and its companions.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${HEAR_WITH_ORCA_SESSION:-}" ]; then
    # shellcheck source=scripts/ensure-packages.sh
    source scripts/ensure-packages.sh
    ensure_packages orca speech-dispatcher speech-dispatcher-espeak-ng at-spi2-core \
        dbus-daemon dbus-bin xdotool xvfb xauth
    # Everything the readers write goes to a home of their own: Orca's
    # settings, and speech-dispatcher's sound to ALSA's null device, since
    # without a sound device it blocks on its first word.
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    mkdir -p "$home/.config" "$home/run"
    chmod 700 "$home/run"
    printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$home/.asoundrc"
    cp -r /etc/speech-dispatcher "$home/.config/"
    sed -i 's/^ *AudioOutputMethod .*//' "$home/.config/speech-dispatcher/speechd.conf"
    echo 'AudioOutputMethod "alsa"' >>"$home/.config/speech-dispatcher/speechd.conf"
    HEAR_WITH_ORCA_SESSION=1 HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/run" \
        dbus-run-session -- "$0" "$@"
    exit
fi

build=${BUILD_DIR:-build/default}
keys=("$@")
if [ ${#keys[@]} -eq 0 ]; then
    keys=(Tab space)
fi
program="$build/window/qt/veltara"
log="$HOME/orca.log"

# shellcheck source=scripts/virtual-display.sh
source scripts/virtual-display.sh
start_virtual_display
started=()
stop_started() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    pid=$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null || true)
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
    fi
    kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
}
trap stop_started EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately &
started+=($!)
for _ in $(seq 50); do
    if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1; then
        break
    fi
    sleep 0.1
done

orca --replace --debug-file "$log" >/dev/null 2>&1 &
orca_pid=$!
started+=("$orca_pid")
sleep 5
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" >"$HOME/program.log" 2>&1 &
program_pid=$!
started+=("$program_pid")
# No window manager gives the window the keyboard: it takes it itself.
window=$(xdotool search --sync --onlyvisible --pid "$program_pid" | head -n 1)
xdotool windowfocus --sync "$window"
sleep 3
for key in "${keys[@]}"; do
    echo "--- key ${key}" >>"$log"
    xdotool key "$key"
    sleep 3
done
# Orca writes its log through a buffer: it is complete once Orca has ended.
# Orca sees the signal only when an event wakes it: a press of Shift.
kill "$orca_pid"
xdotool key shift
for _ in $(seq 100); do
    kill -0 "$orca_pid" 2>/dev/null || break
    sleep 0.1
done
grep -E '^--- key|SPEECH OUTPUT:' "$log" || true
if [ -n "${ORCA_LOG:-}" ]; then
    cp "$log" "$ORCA_LOG"; cat "$HOME/program.log" >&2
fi
