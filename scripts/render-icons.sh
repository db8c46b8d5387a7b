#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG (needs rsvg-convert from librsvg2-bin), and
# the window's icon as raw RGBA pixels (ImageMagick's convert). Run after changing
# data/icons/org.tintora.Tintora.svg and commit what it writes.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" org.tintora.Tintora.svg -o "org.tintora.Tintora-$size.png"
done
for size in 16 32 48; do
    convert "org.tintora.Tintora-$size.png" -depth 8 "rgba:window/$size.rgba"
done
