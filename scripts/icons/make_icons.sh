#!/bin/sh
# Renders the hicolor PNG sizes of the icon from its SVG (needs rsvg-convert, Debian librsvg2-bin).
# The PNGs are kept in the tree so that a build needs no SVG renderer.
set -eu
icons=$(cd "$(dirname "$0")/../../data/icons" && pwd)
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$icons/org.kelvaro.Clock.svg" -o "$icons/org.kelvaro.Clock-$size.png"
done
