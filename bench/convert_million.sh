#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# zarno-cli convert beside ICU's rule-based formatter (build/bench/icu_convert), each on the
# same million random numbers of every system's range, run in turns; prints the median
# times of each and their ratio (target: ours / ICU <= 0.2).
# Systems that ICU has no formatter for are set beside ICU's Cyrillic batch on their numbers
# (marked *).
# Usage: bench/convert_million.sh [BUILD_DIR] [RUNS] [SYSTEM...]   (default: every system)
set -euo pipefail
build=${1:-build}
runs=${2:-5}
only=("${@:3}")
cli="$build/src/cli/zarno-cli"
icu="$build/bench/icu_convert"
[[ -x $cli && -x $icu ]] || { echo "build zarno-cli and icu_convert first (-DZARNO_BENCH=ON)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# system  limit  ICU rule set  [ICU locale]
systems=(
  "cyrillic    999999     %cyrillic-lower"
  "glagolitic  2999       %cyrillic-lower *"
  "roman       399999     %roman-upper"
  "chinese     99999      spellout zh"
  "armenian    9999       %armenian-upper"
  "georgian    19999      %georgian"
  "greek-ionic 99999999   %greek-upper"
  "greek-attic 249999     %cyrillic-lower *"
  "maya        4294967295 %cyrillic-lower *"
  "hebrew      9999       %hebrew"
)

# Seconds taken by a command, with standard input and output redirected.
seconds() {
  local input=$1
  shift
  local start end
  start=$(date +%s%N)
  "$@" <"$input" >/dev/null
  end=$(date +%s%N)
  echo "scale=4; ($end - $start) / 1000000000" | bc
}

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

printf '%-12s %10s %10s %12s\n' system "ours (s)" "ICU (s)" "ours / ICU"
for row in "${systems[@]}"; do
  read -r system limit rule_set rest <<<"$row"
  if ((${#only[@]})) && [[ " ${only[*]} " != *" $system "* ]]; then continue; fi
  locale=""
  [[ ${rest:-} != "*" ]] && locale=${rest:-}
  input="$work/$system.txt"
  python3 -c "import random; random.seed(1); print('\n'.join(str(random.randint(1, $limit)) for _ in range(1000000)))" >"$input"
  ours=()
  theirs=()
  for ((i = 0; i < runs; i++)); do
    ours+=("$(seconds "$input" "$cli" convert --system "$system")")
    # shellcheck disable=SC2086
    theirs+=("$(seconds "$input" "$icu" "$rule_set" $locale)")
  done
  o=$(median "${ours[@]}")
  t=$(median "${theirs[@]}")
  mark=""
  [[ ${rest:-} == "*" ]] && mark="*"
  printf '%-12s %10.3f %10.3f %12.3f\n' "$system$mark" "$o" "$t" "$(echo "scale=4; $o / $t" | bc)"
done
