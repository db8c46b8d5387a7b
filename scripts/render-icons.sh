#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG (needs rsvg-convert from librsvg2-bin).
# Run after changing data/icons/org.tintora.Tintora.svg and commit the PNGs it writes.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" org.tintora.Tintora.svg -o "org.tintora.Tintora-$size.png"
done
