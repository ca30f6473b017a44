#!/bin/sh
# Start-up and memory of the program against a bare Qt Widgets window that this script builds,
# launched in turn (round robin) on a real X server, and the time of the dictionary's first,
# cold search. Usage: tools/bench.sh [runs] (default 15), after ./build.sh has built build/.
# Needs Xvfb (xvfb-run) unless a display is set. Prints medians.
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
#include <QWidget>
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(683, 553);
    window.show();
    return app.exec();
}
CPP
# shellcheck disable=SC2046
g++ -O2 -fPIC -o "$work/bare" "$work/bare.cpp" $(pkg-config --cflags --libs Qt6Widgets)

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
    measure kotohanaprobe build/app/kotohana >>"$work/kotohana.txt"
    i=$((i + 1))
done
j=0
while [ "$j" -lt 5 ]; do
    measure kotohanaprobe:search build/app/kotohana >>"$work/search.txt"
    j=$((j + 1))
done

bare_ms=$(cut -d' ' -f1 "$work/bare.txt" | median)
kotohana_ms=$(cut -d' ' -f1 "$work/kotohana.txt" | median)
bare_rss=$(cut -d' ' -f2 "$work/bare.txt" | median)
kotohana_rss=$(cut -d' ' -f2 "$work/kotohana.txt" | median)
search_ms=$(cut -d' ' -f3 "$work/search.txt" | median)
echo "runs: $runs of each, round robin, medians"
echo "launch to mapped window: bare $bare_ms ms, kotohana $kotohana_ms ms, ratio $(echo "$kotohana_ms $bare_ms" | awk '{printf "%.2f", $1 / $2}')"
echo "settled RSS: bare $(echo "$bare_rss" | awk '{printf "%.1f", $1 / 1024}') MiB, kotohana $(echo "$kotohana_rss" | awk '{printf "%.1f", $1 / 1024}') MiB"
echo "dictionary's first search (和英 の, cold, 5 launches): $search_ms ms"
