#!/usr/bin/env bash
# Times zarno-cli convert on a million numbers from standard input (target: under 0.3 s).
# Usage: bench/convert_million.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
cli="$build/src/cli/zarno-cli"
input=$(mktemp)
trap 'rm -f "$input"' EXIT
python3 -c 'import random; random.seed(1); print("\n".join(str(random.randint(1, 999999)) for _ in range(1000000)))' >"$input"
for system in cyrillic roman maya; do
  start=$(date +%s.%N)
  "$cli" convert --system "$system" <"$input" >/dev/null
  end=$(date +%s.%N)
  printf '%-10s 1000000 numbers in %.3f s\n' "$system" "$(echo "$end - $start" | bc)"
done
