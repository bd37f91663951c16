#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (in build-fuzz) and runs each from its seed corpus
# under fuzz/corpus/<target>. Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
# New inputs go to a scratch folder, so the committed corpus stays small; a crash leaves its
# input in build-fuzz/artifacts and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settings_fuzz readers_fuzz model_fuzz replay_fuzz)

scripts/install-deps.sh fuzz
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZARNO_FUZZ=ON -DZARNO_TESTS=OFF -DZARNO_GUI=OFF -DZARNO_BENCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]}"

mkdir -p build-fuzz/artifacts
for t in "${targets[@]}"; do
  echo "== $t for $seconds s"
  scratch="$(mktemp -d)"
  status=0
  build-fuzz/fuzz/"$t" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/artifacts/"$t"- "$scratch" fuzz/corpus/"$t" \
    >build-fuzz/"$t".log 2>&1 || status=$?
  rm -rf "$scratch"
  grep -E '^#[0-9]+.*DONE|stat::number_of_executed_units|stat::average_exec_per_sec' \
    build-fuzz/"$t".log || true
  if [ "$status" -ne 0 ]; then
    tail -40 build-fuzz/"$t".log
    echo "$t found a fault (exit status $status)" >&2
    exit 1
  fi
done
