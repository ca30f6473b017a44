#!/bin/sh
# Quits the program again and again in each way a user can, on a real X server (Xvfb), driven by
# the test-only plugin of the end-to-end test, and prints how often each exit status came up and
# what the program wrote on stderr. Usage: tools/quit_check.sh [runs] (default 20), after
# ./build.sh has built build/.
set -eu
cd "$(dirname "$0")/.."
runs=${1:-20}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

cmake --build build --target kotohana kotohana_user_driver >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb QT_PLUGIN_PATH="$PWD/build/app/test-plugins" XDG_RUNTIME_DIR="$work"
# The cues go to ALSA's file device, so that a machine without sound still plays them.
export CANBERRA_DRIVER=alsa CANBERRA_DEVICE="file:'$work/sound.raw',raw"

answer="Form1/Command8 Form1/Command1 Form1/Command2"
everything="$answer Form1/Command1*20 ok Form1/Command21 Form1/Command22 Form1/Command99"
everything="$everything Form1/Command23 Form5/Command1"
while IFS='|' read -r name steps; do
    : >"$work/statuses"
    i=0
    while [ "$i" -lt "$runs" ]; do
        status=0
        QT_QPA_GENERIC_PLUGINS="kotohanadriver:$steps" timeout 60 build/app/kotohana \
            >/dev/null 2>>"$work/stderr" || status=$?
        echo "$status" >>"$work/statuses"
        i=$((i + 1))
    done
    printf '%s:' "$name"
    sort -n "$work/statuses" | uniq -c | awk '{printf " %d× status %s", $1, $2}'
    echo
done <<WAYS
終了 at start-up|Form1/Command7
frame close at start-up|close/Form1
終了 after an answer|$answer Form1/Command7
frame close after an answer|$answer close/Form1
終了 with every window open and a study session running|$everything Form1/Command7
WAYS
echo "stderr, all runs:"
sort "$work/stderr" | uniq -c
