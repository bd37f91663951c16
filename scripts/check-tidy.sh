#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# clang-tidy with the checks of .clang-tidy over the toolkit-free layers, on the compile
# commands of a configured build; any finding fails.
#   scripts/check-tidy.sh [BUILD_FOLDER]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -f "$build/compile_commands.json" ]; then
  echo "check-tidy: $build/compile_commands.json is missing; configure with the dev preset" >&2
  exit 2
fi
log="$build/clang-tidy.log"
# -Wno-sign-conversion: clang warns on what GCC's -Wconversion accepts in C++.
if ! find src/base src/numerals src/digits src/keypads src/settings src/core -name '*.cpp' -print0 |
  sort -z | xargs -0 -n 4 -P 2 clang-tidy -p "$build" --quiet --extra-arg=-Wno-sign-conversion \
    >"$log" 2>&1; then
  grep -E "(warning|error):" "$log" >&2 || cat "$log" >&2
  echo "check-tidy: findings above (whole output in $log)" >&2
  exit 1
fi
echo "check-tidy: clean"
