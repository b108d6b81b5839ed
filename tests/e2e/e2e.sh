#!/usr/bin/env bash
# End-to-end cases: the real program in a real X server, driven like a player.
# Usage: e2e.sh PROGRAM   (run by ctest; starts its own Xvfb through xvfb-run)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${SLIDORA_IN_XVFB:-}" ]; then
  export SLIDORA_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

SLIDORA=$(realpath "$1")
WORK=$(mktemp -d)
trap 'kill "${GAME_PID:-0}" 2>/dev/null || true; rm -rf "$WORK"' EXIT
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
. "$here/lib.sh"

# Numeric cells are checkered in the two numeric colours; the blank shows the
# background and one stone may cover a cell.
case_numeric_puzzle_is_drawn() {
  start_game
  screenshot "$WORK/numeric.png"
  local board_w=$((WIN_W - 33)) cell=0 columns=0 rows=0 menu=0
  for c in $(seq 3 20); do
    local s=$((1024 / (c + 3) < 768 / (c + 3) ? 1024 / (c + 3) : 768 / (c + 3)))
    if [ $((c * s)) -eq "$board_w" ]; then columns=$c cell=$s; fi
  done
  [ "$columns" -gt 0 ] || fail "window width $WIN_W is not a numeric board beside the tool bar"
  for r in $(seq 3 20); do
    local m=$((WIN_H - 19 - r * cell))
    if [ "$m" -ge 15 ] && [ "$m" -le 40 ]; then rows=$r menu=$m; fi
  done
  [ "$rows" -gt 0 ] || fail "window height $WIN_H does not fit a numeric board"
  local checkered=0
  for r in $(seq 0 $((rows - 1))); do
    for c in $(seq 0 $((columns - 1))); do
      local px=$((WIN_X + 33 + c * cell + 4)) py=$((WIN_Y + menu + r * cell + 4))
      local colour
      colour=$(pixel "$WORK/numeric.png" "$px" "$py")
      case "$(((r + c) % 2)):$colour" in
        0:192,192,192 | 1:128,128,128 | 0:255,128,255 | 1:128,128,192) checkered=$((checkered + 1)) ;;
      esac
    done
  done
  local cells=$((rows * columns))
  [ $((cells - checkered)) -le 2 ] || fail "only $checkered of $cells cells show the numeric colours"
  echo "numeric puzzle: $rows x $columns cells of $cell pixels, $checkered checkered"
  exit_game
}

for case in $(declare -F | awk '{print $3}' | grep '^case_'); do
  echo "== $case"
  "$case"
done
echo "all end-to-end cases passed"
