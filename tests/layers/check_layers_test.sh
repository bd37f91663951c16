#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layer check passes on the tree and fails on each kind of include it exists to refuse,
# planted in a copy of the sources.
set -euo pipefail
check=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$check" "$src" >/dev/null

expect_refused() {
  local what=$1 file=$2 line=$3
  rm -rf "$work/src" && cp -r "$src" "$work/src"
  sed -i "1a $line" "$work/src/$file"
  if "$check" "$work/src" 2>/dev/null >&2; then
    echo "not refused: $what ($line in $file)" >&2
    exit 1
  fi
}

expect_refused "upward" numerals/maya.cpp '#include "core/main_window_model.h"'
expect_refused "upward to the window" core/renderers.cpp '#include "ui/widgets.h"'
expect_refused "sideways" settings/file_io.cpp '#include "numerals/maya.h"'
expect_refused "sideways on top" cli/json.cpp '#include "ui/main_window.h"'
expect_refused "relative" keypads/layout.cpp '#include "../core/host.h"'
expect_refused "Qt below the window" core/renderers.cpp '#include <QString>'
rm -rf "$work/src" && cp -r "$src" "$work/src"
echo 'int Unlisted() { return 0; }' >"$work/src/core/unlisted.cpp"
if "$check" "$work/src" 2>/dev/null >&2; then
  echo "not refused: a source file that no CMakeLists.txt names" >&2
  exit 1
fi
echo "every planted include refused, and a source file left out of the build"
