#!/bin/sh
# Renders the committed PNG icons from the SVG; run after changing the drawing.
# Needs rsvg-convert (Debian package librsvg2-bin), only here, not for building.
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "switchpanel-config-$size.png" \
        switchpanel-config.svg
done
