#!/bin/sh
# Installs the build into a temporary prefix and checks what the desktop sees:
# the program and the simulator in their places, every icon size with an alpha
# channel, the desktop entry, the AppStream metainfo, the MIME type and the
# manual page, which must document every option of --help.
# Usage: installed-tree.sh BUILD_DIR VERSION APPSTREAM_ID
set -u
build=$1 version=$2 id=$3
for tool in desktop-file-validate appstreamcli update-mime-database groff; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup all"; exit 1; }
done
prefix=$(mktemp -d) || exit 1
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || exit 1
share=$prefix/share
failed=0
fail() { echo "FAIL: $*"; failed=1; }

[ -x "$prefix/bin/switchpanel-config" ] || fail "bin/switchpanel-config missing"
[ -x "$prefix/libexec/switchpanel-config/panel-sim" ] || fail "libexec/switchpanel-config/panel-sim missing"
[ -s "$share/switchpanel-config/sample-panel.cells" ] || fail "sample panel missing"
[ -e "$prefix/bin/panel-sim" ] && fail "panel-sim is installed into bin"
[ -e "$share/pixmaps" ] && fail "share/pixmaps is still installed"

# PNG header: width and height at bytes 16..23, colour type at byte 25
# (6 = RGBA, 4 = grey with alpha).
for size in 16 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x$size/apps/switchpanel-config.png
    header=$(od -An -tu1 -j16 -N10 "$png" 2>/dev/null | tr -s ' \n' ' ')
    case $header in
        *" $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256)) 8 6 "* | \
        *" $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256)) 8 4 "*) ;;
        *) fail "$png: not a ${size}x$size PNG with alpha (header:$header)" ;;
    esac
done
[ -s "$share/icons/hicolor/scalable/apps/switchpanel-config.svg" ] || fail "scalable icon missing"

desktop=$share/applications/switchpanel-config.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
grep -qx 'Icon=switchpanel-config' "$desktop" || fail "desktop entry names another icon"
grep -qx 'Exec=switchpanel-config %f' "$desktop" || fail "desktop entry does not pass the file"

metainfo=$share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >/dev/null || {
    appstreamcli validate --no-net "$metainfo"; fail "appstreamcli validate $metainfo"; }
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo file name and <id> differ"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"

update-mime-database "$share/mime" >/dev/null 2>&1 || fail "update-mime-database"
grep -qx 'application/x-switchpanel-configuration:\*\.qcf' "$share/mime/globs" ||
    fail "*.qcf is not application/x-switchpanel-configuration"
grep -q 'application/x-switchpanel-configuration' "$desktop" || fail "desktop entry lacks the MIME type"

for unit in service timer; do
    [ -f "$prefix/lib/systemd/user/switchpanel-config-audit@.$unit" ] ||
        fail "the audit's systemd user $unit is not installed"
done

man=$share/man/man1/switchpanel-config.1.gz
warnings=$(gzip -dc "$man" | groff -man -Tascii -ww -z 2>&1)
[ -z "$warnings" ] || fail "groff warns on the manual page: $warnings"
page=$(gzip -dc "$man" | groff -man -Tascii -P-cbou 2>/dev/null)
case $page in *"switchpanel-config $version"*) ;; *) fail "manual page is not of version $version" ;; esac
options=$("$prefix/bin/switchpanel-config" --help 2>/dev/null | grep -o -- '--[a-z][a-z-]*' | sort -u)
[ -n "$options" ] || fail "--help lists no options"
for option in $options; do
    case $page in *"$option"*) ;; *) fail "manual page does not document $option" ;; esac
done

[ $failed = 0 ] && echo "installed tree checked in $prefix"
exit $failed
