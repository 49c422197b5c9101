#!/bin/sh
# Renders the application icon, resources/icons/tessolar.svg, to the PNG sizes
# that desktops look up in the hicolor theme: resources/desktop/icons/tessolar-SIZE.png.
# Needs rsvg-convert (librsvg2-bin). Usage: tools/make_app_icons.sh (from the repository root).
set -eu
mkdir -p resources/desktop/icons
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "resources/desktop/icons/tessolar-$size.png" \
    resources/icons/tessolar.svg
done
