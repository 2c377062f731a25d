#!/usr/bin/env bash
# Configuration files as text on the command line: --describe as git's textconv
# in a real repository (git diff, git log -p and git show print the changed item's
# line), --diff's exit statuses, and --export-csv and --import-csv refusing what
# they must, each leaving the files as they were.
# Usage: file-text.sh PROGRAM
set -uo pipefail
program=$(realpath "$1")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }

# A file as the program writes it: every item unassigned but SW1 on A/1 "HORN".
config() { # config FILE SW2-CODE LED3-DESIGNATION
    local line='"BENCH","HORN",0' i
    for i in $(seq 2 20); do
        case $i in
        2) line+=",\"DESIGNATION \",$2" ;;
        13) line+=",\"$3\",160" ;;
        *) line+=',"DESIGNATION ",160' ;;
        esac
    done
    printf '%s,160\r\n' "$line" >"$1"
}

# The same file always describes in the same bytes; a Windows-1252 byte as UTF-8.
config "$tmp/a.qcf" 160 $'\xC5LAND'
run --describe "$tmp/a.qcf" >"$tmp/d1" && run --describe "$tmp/a.qcf" >"$tmp/d2" ||
    fail "--describe failed"
cmp -s "$tmp/d1" "$tmp/d2" || fail "--describe gave different bytes"
[ "$(wc -l <"$tmp/d1")" -eq 22 ] || fail "--describe: not 22 lines"
grep -qx 'LED3           N/A     "ÅLAND"' "$tmp/d1" || fail "--describe: LED3 line: $(sed -n 14p "$tmp/d1")"

# git shows a change of .qcf files as the changed lines of their descriptions.
repo=$tmp/repo
export HOME=$tmp GIT_CONFIG_NOSYSTEM=1 GIT_AUTHOR_NAME=t GIT_AUTHOR_EMAIL=t@example.org \
    GIT_COMMITTER_NAME=t GIT_COMMITTER_EMAIL=t@example.org
git init -q "$repo" || fail "git init"
echo '*.qcf diff=qcf' >"$repo/.gitattributes"
git -C "$repo" config diff.qcf.textconv "\"$program\" --describe"
config "$repo/panel.qcf" 160 STUDIO
git -C "$repo" add . && git -C "$repo" commit -qm first || fail "git commit"
config "$repo/panel.qcf" 13 STUDIO
expected=$'-SW2            N/A     "DESIGNATION "\n+SW2            B    4  "DESIGNATION "'
changes() { grep -E '^[-+][^-+]' | grep -v '^[-+]\s*$'; }
[ "$(git -C "$repo" diff | changes)" = "$expected" ] ||
    fail "git diff: $(git -C "$repo" diff)"
git -C "$repo" commit -qam second
[ "$(git -C "$repo" show HEAD | changes)" = "$expected" ] || fail "git show: $(git -C "$repo" show)"
config "$repo/panel.qcf" 13 'STUDIO 2'
git -C "$repo" commit -qam third
[ "$(git -C "$repo" log -p -1 | changes)" = $'-LED3           N/A     "STUDIO"\n+LED3           N/A     "STUDIO 2"' ] ||
    fail "git log -p: $(git -C "$repo" log -p -1)"

# --diff: 0 the same, 3 they differ (one line per difference), 2 unreadable.
run --diff "$repo/panel.qcf" "$repo/panel.qcf" >/dev/null
[ $? -eq 0 ] || fail "--diff of a file with itself"
config "$tmp/b.qcf" 13 STUDIO
out=$(run --diff "$tmp/a.qcf" "$tmp/b.qcf")
[ $? -eq 3 ] && [ "$out" = $'SW2: N/A -> B 4\nLED3 designation: "ÅLAND" -> "STUDIO"' ] ||
    fail "--diff of two files: $out"
printf '"X"\r\n' >"$tmp/short.qcf"
out=$(run --diff "$tmp/a.qcf" "$tmp/short.qcf" 2>&1)
[ $? -eq 2 ] && grep -q "short.qcf: THE FILE ENDS BEFORE FIELD 2" <<<"$out" ||
    fail "--diff of an unreadable file: $out"

# The sheet never replaces a configuration file; nothing is written.
cp "$tmp/a.qcf" "$tmp/kept.qcf"
ln -s a.qcf "$tmp/link.csv"
out=$(run --export-csv "$tmp/link.csv" "$tmp/b.qcf" "$tmp/a.qcf" 2>&1)
[ $? -eq 2 ] && grep -q "link.csv and the configuration file .*a.qcf are the same file" <<<"$out" ||
    fail "--export-csv onto an input: $out"
out=$(run --export-csv "$tmp/b.qcf.qcf" "$tmp/a.qcf" 2>&1)
[ $? -eq 2 ] && [ ! -e "$tmp/b.qcf.qcf" ] || fail "--export-csv into a .qcf: $out"
cmp -s "$tmp/a.qcf" "$tmp/kept.qcf" || fail "--export-csv changed its input"

# The import: --dry-run says what would change and writes nothing; the import
# itself keeps the previous content beside the file.
run --export-csv "$tmp/sheet.csv" "$tmp/a.qcf" >/dev/null || fail "--export-csv"
sed -i 's/,SW1,A,1,/,SW1,C,3,/' "$tmp/sheet.csv"
out=$(run --import-csv "$tmp/sheet.csv" --dry-run)
[ $? -eq 0 ] && [ "$out" = "a.qcf: 1 ITEM CHANGED" ] && [ ! -e "$tmp/a.qcf.bak" ] &&
    cmp -s "$tmp/a.qcf" "$tmp/kept.qcf" || fail "--import-csv --dry-run: $out"
out=$(run --import-csv "$tmp/sheet.csv")
[ $? -eq 0 ] && [ "$out" = "a.qcf: 1 ITEM CHANGED" ] && cmp -s "$tmp/a.qcf.bak" "$tmp/kept.qcf" &&
    [ "$(run --diff "$tmp/kept.qcf" "$tmp/a.qcf")" = "SW1: A 1 -> C 3" ] ||
    fail "--import-csv: $out"
out=$(run --import-csv "$tmp/sheet.csv" --dry-run --describe "$tmp/a.qcf" 2>&1)
[ $? -eq 2 ] || fail "two modes at once: $out"

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all passed"
