#!/usr/bin/env bash
# Configures and builds the Release program folder build/bin/ (extra CMake
# arguments are passed on).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build build -j2
