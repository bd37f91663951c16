#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Зарно and runs every test (installing what is missing first).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake --preset dev -DZARNO_TESTS=ON -DZARNO_GUI=ON -DZARNO_BENCH=ON -DZARNO_WERROR="${ZARNO_WERROR:-OFF}" >/dev/null
cmake --build --preset dev
ctest --preset dev -j2 --timeout 300
