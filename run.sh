#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# Builds Slidora and starts it: ./run.sh [picture-or-saved-game]
set -euo pipefail
# The game is started from the project folder: make a relative path absolute first.
args=()
for arg in "$@"; do
  if [ -e "$arg" ]; then args+=("$(realpath "$arg")"); else args+=("$arg"); fi
done
cd "$(dirname "$0")"
scripts/build.sh
exec build/bin/slidora "${args[@]}"
