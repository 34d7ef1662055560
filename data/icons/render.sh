#!/bin/sh
# Renders the PNG sizes of the icon from its SVG (needs rsvg-convert, package librsvg2-bin).
# The PNGs are kept in the repository; run this after changing the SVG.
set -eu
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" io.github.rusk.Rusk.svg -o "io.github.rusk.Rusk-$size.png"
done
