#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# Builds Slidora and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

# The engine, window and storage tests once more, under AddressSanitizer and
# UndefinedBehaviorSanitizer.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSLIDORA_SANITIZE=ON
cmake --build build-sanitize -j2 --target engine_tests app_tests

scripts/build.sh -DSLIDORA_SANITIZED_ENGINE_TESTS="$PWD/build-sanitize/tests/engine_tests" \
  -DSLIDORA_SANITIZED_APP_TESTS="$PWD/build-sanitize/tests/app_tests"
(cd build && ctest --output-on-failure)

# Every reader of outside data under libFuzzer, a fixed number of inputs each.
tests/fuzz/run.sh
