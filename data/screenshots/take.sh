#!/bin/sh
# Remakes the screenshots of the README and the metainfo from the real program, driven by mouse
# and keyboard on a virtual X server: drill.png (a test in progress), dictionary.png (a search
# with its result) and study.png (a flash card). Click positions are the controls' centres from
# the windows' layouts, in twips (15 to a pixel) from the top-left of the window's client area.
# Needs xvfb, xdotool and imagemagick, and a built program (./build.sh test builds it).
# Usage: data/screenshots/take.sh [build folder]
set -eu
cd "$(dirname "$0")/../.."
if [ "${1:-}" != --on-virtual-screen ]; then
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" "$0" --on-virtual-screen "$@"
fi
shift
program=$(realpath "${1:-build}/app/kotohana")
out=data/screenshots

# Clicks the point (Left, Top) of a window, in twips.
click() {
    xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15)) click 1
    sleep 0.4
}
# The id of the visible window whose title starts with the text given.
window() {
    xdotool search --sync --onlyvisible --name "^$1"
}
shoot() {
    import -window "$1" -strip "$out/$2.png"
}

"$program" &
program_pid=$!
trap 'kill $program_pid 2>/dev/null || true' EXIT
drill=$(window "コトハナ ７０００語")
sleep 1

# 試験開始, then three questions answered with choices 1, 2 and 3.
click "$drill" 8707 2075
for answer_top in 3240 3960 4680; do
    click "$drill" 8707 2795
    click "$drill" 8707 $((answer_top + 250))
done
shoot "$drill" drill

# 辞　書, then "pro" typed into the search box and 検 索.
click "$drill" 1447 7595
dictionary=$(window "７０００単語の辞書")
sleep 0.5
click "$dictionary" 4747 472
xdotool type --delay 80 pro
click "$dictionary" 9247 487
shoot "$dictionary" dictionary
# 戻 る, which uncovers the drill window's buttons again.
click "$dictionary" 9307 2047

# 学　習, the style 立体 chosen from 表示模様, then 開　始; the card is taken while it shows its
# first side.
click "$drill" 3307 7595
study=$(window "学習")
sleep 0.5
click "$study" 7687 7870
xdotool key Down Down Return
sleep 0.4
click "$study" 727 7835
sleep 0.6
shoot "$study" study

ls -l "$out"/*.png
