#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# Builds the Release benchmarks and prints their figures and ratios, then the
# program's peak memory with a large picture open, then the real program's
# start to its window beside its targets.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
status=0
for program in build/bench/*_bench; do
  echo "== $(basename "$program")"
  "$program" --benchmark_color=false "$@" 2>&1 | grep -v propagateSizeHints || status=1
done
echo "== memory"
bench/memory.sh build/bin/slidora || status=1
bench/memory.sh build/bin/slidora small || true
bench/window.sh build/bin/slidora || status=1
exit $status
