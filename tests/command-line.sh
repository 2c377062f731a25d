#!/usr/bin/env bash
# The program's command line without a display: help, version, usage errors, and a
# headless mode refusing an unusable file, each with its exit status.
# Usage: command-line.sh PROGRAM
set -uo pipefail
program=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

# expect STATUS PATTERN ARGS...: exit status STATUS, and PATTERN in what is printed.
expect() {
    local status=$1 pattern=$2
    shift 2
    local output rc
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" 2>&1)
    rc=$?
    if [ "$rc" -ne "$status" ] || ! grep -q -- "$pattern" <<<"$output"; then
        echo "FAIL: $* -> status $rc (expected $status), output:"
        echo "$output"
        failures=$((failures + 1))
    fi
}

expect 0 "^switchpanel-config [0-9]" --version
expect 0 "Usage: switchpanel-config \[options\] \[FILE.qcf\]" --help
expect 2 "Unknown option 'bogus'.*" --bogus
expect 2 "Try 'switchpanel-config --help'" --bogus
expect 2 "Unexpected argument 'b.qcf'" a.qcf b.qcf
printf '"X"\r\n' >"$tmp/short.qcf"
expect 2 "short.qcf: THE FILE ENDS BEFORE FIELD 2 OF 42" --write-panel "$tmp/short.qcf"
expect 2 "NOT A CONFIGURATION FILE" --compare /dev/null
expect 2 "needs the PDF file to write" --sheet "$tmp/short.qcf"
expect 2 "Only one of" --sheet "$tmp/short.qcf" out.pdf --compare "$tmp/short.qcf"
expect 2 "short.qcf: THE FILE ENDS BEFORE FIELD 2 OF 42" --station "$tmp/short.qcf"
expect 2 "Option 'count' needs --station" --write-panel "$tmp/short.qcf" --count 2
expect 2 "Port '/dev/null' given more than once" --station "$tmp/short.qcf" --port /dev/null --port /dev/null

[ "$failures" -eq 0 ] && echo "command line: all cases passed"
exit $((failures > 0))
