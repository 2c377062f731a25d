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

# A file written is never a file read or another file written, whatever names it
# (the same path, a symbolic or a hard link): status 2 naming both, nothing touched.
line='"BENCH"'
for _ in $(seq 20); do line+=',"",160'; done
printf '%s,160\r\n' "$line" >"$tmp/F.qcf"
cp "$tmp/F.qcf" "$tmp/kept.qcf"
ln -s F.qcf "$tmp/symlink.pdf"
ln "$tmp/F.qcf" "$tmp/hardlink.log"
same="F.qcf and .* are the same file; nothing was done"
expect 2 "$same" --sheet "$tmp/F.qcf" "$tmp/F.qcf"
expect 2 "--sheet $tmp/F.qcf and the PDF file $tmp/symlink.pdf are the same file" \
    --sheet "$tmp/F.qcf" "$tmp/symlink.pdf"
expect 2 "$same" --station "$tmp/F.qcf" --report "$tmp/F.qcf"
expect 2 "$same" --read-panel "$tmp/F.qcf" --log "$tmp/hardlink.log"
expect 2 "$same" --write-panel "$tmp/F.qcf" --log "$tmp/hardlink.log"
expect 2 "$same" "$tmp/F.qcf" --log "$tmp/F.qcf"
expect 2 "report.qcf: a report or traffic log is not written into a configuration file" \
    --station "$tmp/F.qcf" --report "$tmp/report.qcf"
if ! cmp -s "$tmp/F.qcf" "$tmp/kept.qcf" || [ -e "$tmp/report.qcf" ]; then
    echo "FAIL: a file named twice was changed"
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] && echo "command line: all cases passed"
exit $((failures > 0))
