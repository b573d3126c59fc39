#!/usr/bin/env bash
# Runs the Linux program under Orca on a virtual display, presses keys and
# clicks in it and prints what Orca said, from Orca's own debug log. With
# PAGE=FILE, the web page in Firefox ESR instead, in a fresh profile with
# its accessibility on.
#
# usage: [BUILD_DIR=build/debian13/default] scripts/hear-with-orca.sh [ACTION...]
#        PAGE=dist/veltara-<version>.html scripts/hear-with-orca.sh [ACTION...]
#   ACTION, done one by one (default: Tab space, which reaches the first
#   planet and chooses it):
#     KEY          an xdotool key name, pressed
#     click:NAME   a click on the middle of the button named NAME, as it was
#                  named when the program had started
#     click:       a click on the bare window, beside its title (a page:
#                  on its window, where the browser shows it)
#     pause:SECONDS  a wait
# KEY_DELAY=SECONDS waits that long after each key and click (default 3);
# ORCA_LOG=FILE keeps Orca's whole debug log there.
# Needs root the first time, to install Orca and its companions.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${HEAR_WITH_ORCA_SESSION:-}" ]; then
    build=${BUILD_DIR:-build/default}
    browser=()
    if [ -n "${PAGE:-}" ]; then
        if [ ! -f "$PAGE" ]; then
            echo "no page at $PAGE" >&2
            exit 1
        fi
        PAGE=$(realpath "$PAGE")
        browser=(firefox-esr)
    elif [ ! -x "$build/window/qt/veltara" ]; then
        echo "no program at $build/window/qt/veltara: build it first" >&2
        exit 1
    fi
    # shellcheck source=scripts/ensure-packages.sh
    source scripts/ensure-packages.sh
    ensure_packages orca speech-dispatcher speech-dispatcher-espeak-ng at-spi2-core \
        dbus-daemon dbus-bin xdotool xvfb xauth "${browser[@]}"
    # The readers get a home of their own: Orca's settings stay there, and
    # speech-dispatcher plays to ALSA's null device, since without a sound
    # device it blocks on its first word.
    home=$(mktemp -d)
    # Firefox wakes the desktop's document portal in the session, which
    # mounts its files under the runtime folder and may outlive the session
    # by a moment: unmounted first, or the folder cannot be removed.
    remove_home() {
        local mount
        while read -r mount; do
            fusermount3 -u -z "$mount" 2>/dev/null || umount -l "$mount" 2>/dev/null || true
        done < <(findmnt -rn -o TARGET | grep -F "$home/" || true)
        rm -rf "$home"
    }
    trap remove_home EXIT
    mkdir -p "$home/.config" "$home/run"
    chmod 700 "$home/run"
    echo 'pcm.!default { type null }' >"$home/.asoundrc"
    cp -r /etc/speech-dispatcher "$home/.config/"
    sed -i '/^ *AudioOutputMethod /d' "$home/.config/speech-dispatcher/speechd.conf"
    echo 'AudioOutputMethod "alsa"' >>"$home/.config/speech-dispatcher/speechd.conf"
    HEAR_WITH_ORCA_SESSION=1 BUILD_DIR="$build" PAGE="${PAGE:-}" HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/run" \
        dbus-run-session -- "$0" "$@"
    exit
fi

# From here on, inside the private session bus.
actions=("$@")
if [ ${#actions[@]} -eq 0 ]; then
    actions=(Tab space)
fi
delay=${KEY_DELAY:-3}
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
    kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
}
trap stop_started EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
started+=($!)
for _ in $(seq 50); do
    if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true; then
        break
    fi
    sleep 0.1
done

# Orca in a process namespace of its own. Orca refuses to start while any
# other Orca of the same user runs on the machine, and "orca --replace" kills
# them all, another session's included, whose Orca then loses the end of
# its log: what it said last. There it sees none, and the speech-dispatcher
# it starts ends with it. Its own /proc is mounted private, which needs "/"
# to be a mount; in the Debian 13 system it is not, and every mount there is
# private already (scripts/debian13.sh).
propagation=private
if ! mountpoint -q /; then
    propagation=unchanged
fi
unshare --pid --fork --mount-proc --propagation "$propagation" --kill-child \
    orca --debug-file "$log" >/dev/null 2>&1 &
namespace_pid=$!
started+=("$namespace_pid")
orca_pid=""
for _ in $(seq 50); do
    orca_pid=$(pgrep -P "$namespace_pid" || true)
    [ -n "$orca_pid" ] && break
    sleep 0.1
done
sleep 5
if [ -z "$PAGE" ]; then
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$BUILD_DIR/window/qt/veltara" \
        >"$HOME/program.log" 2>&1 &
    program_pid=$!
    buttons=1
    face_wanted=""
else
    # A fresh profile: no first-run pages, no updates or reports, and its
    # accessibility on, as it is once a screen reader has asked for it.
    mkdir -p "$HOME/firefox"
    cat >"$HOME/firefox/user.js" <<'PREFS'
user_pref("accessibility.force_disabled", -1);
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.aboutwelcome.enabled", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("datareporting.policy.firstRunURL", "");
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("app.update.disabledForTesting", true);
user_pref("browser.translations.automaticallyPopup", false);
user_pref("widget.use-xdg-desktop-portal.settings", 0);
user_pref("widget.use-xdg-desktop-portal.file-picker", 0);
user_pref("widget.use-xdg-desktop-portal.mime-handler", 0);
user_pref("widget.use-xdg-desktop-portal.open-uri", 0);
user_pref("widget.use-xdg-desktop-portal.location", 0);
PREFS
    # Kiosk: no browser controls around the page.
    GNOME_ACCESSIBILITY=1 MOZ_ENABLE_WAYLAND=0 firefox-esr --no-remote --profile "$HOME/firefox" \
        --kiosk "file://$PAGE" >"$HOME/program.log" 2>&1 &
    program_pid=$!
    # The thirteen planets, "Чисти" and the page's window, once the page
    # has been built and the browser has told of it.
    buttons=14
    face_wanted=yes
fi
started+=("$program_pid")
# No window manager gives the window the keyboard: it is given by hand.
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$program_pid" | head -n 1)
xdotool windowfocus --sync "$window"
sleep 3
declare -A places
for _ in $(seq 60); do
    places=()
    face=""
    # Name, x and y, tab-separated; the page's window has an empty name.
    while IFS= read -r line; do
        name=${line%%$'\t'*}
        place=${line#*$'\t'}
        place="${place%%$'\t'*} ${place#*$'\t'}"
        if [ -z "$name" ]; then
            face=$place
        else
            places[$name]=$place
        fi
    done < <(/usr/bin/python3 scripts/button-places.py "$program_pid")
    if [ ${#places[@]} -ge "$buttons" ] && { [ -n "$face" ] || [ -z "$face_wanted" ]; }; then
        break
    fi
    sleep 0.5
done
: >"$HOME/actions.log"
for action in "${actions[@]}"; do
    case "$action" in
    pause:*)
        sleep "${action#pause:}"
        continue
        ;;
    esac
    # On the clock of Orca's log, to be told between what Orca said.
    echo "$(date +%H:%M:%S.%6N) - ACTION: $action" >>"$HOME/actions.log"
    case "$action" in
    click:)
        # The window's top left corner: no control stands there. A browser
        # shows the page's window within its own, where it fits.
        if [ -n "$face" ]; then
            # shellcheck disable=SC2086 # the place is two numbers
            xdotool mousemove $face click 1
        else
            xdotool mousemove --window "$window" 4 4 click 1
        fi
        ;;
    click:*)
        if [ -z "${places[${action#click:}]:-}" ]; then
            echo "no button named ${action#click:}" >&2
            exit 1
        fi
        # shellcheck disable=SC2086 # the place is two numbers
        xdotool mousemove ${places[${action#click:}]} click 1
        ;;
    *)
        xdotool key "$action"
        ;;
    esac
    sleep "$delay"
done

if ! kill -0 "$program_pid" 2>/dev/null; then
    echo "the program ended before the last key; it wrote:" >&2
    cat "$HOME/program.log" >&2
fi
if [ -z "$orca_pid" ] || ! kill -0 "$orca_pid" 2>/dev/null; then
    echo "Orca ended before the last key: what it said is not known" >&2
    exit 1
fi

# Orca writes its log through a buffer, complete only once Orca has ended:
# a log read before would lack what was said last. Orca acts on the signal
# only when some event wakes it: a press of Shift.
kill "$orca_pid"
xdotool key shift
for _ in $(seq 600); do
    kill -0 "$namespace_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$namespace_pid" 2>/dev/null; then
    echo "Orca did not end within a minute: its log is not complete" >&2
    exit 1
fi
if [ -n "${ORCA_LOG:-}" ]; then
    cp "$log" "$ORCA_LOG"
fi
# What was said until Orca was told to end, without voices, and each action
# where it came; then without the times.
sed -n -E "/SPEECH OUTPUT: 'Screen reader off/q; s/^([0-9:.]+) - .*(SPEECH OUTPUT: '.*')( ?\{.*)?$/\1 - \2/p" "$log" |
    sort -s -k1,1 - "$HOME/actions.log" | sed -E 's/^[0-9:.]+ - //'
