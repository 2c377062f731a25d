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

# A log, report or PDF never lands on a configuration file, in any mode: named
# .qcf, holding one under another name, or through a symbolic or a hard link.
cp "$tmp/F.qcf" "$tmp/keep.qcf"
cp "$tmp/F.qcf" "$tmp/copy.txt"
ln -s keep.qcf "$tmp/symlink.csv"
ln "$tmp/keep.qcf" "$tmp/hardlink.csv"
cp "$tmp/F.qcf" "$tmp/G.qcf"
named="is named as a configuration file (.qcf); a"
holds="is a configuration file (its content reads as one)"
expect 2 "^switchpanel-config: --log: $tmp/keep.qcf $named traffic log is never written" \
    --read-panel "$tmp/new.qcf" --log "$tmp/keep.qcf"
expect 2 "--log: $tmp/copy.txt $holds" --write-panel "$tmp/G.qcf" --log "$tmp/copy.txt"
expect 2 "--log: $tmp/symlink.csv links to $tmp/keep.qcf, named as" --log "$tmp/symlink.csv"
expect 2 "--report: $tmp/symlink.csv links to $tmp/keep.qcf" \
    --station "$tmp/G.qcf" --report "$tmp/symlink.csv"
expect 2 "--report: $tmp/hardlink.csv $holds" --station "$tmp/G.qcf" --report "$tmp/hardlink.csv"
expect 2 "the PDF file: $tmp/keep.qcf $named PDF" --sheet "$tmp/G.qcf" "$tmp/keep.qcf"
expect 2 "the PDF file: $tmp/copy.txt $holds" --sheet "$tmp/G.qcf" "$tmp/copy.txt"
expect 2 "--report: $tmp/report.qcf $named" --station "$tmp/F.qcf" --report "$tmp/report.qcf"
# A traffic log whose lines make 42 fields is still a log, appended to.
for i in $(seq 50); do echo "12:00:00.$i TX 1B"; done >"$tmp/old.log"
cp "$tmp/old.log" "$tmp/old.log.kept"
expect 1 "CANNOT OPEN SERIAL PORT" --read-panel "$tmp/new.qcf" --port "$tmp/no-tty" --log "$tmp/old.log"
if ! cmp -s "$tmp/F.qcf" "$tmp/kept.qcf" || ! cmp -s "$tmp/keep.qcf" "$tmp/kept.qcf" ||
    ! cmp -s "$tmp/copy.txt" "$tmp/kept.qcf" || [ -e "$tmp/report.qcf" ] || [ -e "$tmp/new.qcf" ] ||
    ! cmp -s -n "$(stat -c %s "$tmp/old.log.kept")" "$tmp/old.log" "$tmp/old.log.kept" ||
    cmp -s "$tmp/old.log" "$tmp/old.log.kept"; then
    echo "FAIL: a configuration file was changed, or the log not appended to"
    failures=$((failures + 1))
fi

# An empty name is said as such.
for option in --log --report --read-panel; do
    expect 2 "^switchpanel-config: $option: the file name is empty" --station "$tmp/F.qcf" "$option" ""
done
expect 2 "the name of the PDF file to write is empty" --sheet "$tmp/F.qcf" ""

# One server is one port, however its address is written.
for other in TCP://127.0.0.1:4001 tcp://127.0.0.1:04001 tcp://127.0.0.1:+4001 \
    tcp://localhost:4001 "tcp://[::ffff:127.0.0.1]:4001"; do
    expect 2 "Ports 'tcp://127.0.0.1:4001' and '${other//[/\\[}' are the same port" \
        --station "$tmp/F.qcf" --port tcp://127.0.0.1:4001 --port "$other" --count 2
done

[ "$failures" -eq 0 ] && echo "command line: all cases passed"
exit $((failures > 0))
