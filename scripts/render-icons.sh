#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program's icon, data/icons/zarno.svg, into the PNG sizes of the hicolor theme
# (data/icons/hicolor/<N>x<N>/apps/zarno.png). Needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 16 22 24 32 48 64 128 256; do
  out=data/icons/hicolor/${size}x${size}/apps
  mkdir -p "$out"
  rsvg-convert -w "$size" -h "$size" data/icons/zarno.svg -o "$out/zarno.png"
done
echo "rendered $(ls data/icons/hicolor | wc -l) sizes"
