#!/bin/sh
# Sets up a Debian 12 machine for the program, builds it, then starts it (run) or runs every
# test (test). Installs only what is missing, so a second call goes straight to the build.
set -eu
cd "$(dirname "$0")"

case "${1:-}" in
run | test) ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

# qt6-declarative-dev only for the QtQmlIntegration header that Qt TextToSpeech's header includes
# and Debian's qt6-speech-dev does not pull in. The speech engine the package recommends is here
# too, so that the speaker is also tested against the real engine.
packages="cmake g++ make pkgconf qt6-base-dev qt6-base-private-dev qt6-speech-dev qt6-declarative-dev libcanberra-dev libfontconfig-dev fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n desktop-file-utils appstream dbus-daemon qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng"
missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing="$missing $package"
done
if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing:$missing"
    $sudo apt-get update -q
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)"

if [ "$1" = test ]; then
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure)

    # Every test once more with AddressSanitizer, UndefinedBehaviorSanitizer and the standard
    # library's bounds checks: an out-of-bounds read that happens to pass above fails here, and
    # so does any leak, and the end-to-end test runs the instrumented program itself.
    sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "-DCMAKE_CXX_FLAGS=$sanitizers -D_GLIBCXX_ASSERTIONS" >/dev/null
    cmake --build build-asan --parallel "$(nproc)"
    cd build-asan
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        QT_QPA_PLATFORM=offscreen exec ctest --output-on-failure
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "kotohana: no display available (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session." >&2
    exit 1
fi
exec build/app/kotohana
