#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Зарно and starts the window (installing what is missing first).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
# The window and the command-line tool only: the tests and benchmarks need more packages.
cmake --preset dev -DZARNO_TESTS=OFF -DZARNO_BENCH=OFF >/dev/null
cmake --build --preset dev --target zarno zarno-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
There is no display (DISPLAY and WAYLAND_DISPLAY are unset), so the window cannot open.
Run it in a virtual display instead:   xvfb-run -a build/src/ui/zarno
or use the command-line tool:           build/src/cli/zarno-cli --help
MSG
  exit 1
fi
exec build/src/ui/zarno "$@"
