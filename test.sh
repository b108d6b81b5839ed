#!/usr/bin/env bash
# Builds Slidora and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

# The engine tests once more, under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSLIDORA_ENGINE_ONLY=ON -DSLIDORA_SANITIZE=ON
cmake --build build-sanitize -j2 --target engine_tests

scripts/build.sh -DSLIDORA_SANITIZED_ENGINE_TESTS="$PWD/build-sanitize/tests/engine_tests"
cd build
ctest --output-on-failure
