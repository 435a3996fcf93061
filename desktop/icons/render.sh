#!/usr/bin/env bash
# Renders the icon's PNG sizes and the Windows icon file from ninefold.svg (rsvg-convert from
# librsvg2-bin, convert from ImageMagick). Run it after changing the artwork and commit the
# results; the build uses them as they are.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "$size.png" ninefold.svg
done
# The Windows resource's icon group, from the same images.
convert 16.png 32.png 48.png 256.png ninefold.ico
