#!/usr/bin/env bash
# Builds the Release benchmarks and prints their figures and ratios.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
status=0
for program in build/bench/*_bench; do
  echo "== $(basename "$program")"
  "$program" --benchmark_color=false "$@" || status=1
done
exit $status
