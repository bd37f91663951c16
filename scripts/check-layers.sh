#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refuses an include that points up or sideways between the layers of src/, Qt below the
# window, and a source file that no CMakeLists.txt names. Each layer may include its own
# headers and those of the layers it lists here; the libraries of src/CMakeLists.txt link the
# same way.
#   scripts/check-layers.sh [SOURCE_FOLDER]     (default: the src/ of this checkout)
set -euo pipefail
cd "${1:-$(dirname "$0")/../src}"

declare -A allowed=(
  [base]=""
  [numerals]="base"
  [digits]="base"
  [settings]="base"
  [keypads]="base"
  [core]="base numerals digits settings keypads"
  [cli]="base numerals digits settings keypads core"
  [ui]="base numerals digits settings keypads core"
)

faults=0
fault() {
  echo "check-layers: $1" >&2
  faults=$((faults + 1))
}

for layer in */; do
  layer=${layer%/}
  [[ -v allowed[$layer] ]] || fault "src/$layer is no layer of the list in scripts/check-layers.sh"
done

for layer in "${!allowed[@]}"; do
  [ -d "$layer" ] || continue
  while IFS=: read -r file line text; do
    [[ $text =~ \"([^\"]*)\" ]] && target=${BASH_REMATCH[1]}
    case $target in
      */*) ;;
      *) continue ;;  # a header beside the file
    esac
    [[ $target == *..* ]] && { fault "$file:$line: relative include \"$target\""; continue; }
    to=${target%%/*}
    [[ $to == "$layer" ]] && continue
    if [[ -v allowed[$to] ]]; then
      [[ " ${allowed[$layer]} " == *" $to "* ]] ||
        fault "$file:$line: $layer may not include \"$target\" ($to is not below $layer)"
    else
      fault "$file:$line: \"$target\" is in no layer"
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$layer" \
             --include='*.h' --include='*.cpp' --include='*.def' || true)
  if [[ $layer != ui ]]; then
    while IFS= read -r hit; do
      fault "$hit: Qt below the window"
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$layer" \
               --include='*.h' --include='*.cpp' || true)
  fi
done

# Source lists are explicit: a file that no CMakeLists.txt names would silently not be built.
while IFS= read -r file; do
  grep -rqwF --include=CMakeLists.txt "$(basename "$file")" . ||
    fault "$file is named in no CMakeLists.txt"
done < <(find . -name '*.cpp' -printf '%P\n')

if ((faults)); then
  echo "check-layers: $faults include(s) against the layer order" >&2
  exit 1
fi
echo "check-layers: every include points down"
