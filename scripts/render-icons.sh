#!/usr/bin/env bash
# Renders the program icon's PNG sizes for the hicolor theme from its SVG.
# Run after changing resources/icons/glyphwright.svg and commit the results.
set -euo pipefail
cd "$(dirname "$0")/../resources"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" icons/glyphwright.svg --output "desktop/icons/glyphwright-$size.png"
done
