#!/usr/bin/env bash
# Hears the verdict with Orca, at each pace given: a pupil who places the
# thirteen in a wrong order, the thirteenth by a click, takes one back and
# places it again, the thirteenth by Space. Each verdict must be spoken
# exactly once, after what the thirteenth pick itself says and before the
# pupil's next action; nothing else may say it. Entering the answer list
# with the thirteen in it, Orca must count them all: thirteen, however few
# the list shows. One Orca session per pace.
#
# usage: [BUILD_DIR=build/debian13/default] check-verdict-with-orca.sh [PAUSE...]
#        PAGE=dist/veltara-<version>.html check-verdict-with-orca.sh [PAUSE...]
#   PAGE   the web page, heard in Firefox ESR instead of the Linux program
#   PAUSE  seconds the pupil waits after the first Tab and Space, before and
#          after each thirteenth pick (default: 1 8); after a thirteenth
#          pick, at least 3 s, as a pupil who listens for the verdict does,
#          which gives Orca the time to say it when the machine is busy. The
#          other picks come 0.6 s apart, the keys of the take-back 1 s apart.
# Needs root the first time (scripts/hear-with-orca.sh installs Orca).
set -euo pipefail
cd "$(dirname "$0")/../.."

# The verdicts, as the exercise writes them.
verdict() {
    sed -n -E "/$1 =/,/;/{s/^.*\"(.*)\";?$/\\1/p}" exercise/verdicts.h
}
right=$(verdict kRightOrderVerdict)
wrong=$(verdict kWrongOrderVerdict)
if [ -z "$right" ] || [ -z "$wrong" ]; then
    echo "the verdicts were not found in exercise/verdicts.h" >&2
    exit 1
fi

# Heard: the output of scripts/hear-with-orca.sh. The text must be said
# once, after the action named (its last time) and before the next action;
# with "last", as the last thing said there.
said_once_after() {
    local heard=$1 text=$2 action=$3 last=${4:-}
    awk -v text="$text" -v action="ACTION: $action" -v must_be_last="$last" '
        /^ACTION: / { segment++; last[segment] = ""; if ($0 == action) wanted = segment; next }
        { last[segment] = $0; if (index($0, text)) { count++; where = segment } }
        END { exit !(count == 1 && where == wanted && (must_be_last == "" || index(last[where], text))) }' <<<"$heard"
}

paces=("$@")
if [ ${#paces[@]} -eq 0 ]; then
    paces=(1 8)
fi
failed=0
for pause in "${paces[@]}"; do
    listen=$(awk -v pause="$pause" 'BEGIN { print (pause > 3 ? pause : 3) }')
    actions=(click: pause:1 Tab "pause:$pause" space "pause:$pause")
    # Меркурий is chosen; the rest in distance order but the last two swapped.
    for planet in Венера Земя Марс Цеpера Юпитер Сатурн Уран Нептун Плутон Хаумея; do
        actions+=("click:$planet" pause:0.6)
    done
    actions+=(click:Ерида "pause:$pause" click:Макемаке "pause:$listen")
    # Into the answer list; Ерида, the last but one, taken back; into the
    # planets again, at Макемаке, the selected one; up to Ерида, chosen.
    actions+=(Tab pause:1 End pause:1 Up pause:1 space pause:1 shift+Tab pause:1 Up "pause:$pause"
              space "pause:$listen")
    # Orca speaks its own words in English, whatever the machine's language.
    heard=$(KEY_DELAY=0 LC_ALL=C.UTF-8 scripts/hear-with-orca.sh "${actions[@]}")
    # The wrong verdict after the click on Макемаке, the right one after the
    # last Space; the thirteen counted on the last Tab, into the list.
    # The count may be followed by the name the list's mark is on (Firefox
    # says it, the Qt program does not).
    if said_once_after "$heard" "$wrong" click:Макемаке last &&
        said_once_after "$heard" "$right" space last &&
        said_once_after "$heard" "with 13 items" Tab; then
        echo "pause $pause s: each verdict spoken once, after the thirteenth pick; the list's thirteen counted"
    else
        echo "pause $pause s: FAILED, Orca said:" >&2
        echo "$heard" >&2
        failed=1
    fi
done
exit "$failed"
