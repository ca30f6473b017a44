#!/bin/sh
# Runs one of the desktop's validators (desktop-file-validate, appstreamcli) on a file. Any
# finding, even a warning, fails; a validator that is not installed skips the test (exit 77).
set -u
tool=$1
shift
command -v "$tool" >/dev/null 2>&1 || {
    echo "$tool is not installed; skipped"
    exit 77
}
findings=$("$tool" "$@" 2>&1)
status=$?
printf '%s\n' "$findings"
[ "$status" -eq 0 ] || exit 1
# appstreamcli closes with a verdict line even when clean; anything else is a finding.
if printf '%s\n' "$findings" | grep -v -e '^$' -e '^✔ Validation was successful' | grep -q .; then
    exit 1
fi
exit 0
