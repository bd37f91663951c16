#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the window for the documentation: docs/window-<system>.png (one per numeral
# system, each with a sample number, and a few numerals wider than their field),
# docs/window-settings.png and docs/chooser.png.
# Drawn offscreen, in a temporary folder, so no display is needed and no Zarno.ini is touched.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target zarno-screenshots
QT_QPA_PLATFORM=offscreen "$build/src/ui/zarno-screenshots" docs 2> >(grep -v -e 'minimum bearings' -e 'OpenType support missing' -e 'propagateSizeHints' -e 'XDG_RUNTIME_DIR' -e 'does not support raise' >&2)
ls -1 docs/window-*.png docs/chooser.png
