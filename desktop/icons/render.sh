#!/usr/bin/env bash
# Renders the icon's PNG sizes from ninefold.svg with rsvg-convert (Debian: librsvg2-bin). Run
# it after changing the artwork and commit the PNGs; the build uses them as they are.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "$size.png" ninefold.svg
done
