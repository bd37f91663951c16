#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Guards that zarno-cli's replay `type` and `convert` stay linear: the same number of digits is
# given once as many short numbers and once as fewer numbers ten times as long (1 000 and
# 10 000 digits). A linear program takes the same time for both; one that redoes the whole
# number for every digit takes ten times as long for the long numbers. Prints the medians and
# their ratio, and fails when the long numbers cost more than three times the short ones.
# Usage: bench/linearity.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-5}
cli="$build/src/cli/zarno-cli"
[[ -x $cli ]] || { echo "build zarno-cli first" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# COUNT numbers of LENGTH random digits, one a line.
numbers() {
  python3 -c "
import random, sys
random.seed(int(sys.argv[3]))
for _ in range(int(sys.argv[1])):
    print(random.choice('123456789') + ''.join(random.choice('0123456789') for _ in range(int(sys.argv[2]) - 1)))
" "$1" "$2" "$3"
}

# COUNT numbers of LENGTH digits made of leading zeros and four random digits: whole numbers
# within every range that convert hands, zeros and all, to the window's renderers.
padded() {
  python3 -c "
import random, sys
random.seed(int(sys.argv[3]))
for _ in range(int(sys.argv[1])):
    print('0' * (int(sys.argv[2]) - 4) + str(random.randint(1000, 2999)))
" "$1" "$2" "$3"
}

total=200000
for length in 1000 10000; do
  count=$((total / length))
  numbers "$count" "$length" "$length" >"$work/numbers-$length"
  padded "$count" "$length" "$length" >"$work/padded-$length"
  # Each number typed digit by digit into the field, printed, and cleared.
  sed -e 's/^/type /' -e 'a print' -e 'a click Button1' "$work/numbers-$length" >"$work/replay-$length"
done

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# Median seconds of RUNS runs of a command with standard input from a file.
timed() {
  local input=$1
  shift
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    # convert notes the numbers that the window writes as nothing and exits with 1.
    "$@" <"$input" >/dev/null 2>/dev/null || [[ $? -eq 1 ]]
    end=$(date +%s%N)
    echo "scale=4; ($end - $start) / 1000000000" | bc
  done | median
}

status=0
check() {
  local what=$1 short=$2 long=$3
  local ratio
  ratio=$(echo "scale=2; $long / $short" | bc)
  printf '%-34s 1 000 digits: %6.3f s   10 000 digits: %6.3f s   ratio %5.2f\n' \
    "$what ($total digits)" "$short" "$long" "$ratio"
  if (($(echo "$ratio > 3" | bc))); then
    echo "$what is not linear: ten times longer numbers cost $ratio times as much" >&2
    status=1
  fi
}

check "replay: type, print, clear" \
  "$(timed "$work/replay-1000" "$cli" replay /dev/stdin)" \
  "$(timed "$work/replay-10000" "$cli" replay /dev/stdin)"
for system in cyrillic roman; do
  check "convert --system $system" \
    "$(timed "$work/padded-1000" "$cli" convert --system "$system")" \
    "$(timed "$work/padded-10000" "$cli" convert --system "$system")"
done
exit $status
