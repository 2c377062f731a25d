#!/bin/sh
# Renders the committed PNG icons from the SVG; run after changing the drawing.
# Needs rsvg-convert (Debian package librsvg2-bin) and convert (imagemagick), only
# here, not for building.
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "switchpanel-config-$size.png" \
        switchpanel-config.svg
done
# The Windows program's icon, all six sizes in one file (ImageMagick).
convert switchpanel-config-16.png switchpanel-config-32.png switchpanel-config-48.png \
    switchpanel-config-64.png switchpanel-config-128.png switchpanel-config-256.png \
    switchpanel-config.ico
