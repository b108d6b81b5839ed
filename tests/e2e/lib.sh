# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# Helpers for driving the real program in a real X server (run inside xvfb-run).
# Each case starts the program with a fresh home folder.

fail() { echo "FAIL: $*" >&2; exit 1; }

# start_game [argument]: starts build/bin/slidora, waits for its main window.
start_game() {
  "$SLIDORA" "$@" >"$WORK/program.log" 2>&1 &
  GAME_PID=$!
  WINDOW=""
  # The first start after a build may take a while on a loaded machine.
  for _ in $(seq 1 250); do
    WINDOW=$(xdotool search --onlyvisible --name '^Slidora$' 2>/dev/null | head -n 1 || true)
    [ -n "$WINDOW" ] && break
    sleep 0.1
  done
  [ -n "$WINDOW" ] || fail "no window titled Slidora appeared; the program said: $(tail -n 5 "$WORK/program.log")"
  sleep 0.5
  read_geometry
}

read_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

focus_game() { xdotool windowfocus --sync "$WINDOW" 2>/dev/null || xdotool windowfocus "$WINDOW"; sleep 0.2; }

# keys KEY...: types keys into the game window.
keys() {
  focus_game
  for key in "$@"; do xdotool key --clearmodifiers "$key"; sleep 0.15; done
}

screenshot() { import -window root "$1"; }

# pixel FILE X Y: "r,g,b" of a screen pixel.
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# wait_exit SECONDS: waits for the program to end; fails if it does not.
wait_exit() {
  for _ in $(seq 1 $(($1 * 10))); do
    kill -0 "$GAME_PID" 2>/dev/null || { wait "$GAME_PID"; return $?; }
    sleep 0.1
  done
  fail "the program did not end"
}

# exit_game: Game menu, Exit.
exit_game() {
  keys alt+g x
  wait_exit 10 || fail "the program ended with an error"
}

# The open modal dialog (a second visible window), if any.
dialog_window() {
  xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -v "^$WINDOW\$" | head -n 1 || true
}
