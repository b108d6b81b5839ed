#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs all of them at once:
#   tests/fuzz/run.sh            a fixed number of inputs each, from a fixed
#                                seed and the seed corpus alone (./test.sh)
#   tests/fuzz/run.sh SECONDS    each for SECONDS seconds; what they learn is
#                                kept in build-fuzz/corpus/ for the next run
# Inputs that break a target are kept in build-fuzz/findings/, each run's
# output in build-fuzz/logs/. Fails when any target found something.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-}

cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2

# Inputs for the fixed runs: well under a minute of work each.
declare -A bounded=([SavedGame]=500000 [Settings]=250000 [Ini]=200000 [BestTimes]=200000 [Jpeg]=60000 [Bmp]=30000 [Instruments]=200000)
targets=(SavedGame Settings Ini BestTimes Jpeg Bmp Instruments)
mkdir -p build-fuzz/logs build-fuzz/findings
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

run_target() {
  local target=$1 corpus options=(-print_final_stats=1 -timeout=30 -artifact_prefix="build-fuzz/findings/$target-")
  [ -f "tests/fuzz/$target.dict" ] && options+=(-dict="tests/fuzz/$target.dict")
  if [ -n "$seconds" ]; then
    corpus=build-fuzz/corpus/$target
    options+=(-max_total_time="$seconds")
  else
    corpus=$scratch/$target
    options+=(-seed=1 -runs="${bounded[$target]}")
  fi
  mkdir -p "$corpus"
  # New inputs go to the first folder; the seeds in the tree stay as they are.
  "build-fuzz/${target}Fuzz" "${options[@]}" "$corpus" "tests/fuzz/corpus/$target" >"build-fuzz/logs/$target.log" 2>&1
}

declare -A process
for target in "${targets[@]}"; do
  run_target "$target" &
  process[$target]=$!
done

status=0
for target in "${targets[@]}"; do
  result=passed
  wait "${process[$target]}" || { result=FAILED; status=1; }
  log=build-fuzz/logs/$target.log
  runs=$(sed -n 's/^stat::number_of_executed_units: //p' "$log" | tail -1)
  rate=$(sed -n 's/.*exec\/s: \([0-9]*\).*/\1/p' "$log" | tail -1)
  printf 'fuzz %-10s %-6s %10s inputs %7s a second\n' "$target" "$result" "${runs:-?}" "${rate:-?}"
  if [ "$result" = FAILED ]; then
    grep -E 'check failed|ERROR:|runtime error|SUMMARY|Test unit written' "$log" | head -8 || true
  fi
done
exit $status
