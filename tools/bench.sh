#!/bin/sh
# Start-up and memory of the program against a bare Qt Widgets window that this script builds,
# launched in turn (round robin) on a real X server, and the time of the dictionary's first,
# cold search. A second baseline, the same window with one line of Japanese text, shows what any
# window pays for its first text (fontconfig, the IPA face, shaping). Usage: tools/bench.sh [runs]
# (default 15), after ./build.sh has built build/. Needs Xvfb (xvfb-run) unless a display is set.
# Prints medians.
set -eu
cd "$(dirname "$0")/.."
runs=${1:-15}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

cmake --build build --target kotohana kotohana_startup_probe >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/bare.cpp" <<'CPP'
#include <QApplication>
#include <QLabel>
#include <QWidget>
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(683, 553);
#ifdef WITH_TEXT
    QLabel label(QStringLiteral("コトハナ ７０００語"), &window);
    label.setFont(QFont(QStringLiteral("IPAGothic"), 9));
#endif
    window.show();
    return app.exec();
}
CPP
# shellcheck disable=SC2046
g++ -O2 -fPIC -o "$work/bare" "$work/bare.cpp" $(pkg-config --cflags --libs Qt6Widgets)
# shellcheck disable=SC2046
g++ -O2 -fPIC -DWITH_TEXT -o "$work/text" "$work/bare.cpp" $(pkg-config --cflags --libs Qt6Widgets)

export QT_QPA_PLATFORM=xcb QT_PLUGIN_PATH="$PWD/build/app/bench-plugins"
export XDG_RUNTIME_DIR="$work"

# One launch: prints "<start-up ms> <settled RSS KiB> [<search ms>]".
measure() {
    probe=$1
    shift
    start=$(date +%s%N)
    out=$(QT_QPA_GENERIC_PLUGINS="$probe" "$@" 2>/dev/null)
    mapped=$(echo "$out" | awk '/^mapped_ns/ {print $2}')
    rss=$(echo "$out" | awk '/^rss_kib/ {print $2}')
    search=$(echo "$out" | awk '/^search_ms/ {print $2}')
    echo "$(((mapped - start) / 1000)) $rss $search" | awk '{printf "%.1f %s %s\n", $1 / 1000, $2, $3}'
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

i=0
while [ "$i" -lt "$runs" ]; do
    measure kotohanaprobe "$work/bare" >>"$work/bare.txt"
    measure kotohanaprobe "$work/text" >>"$work/text.txt"
    measure kotohanaprobe build/app/kotohana >>"$work/kotohana.txt"
    i=$((i + 1))
done
j=0
while [ "$j" -lt 5 ]; do
    measure kotohanaprobe:search build/app/kotohana >>"$work/search.txt"
    j=$((j + 1))
done

bare_ms=$(cut -d' ' -f1 "$work/bare.txt" | median)
text_ms=$(cut -d' ' -f1 "$work/text.txt" | median)
kotohana_ms=$(cut -d' ' -f1 "$work/kotohana.txt" | median)
bare_rss=$(cut -d' ' -f2 "$work/bare.txt" | median)
text_rss=$(cut -d' ' -f2 "$work/text.txt" | median)
kotohana_rss=$(cut -d' ' -f2 "$work/kotohana.txt" | median)
search_ms=$(cut -d' ' -f3 "$work/search.txt" | median)
ratio() { echo "$1 $2" | awk '{printf "%.2f", $1 / $2}'; }
mib() { echo "$1" | awk '{printf "%.1f", $1 / 1024}'; }
echo "runs: $runs of each, round robin, medians"
echo "launch to mapped window: bare $bare_ms ms, bare with one Japanese line $text_ms ms ($(ratio "$text_ms" "$bare_ms")), kotohana $kotohana_ms ms"
echo "kotohana against the bare window: $(ratio "$kotohana_ms" "$bare_ms"); against the window with one line: $(ratio "$kotohana_ms" "$text_ms")"
echo "settled RSS: bare $(mib "$bare_rss") MiB, bare with one Japanese line $(mib "$text_rss") MiB, kotohana $(mib "$kotohana_rss") MiB"
echo "dictionary's first search (和英 の, cold, 5 launches): $search_ms ms"
