#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# Peak resident memory of the real program with a 6000 x 4000 picture open,
# beside the pixel buffers it must hold. The screen is large enough to show
# the picture 1:1; memory.sh PROGRAM small shows it smaller on 1280 x 1024.
# Usage: memory.sh PROGRAM [small]
set -euo pipefail
if [ -z "${SLIDORA_IN_XVFB:-}" ]; then
  export SLIDORA_IN_XVFB=1
  screen="8000x6000x24"
  [ "${2:-}" = small ] && screen="1280x1024x24"
  exec xvfb-run -a -s "-noreset -screen 0 $screen" "$0" "$@"
fi
program=$(realpath "$1")
work=$(mktemp -d)
trap 'kill "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/.config"

convert -size 6000x4000 gradient:'#d06020-#2040a0' -quality 90 "$work/big.jpg"
"$program" "$work/big.jpg" >/dev/null 2>&1 &
pid=$!
window=""
for _ in $(seq 1 200); do
  window=$(xdotool search --onlyvisible --name '^Slidora$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear"; exit 1; }
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"
peak_kb=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
now_kb=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
xdotool windowfocus "$window" 2>/dev/null || true
xdotool key --clearmodifiers alt+g x || true
sleep 1

picture=$((6000 * 4000 * 3))
buffer=$(((WIDTH - 33) * (HEIGHT - 40) * 4)) # the board as shown, about
backing=$((WIDTH * HEIGHT * 4))
sum=$((2 * picture + 2 * buffer + backing))
mb() { echo "$(($1 / 1000000)) MB"; }
echo "window ${WIDTH}x${HEIGHT}"
echo "$([ "${2:-}" = small ] && echo "shown smaller" || echo "shown 1:1"):"
echo "pixel buffers: Picture + OrgPicture $(mb $((2 * picture))), back buffers $(mb $((2 * buffer))), backing store $(mb $backing): sum $(mb $sum)"
echo "peak resident $(mb $((peak_kb * 1024))), resident now $(mb $((now_kb * 1024)))"
over=$((peak_kb * 1024 - sum))
echo "peak - sum = $(mb $over) (target <= 60 MB): $([ $over -le 60000000 ] && echo met || echo MISSED)"
