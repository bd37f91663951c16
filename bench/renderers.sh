#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every numeral writer beside ICU's rule-based formatter for the same system and beside
# std::to_chars, from build/bench/numerals_bench: the repetitions of all of them interleaved
# at random, so that a change in the load of the machine falls on each alike. Prints the
# median CPU time of each, how many times ICU's time ours is (target: at least 10) and how
# many times std::to_chars's.
# Usage: bench/renderers.sh [BUILD_DIR] [REPETITIONS]
set -euo pipefail
build=${1:-build}
repetitions=${2:-9}
bench="$build/bench/numerals_bench"
[[ -x $bench ]] || { echo "build numerals_bench first (-DZARNO_BENCH=ON)" >&2; exit 2; }
json=$(mktemp)
trap 'rm -f "$json"' EXIT
"$bench" --benchmark_filter='ToChars|_Zarno$|_Icu$' --benchmark_repetitions="$repetitions" \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.1 --benchmark_format=json >"$json" 2>/dev/null
python3 - "$json" <<'PY'
import json, sys
medians = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("aggregate_name") == "median":
        medians[b["run_name"].removeprefix("BM_")] = b["cpu_time"]
floor = medians["ToChars"]
print(f"{'system':<13}{'ours (ns)':>10}{'ICU (ns)':>10}{'ICU / ours':>12}{'ours / to_chars':>17}")
order = ["Cyrillic", "Roman", "Chinese", "Armenian", "Georgian", "GreekIonic", "GreekAttic",
         "Maya", "Hebrew"]
for name in sorted((n.removesuffix("_Zarno") for n in medians if n.endswith("_Zarno")),
                   key=lambda n: order.index(n) if n in order else len(order)):
    ours = medians[name + "_Zarno"]
    icu = medians.get(name + "_Icu")
    print(f"{name:<13}{ours:>10.1f}" + (f"{icu:>10.1f}{icu / ours:>12.1f}" if icu else f"{'-':>10}{'-':>12}")
          + f"{ours / floor:>17.2f}")
print(f"{'std::to_chars':<13}{floor:>10.1f}")
PY
