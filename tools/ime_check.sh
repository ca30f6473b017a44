#!/bin/sh
# Types Japanese into the dictionary window as a Japanese desktop user does, under fcitx5 + Mozc
# and under IBus + Mozc, each on a virtual X server (Xvfb) with a window manager (openbox). In
# each: 和英 is chosen and the search box clicked; "kuro", Space and Enter are typed (the script
# turns the input method on itself only where the program cannot) and 検 索 pressed; then 英和 is
# chosen with the input method still on, and "black" is typed and searched. The search box and
# the result are read through the accessibility interface (AT-SPI). Prints each check and a final
# PASS or FAIL line.
#
# A tool for a person, not a CI test: Mozc and a window manager are heavy. Run it after ./build.sh
# has built build/. Mozc refuses to run as root, so as root the script installs whatever is
# missing and runs the desktop as the unprivileged user kotohana-ime, which it creates, or as the
# user named with --user; run by another user, it runs the desktop as that user and installs
# through sudo. The desktop gets a home folder of its own, so no one's input-method settings are
# read or changed.
#
# Usage: tools/ime_check.sh [--user NAME] [--shots FOLDER] [fcitx5] [ibus]
#   fcitx5, ibus   the frameworks to check (default both)
#   --shots        keeps a screenshot of each framework's 和英 and 英和 searches in FOLDER
set -eu
script=$(realpath "$0")

# The control's point in twips (15 to a pixel) from the top-left of the window's client area.
click() {
    xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15)) click 1
    sleep 0.5
}
# The id of the visible window whose title starts with the text given; Qt's 1 × 1 helper window
# of the same name is never mapped.
window() {
    xdotool search --sync --onlyvisible --name "^$1"
}

case "${1:-}" in
--session)
    # Inside the desktop: Xvfb, a session bus, and the user's own home folder. The report goes
    # to descriptor 3; what the desktop's programs print goes to desktop.log.
    framework=$2 work=$3 program=$4
    failures=0
    say() {
        echo "$@" >&3
    }
    trap '[ -n "${finished:-}" ] || say "  FAIL  stopped by a step that failed"' EXIT
    check() {
        if [ "$2" = "$3" ]; then
            say "  ok    $1: $3"
        else
            say "  FAIL  $1: $3 (expected $2)"
            failures=$((failures + 1))
        fi
    }
    # The text of the program's control with this accessible name.
    text_of() {
        python3 - "$1" <<'PYTHON'
import sys
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi

def find(node, name, depth=0):
    if node is None or depth > 12:
        return None
    if node.get_name() == name and "Text" in node.get_interfaces():
        return node
    for i in range(node.get_child_count()):
        found = find(node.get_child_at_index(i), name, depth + 1)
        if found:
            return found
    return None

desktop = Atspi.get_desktop(0)
for i in range(desktop.get_child_count()):
    found = find(desktop.get_child_at_index(i), sys.argv[1])
    if found:
        sys.stdout.write(Atspi.Text.get_text(found, 0, Atspi.Text.get_character_count(found)))
        break
PYTHON
    }
    # Whether a line of the result box matches the pattern.
    listed() {
        if text_of 検索結果 | grep -q -- "$1"; then echo yes; else echo no; fi
    }
    # Asked only once fcitx5 runs: the bus would start it for the question.
    fcitx5_state() {
        dbus-send --session --print-reply=literal --dest=org.fcitx.Fcitx5 /controller \
            org.fcitx.Fcitx.Controller1.State | awk '{print $2}'
    }
    fcitx5_running() {
        dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.fcitx.Fcitx5 | grep -q true
    }
    on_off() {
        if [ "$(fcitx5_state)" = 2 ]; then echo on; else echo off; fi
    }

    openbox &
    sleep 1
    case $framework in
    fcitx5)
        export XMODIFIERS=@im=fcitx QT_IM_MODULE=fcitx
        mkdir -p "$XDG_CONFIG_HOME/fcitx5"
        cat >"$XDG_CONFIG_HOME/fcitx5/profile" <<'PROFILE'
[Groups/0]
Name=Default
Default Layout=us
DefaultIM=mozc

[Groups/0/Items/0]
Name=keyboard-us
Layout=

[Groups/0/Items/1]
Name=mozc
Layout=

[GroupOrder]
0=Default
PROFILE
        fcitx5 &
        for _ in $(seq 50); do
            fcitx5_running && break
            sleep 0.2
        done
        ;;
    ibus)
        export XMODIFIERS=@im=ibus QT_IM_MODULE=ibus
        ibus-daemon --daemonize --xim --replace
        for _ in $(seq 50); do
            ibus engine >/dev/null 2>&1 && break
            sleep 0.2
        done
        # Sets the engine but may still exit with 1; the engine is checked below.
        ibus engine mozc-jp || true
        ;;
    esac
    # The accessibility bus, started before the program so that the program joins it at once.
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null
    sleep 1

    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
    drill=$(window "コトハナ ７０００語")
    sleep 1
    click "$drill" 1447 7595 # 辞　書
    dictionary=$(window "７０００単語の辞書")
    sleep 1

    say "和英"
    [ "$framework" = ibus ] && check "IBus engine" mozc-jp "$(ibus engine)"
    [ "$framework" = fcitx5 ] && check "input method before the box takes the focus" off "$(on_off)"
    click "$dictionary" 1400 487 # 和英
    click "$dictionary" 4747 472 # the search box
    if [ "$framework" = fcitx5 ]; then
        check "input method as the box takes the focus, turned on by the program" on "$(on_off)"
    else
        # IBus gives a program no way to turn it on: Mozc's own on key, as a user presses it. On a
        # cold start IBus takes a moment to attach to the newly focused box, and a key before that
        # is lost.
        sleep 1
        xdotool key Zenkaku_Hankaku
        sleep 0.5
    fi
    xdotool type --delay 150 kuro
    sleep 0.5
    xdotool key space
    sleep 1
    import -window root "$work/$framework-wa-ei-converted.png"
    xdotool key Return
    sleep 1
    check "search box after kuro, Space, Enter" 黒 "$(text_of 検索語)"
    click "$dictionary" 9247 487 # 検 索
    sleep 1
    check "検 索 lists 黒い、黒 black" yes "$(listed '^  黒い、黒　*  black')"
    check "検 索 lists 黒板 blackboard" yes "$(listed '^  黒板　*  blackboard')"
    import -window root "$work/$framework-wa-ei.png"

    say "英和, the input method left on"
    click "$dictionary" 680 487 # 英和
    click "$dictionary" 4747 472
    [ "$framework" = fcitx5 ] && check "input method" on "$(on_off)"
    [ "$framework" = ibus ] && check "IBus engine" mozc-jp "$(ibus engine)"
    xdotool type --delay 150 black
    sleep 1
    check "search box after typing black" black "$(text_of 検索語)"
    click "$dictionary" 9247 487
    sleep 1
    check "検 索 lists black 黒い、黒" yes "$(listed '^  black  *黒い、黒')"
    check "検 索 lists blackboard 黒板" yes "$(listed '^  blackboard  *黒板')"
    import -window root "$work/$framework-ei-wa.png"

    # IBus's Mozc keeps its own on/off across the program's boxes: back in 和英 it still composes.
    say "和英 again"
    click "$dictionary" 1400 487
    click "$dictionary" 4747 472
    xdotool type --delay 150 kuro
    sleep 0.5
    xdotool key Return
    sleep 1
    check "search box after kuro, Enter" くろ "$(text_of 検索語)"
    finished=1
    exit "$failures"
    ;;
--desktop)
    # As the desktop user: a home folder of its own, then the virtual screen and session bus.
    framework=$2 work=$3 program=$4
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
        dbus-run-session -- "$script" --session "$framework" "$work" "$program" \
        3>&1 >"$work/desktop.log" 2>&1
    ;;
esac

cd "$(dirname "$script")/.."
program="$PWD/build/app/kotohana"
user="" shots="" frameworks=""
while [ $# -gt 0 ]; do
    case $1 in
    --user)
        user=$2
        shift
        ;;
    --shots)
        shots=$(realpath -m "$2")
        shift
        ;;
    fcitx5 | ibus) frameworks="$frameworks $1" ;;
    *)
        echo "usage: $0 [--user NAME] [--shots FOLDER] [fcitx5] [ibus]" >&2
        exit 2
        ;;
    esac
    shift
done
frameworks=${frameworks:-fcitx5 ibus}
if [ ! -x "$program" ]; then
    echo "$program is missing: run ./build.sh first" >&2
    exit 2
fi

packages="xvfb xauth openbox xdotool imagemagick dbus-bin dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0"
packages="$packages fcitx5 fcitx5-mozc fcitx5-frontend-qt6 ibus ibus-mozc fonts-ipafont-gothic"
missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing="$missing $package"
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $sudo apt-get update -q
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
fi

if [ "$(id -u)" -eq 0 ]; then
    if [ -z "$user" ]; then
        user=kotohana-ime
        id "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
    fi
    as_user() { runuser -u "$user" -- "$@"; }
elif [ -z "$user" ] || [ "$user" = "$(id -un)" ]; then
    as_user() { "$@"; }
else
    as_user() { sudo -u "$user" -- "$@"; }
fi
if [ "$(as_user id -u)" -eq 0 ]; then
    echo "Mozc refuses to run as root: name an unprivileged user with --user" >&2
    exit 2
fi

status=0
for framework in $frameworks; do
    work=$(mktemp -d)
    chmod 755 "$work"
    [ "$(id -u)" -ne 0 ] || chown "$user" "$work"
    echo "$framework + Mozc, as $user:"
    result=0
    as_user env -i PATH="$PATH" LANG=C.UTF-8 "$script" --desktop "$framework" "$work" "$program" ||
        result=$?
    if [ -n "$shots" ]; then
        mkdir -p "$shots"
        cp "$work"/*.png "$shots"/ 2>/dev/null || true
    fi
    if [ "$result" -eq 0 ]; then
        echo "$framework: every check passed"
    else
        echo "$framework: failed; logs in $work"
        status=1
    fi
    [ "$result" -ne 0 ] || rm -rf "$work"
done
if [ "$status" -eq 0 ]; then echo "PASS"; else echo "FAIL"; fi
exit "$status"
