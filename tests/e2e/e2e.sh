#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# End-to-end cases: the real program in a real X server, driven like a player.
# Usage: e2e.sh PROGRAM [CASE...]   (run by ctest; starts its own Xvfb through
# xvfb-run; without CASE, every case runs)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${SLIDORA_IN_XVFB:-}" ]; then
  export SLIDORA_IN_XVFB=1
  exec xvfb-run -a -s "-noreset -screen 0 1024x768x24" "$0" "$@"
fi

WORK=$(mktemp -d)
trap 'if [ -n "${GAME_PID:-}" ]; then kill "$GAME_PID" 2>/dev/null || true; fi; rm -rf "$WORK"' EXIT
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# A copy of the program with its files, so that what it writes beside itself
# (the best times) starts empty and stays here.
mkdir "$WORK/bin"
cp -r "$(dirname "$(realpath "$1")")"/. "$WORK/bin/"
rm -rf "$WORK/bin/Scores"
SLIDORA="$WORK/bin/$(basename "$1")"
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

# board_crop FILE OUT: the board part of a screenshot (right of the tool bar,
# below the menu bar, above the status bar).
board_crop() {
  convert "$1" -crop "$((WIN_W - 33))x$((WIN_H - 60))+$((WIN_X + 33))+$((WIN_Y + 30))" +repage "$2"
}

# differs A B: the two pictures differ in some pixels.
differs() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1)" != "0" ]; }

# wait_dialog TITLE: the window of a dialog that must open.
wait_dialog() {
  local box=""
  for _ in $(seq 1 30); do
    box=$(dialog_window "$1")
    [ -n "$box" ] && break
    sleep 0.1
  done
  [ -n "$box" ] || fail "no dialog titled $1 appeared"
  echo "$box"
}

# answer_question KEY: presses a key in the question box, which must be open.
answer_question() {
  local box
  box=$(wait_dialog '^Slidora$')
  xdotool windowfocus "$box" 2>/dev/null || true
  sleep 0.2
  xdotool key --clearmodifiers "$1"
  sleep 0.3
}

# answer_question_typing TEXT: types a text into the open input box and confirms.
answer_question_typing() {
  local box
  box=$(wait_dialog '^Slidora$')
  xdotool windowfocus "$box" 2>/dev/null || true
  sleep 0.2
  xdotool type --delay 20 "$1"
  xdotool key --clearmodifiers Return
  sleep 0.3
}

# solve_as NAME: in a game saved unscrambled, a slide away and back solves
# it; NAME is typed for the best time and the Best Times list closed with OK.
solve_as() {
  keys Right Left
  answer_question_typing "$1"
  local list
  list=$(wait_dialog 'Best Times')
  xdotool windowfocus "$list" 2>/dev/null || true
  sleep 0.3
  xdotool key --clearmodifiers Return
  sleep 0.5
}

case_keys_play_and_closing_a_game_asks() {
  start_game
  keys alt+l b # Beginner: no stones, so the blank always has two neighbours
  sleep 0.3
  screenshot "$WORK/ready.png"; board_crop "$WORK/ready.png" "$WORK/ready-board.png"
  keys F2
  sleep 0.3
  screenshot "$WORK/scrambled.png"; board_crop "$WORK/scrambled.png" "$WORK/scrambled-board.png"
  differs "$WORK/ready-board.png" "$WORK/scrambled-board.png" || fail "F2 did not scramble the board"

  local moved=0 previous="$WORK/scrambled-board.png"
  for key in Left Up Right Down; do
    keys "$key"
    sleep 0.2
    screenshot "$WORK/after-$key.png"; board_crop "$WORK/after-$key.png" "$WORK/after-$key-board.png"
    differs "$previous" "$WORK/after-$key-board.png" && moved=$((moved + 1))
    previous="$WORK/after-$key-board.png"
  done
  [ "$moved" -ge 2 ] || fail "arrow keys moved tiles only $moved times"

  keys alt+g x
  answer_question Escape
  kill -0 "$GAME_PID" 2>/dev/null || fail "Cancel in the save question closed the program"
  keys alt+g x
  answer_question alt+n
  wait_exit 10 || fail "the program ended with an error"
}

# save_game FILE: Ctrl+S, the file's path typed into the save dialog.
save_game() {
  keys ctrl+s
  local box
  box=$(wait_dialog 'Save Game')
  xdotool windowfocus "$box" 2>/dev/null || true
  sleep 0.3
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 20 "$1"
  xdotool key --clearmodifiers Return
  for _ in $(seq 1 50); do [ -s "$1" ] && break; sleep 0.1; done
  [ -s "$1" ] || fail "Ctrl+S did not save $1"
  sleep 0.3
}

# saved_seconds FILE: the playing time a saved game holds.
saved_seconds() { od -An -t u4 -j 264 -N 4 "$1" | tr -d ' '; }

case_a_saved_game_resumes_from_the_command_line_and_ends_with_a_best_time() {
  convert -seed 4 -size 640x480 plasma:fractal "$WORK/sunset.jpg"
  start_game "$WORK/sunset.jpg"
  keys alt+l b
  sleep 0.3
  # A game on the solved board: saved and reopened, it runs from the stored time.
  save_game "$WORK/solved.sdr"
  keys F2
  sleep 2.5 # with the window active
  save_game "$WORK/scrambled.sdr"
  screenshot "$WORK/played.png"; board_crop "$WORK/played.png" "$WORK/played-board.png"
  local played
  played=$(saved_seconds "$WORK/scrambled.sdr")
  [ "$played" -ge 2 ] || fail "a game played for 2.5 s saved $played seconds"
  [ "$(stat -c %s "$WORK/scrambled.sdr")" -eq $((288 + 32 * 16 + 16)) ] || fail "the saved game has the wrong size"
  keys alt+g x
  answer_question alt+n
  wait_exit 10 || fail "the program ended with an error"

  start_game "$WORK/scrambled.sdr"
  screenshot "$WORK/resumed.png"; board_crop "$WORK/resumed.png" "$WORK/resumed-board.png"
  differs "$WORK/played-board.png" "$WORK/resumed-board.png" && fail "the resumed board differs from the saved one"
  focus_game # the clock runs only while the window is active
  sleep 1.5
  save_game "$WORK/again.sdr"
  local again
  again=$(saved_seconds "$WORK/again.sdr")
  [ "$again" -gt "$played" ] && [ "$again" -le $((played + 8)) ] ||
    fail "resumed at $played seconds, saved again at $again"
  keys alt+g x
  answer_question alt+n
  wait_exit 10 || fail "the program ended with an error"

  start_game "$WORK/solved.sdr"
  solve_as "Ann"
  local scores="$WORK/bin/Scores/Scores1s.ini"
  [ -f "$scores" ] || fail "no best times in $scores"
  grep -q "^\[$WORK/sunset.jpg\]" "$scores" || fail "no section for the picture in $scores"
  grep -Eq '^0= 4~ 4 \(16 pieces\)~Ann~[0-9]+$' "$scores" || fail "no best time for Ann: $(cat "$scores")"
  exit_game
}

# open_image FILE: Ctrl+O, the file's path typed into the Open Image dialog.
open_image() {
  keys ctrl+o
  local box
  box=$(wait_dialog 'Open Image')
  xdotool windowfocus "$box" 2>/dev/null || true
  sleep 0.3
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 10 "$1"
  xdotool key --clearmodifiers Return
  sleep 0.8
}

case_reopen_thumbnail_and_custom_pieces() {
  local colours=(red lime blue yellow magenta) reg="$XDG_CONFIG_HOME/Vantrel/Slidora.reg"
  for i in 0 1 2 3 4; do convert -size 640x480 "xc:${colours[$i]}" "$WORK/pic$i.jpg"; done
  start_game
  for i in 0 1 2 3 4; do open_image "$WORK/pic$i.jpg"; done
  keys alt+g r 2 # the second newest: pic3
  sleep 0.8
  grep -q "^\"MRUL0\"=\"$WORK/pic3.jpg\"" "$reg" && grep -q "^\"MRUL3\"=\"$WORK/pic1.jpg\"" "$reg" ||
    fail "Reopen > 2 left $(grep MRUL "$reg")"

  keys alt+o t
  sleep 0.8
  local thumb
  thumb=$(xdotool search --onlyvisible --name '^Thumbnail$' | head -n 1)
  [ -n "$thumb" ] || fail "no thumbnail window"
  eval "$(xdotool getwindowgeometry --shell "$thumb" | grep -E '^(X|Y|WIDTH|HEIGHT)=')" # not WINDOW, the game's
  [ "$WIDTH x $HEIGHT at $X,$Y" = "320 x 240 at 703,527" ] || fail "thumbnail $WIDTH x $HEIGHT at $X,$Y"
  open_image "$WORK/pic0.jpg"
  screenshot "$WORK/thumbnail.png"
  [[ "$(pixel "$WORK/thumbnail.png" 860 640)" =~ ^2[0-9][0-9],[0-9]{1,2},[0-9]{1,2}$ ]] ||
    fail "the thumbnail does not show the new, red picture"

  keys F2 alt+p u
  local box
  box=$(wait_dialog 'Custom Pieces')
  xdotool windowfocus "$box" 2>/dev/null || true
  sleep 0.2
  xdotool key --clearmodifiers Up Return # one more row
  sleep 0.8
  [ -z "$(dialog_window '^Slidora$')" ] || fail "OK in Custom Pieces asked a question"
  exit_game
  grep -q '^"NumY"=dword:00000005$' "$reg" || fail "the custom grid was not kept: $(grep Num "$reg")"
}

# The first run plays music by itself; with no audio device it says so in the
# status bar, not in a box. OK in Set Music asks for the music, so the missing
# device is told in a box then. The playlist edited there is stored at Exit.
case_music_without_a_device_and_the_playlist_kept() {
  start_game
  sleep 1
  [ -z "$(dialog_window '^Slidora$')" ] || fail "a message box appeared at the start"
  keys alt+o m
  local box
  box=$(wait_dialog '^Set Music$')
  sleep 0.3
  screenshot "$WORK/set-music.png"
  local X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$box" | grep -v '^WINDOW=')"
  [ "$WIDTH" -eq 409 ] && [ "$HEIGHT" -eq 248 ] || fail "Set Music is ${WIDTH}x${HEIGHT}"
  # The first entry, Remove, OK.
  xdotool mousemove $((X + 60)) $((Y + 32)) click 1
  sleep 0.2
  xdotool mousemove $((X + 352)) $((Y + 172)) click 1
  sleep 0.2
  xdotool mousemove $((X + 150)) $((Y + 228)) click 1
  sleep 0.5
  [ -z "$(dialog_window '^Set Music$')" ] || fail "OK did not close Set Music"
  answer_question Return # OK asked for the music: the missing device is told in a box
  exit_game
  local settings="$XDG_CONFIG_HOME/Vantrel/Slidora.reg"
  grep -q '^"NumOfMusic"=dword:00000004$' "$settings" || fail "the playlist was not stored: $(cat "$settings")"
  grep -q "^\"Music0\"=\"$WORK/bin/harbour.mid\"$" "$settings" || fail "Music0 is not harbour.mid: $(cat "$settings")"
}

# synthesizer_loaded: the running program has FluidSynth in its memory.
synthesizer_loaded() { grep -q libfluidsynth "/proc/$GAME_PID/maps"; }

# With the music off the program holds nothing of the synthesizer, nor of
# Qt's image plugins or the sound library, which only pictures and sounds
# need; switched on, it loads the music module from beside itself (and, with no audio device,
# says in a box that the music cannot play). Without the module the music
# fails with a box too, and the game goes on.
case_music_loads_its_module_only_when_switched_on() {
  local settings="$XDG_CONFIG_HOME/Vantrel/Slidora.reg"
  cp "$settings" "$WORK/settings-before" 2>/dev/null || true
  rm -f "$settings"
  start_game # a first run: the music is on
  keys alt+o s # off
  exit_game
  start_game
  sleep 1
  ! synthesizer_loaded || fail "the synthesizer was loaded with the music off"
  ! grep -E "imageformats|libcanberra" "/proc/$GAME_PID/maps" || fail "the numeric start loaded the libraries above"
  keys alt+o s # on
  answer_question Return
  synthesizer_loaded || fail "switching the music on did not load the music module"
  exit_game

  mv "$WORK/bin/slidora-music.so" "$WORK/slidora-music.so"
  start_game
  keys alt+o s alt+o s # off and on again
  answer_question Return
  kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended without its music module"
  ! synthesizer_loaded || fail "a synthesizer was loaded without the music module"
  exit_game
  mv "$WORK/slidora-music.so" "$WORK/bin/slidora-music.so"
  if [ -f "$WORK/settings-before" ]; then cp "$WORK/settings-before" "$settings"; else rm -f "$settings"; fi
}


# kept_games: the games kept at the end of sessions, one a line.
kept_games() { ls "$HOME"/.local/share/Vantrel/Slidora/autosave*.sdr 2>/dev/null || true; }

# The end of a session (SIGTERM, SIGHUP, SIGINT) closes the game as Exit does,
# with no question: the settings stay, and a running game is offered at the
# next start, even when the signal came while a question was open; an
# unanswered offer keeps it, and only No lets it go.
case_a_signal_keeps_the_settings_and_the_running_game() {
  start_game
  keys alt+l b F2
  sleep 1.2
  kill -TERM "$GAME_PID"
  wait_exit 10 || fail "the program ended with an error after SIGTERM"
  grep -q '^"Level"=dword:00000001$' "$XDG_CONFIG_HOME/Vantrel/Slidora.reg" || fail "the level was not kept"
  local kept
  kept=$(kept_games)
  [ "$(echo "$kept" | grep -c .)" -eq 1 ] || fail "not one kept game: $kept"
  [ "$(saved_seconds "$kept")" -ge 1 ] || fail "the kept game lost its time"

  start_game
  wait_dialog '^Slidora$' >/dev/null # the offer
  kill -INT "$GAME_PID" # the session ends again while the question is open
  wait_exit 10 || fail "the program ended with an error after SIGINT"
  [ -s "$kept" ] || fail "a question left unanswered removed the kept game"

  start_game
  answer_question alt+y
  [ -z "$(kept_games)" ] || fail "the kept game was offered but not removed"
  keys alt+g x # the game runs again: the save question is open now
  dialog_window '^Slidora$' | grep -q . || fail "the kept game was not resumed"
  kill -HUP "$GAME_PID"
  wait_exit 10 || fail "the program ended with an error after SIGHUP"
  [ -n "$(kept_games)" ] || fail "the game was not kept when the signal came during a question"

  start_game
  answer_question alt+n
  [ -z "$(kept_games)" ] || fail "No did not remove the kept game"
  exit_game
}

# Two copies at the end of a session each keep their game, and the next
# start offers both; with settings that cannot be written, the end comes at
# once all the same (nobody is there to answer a message).
case_two_copies_at_the_end_of_a_session_keep_both_games() {
  start_game
  local first=$GAME_PID
  keys F2
  start_game
  for _ in $(seq 1 50); do # the second copy's own window
    WINDOW=$(xdotool search --all --onlyvisible --pid "$GAME_PID" --name '^Slidora$' 2>/dev/null | head -n 1 || true)
    [ -n "$WINDOW" ] && break
    sleep 0.1
  done
  keys F2
  sleep 1.2
  chmod a-w "$XDG_CONFIG_HOME/Vantrel"
  kill -TERM "$first" "$GAME_PID"
  GAME_PID=$first wait_exit 2 || fail "the first copy did not end at once"
  wait_exit 2 || fail "the second copy did not end at once"
  chmod u+w "$XDG_CONFIG_HOME/Vantrel"
  [ "$(kept_games | grep -c .)" -eq 2 ] || fail "not both games were kept: $(kept_games)"
  start_game
  answer_question alt+n
  answer_question alt+n
  [ -z "$(kept_games)" ] || fail "the two kept games were not both offered"
  exit_game
}

# The X server goes away under a running game: the game is kept as at the
# end of a session.
case_a_lost_display_keeps_the_running_game() {
  local display=:$((RANDOM % 200 + 300))
  Xvfb "$display" -noreset -screen 0 1024x768x24 >/dev/null 2>&1 &
  local server=$!
  sleep 1
  DISPLAY=$display "$SLIDORA" >"$WORK/lost.log" 2>&1 &
  GAME_PID=$!
  sleep 2
  local window
  window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Slidora$' | head -n 1)
  DISPLAY=$display xdotool windowfocus "$window" key F2
  sleep 1
  kill "$server"
  wait "$GAME_PID" || true
  [ -n "$(kept_games)" ] || fail "the game was lost with the display: $(cat "$WORK/lost.log")"
  for game in $(kept_games); do rm -f "$game"; done
}

# project_version: the version CMakeLists.txt gives the project.
project_version() { sed -n 's/^project(Slidora VERSION \([0-9.]*\) .*/\1/p' "$here/../../CMakeLists.txt"; }

# The version is answered without a display, and with the project's version,
# as in the help; an unknown option is refused with the usage.
case_the_command_line_is_answered_without_a_display() {
  local version out status=0
  version=$(project_version)
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$SLIDORA" --version) || fail "--version failed without a display"
  [ "$out" = "Slidora $version" ] || fail "--version printed \"$out\", not Slidora $version"
  grep -q "version $version," "$WORK/bin/slidora.html" || fail "the help does not name version $version"
  env -u DISPLAY -u WAYLAND_DISPLAY "$SLIDORA" --no-such-option >"$WORK/out.log" 2>"$WORK/err.log" || status=$?
  [ "$status" -eq 2 ] || fail "an unknown option ended with status $status, not 2"
  grep -q '^Usage: slidora \[PICTURE | GAME.sdr\]$' "$WORK/err.log" || fail "no usage for an unknown option: $(cat "$WORK/err.log")"
  [ ! -s "$WORK/out.log" ] || fail "an unknown option printed on the standard output"
}

. "$here/installed.sh"
# On a session bus of its own, where the accessibility bus starts on demand, a
# screen reader's view over AT-SPI: the board a table of named cells that
# change after a slide, the tool buttons named.
case_a_screen_reader_reads_the_board_and_its_slides() {
  dbus-run-session -- bash -c '
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >"$2/program.log" 2>&1 &
    game=$!
    "$3" Slidora >"$2/tree.txt" && "$3" Slidora slide >"$2/slide.txt"
    status=$?
    kill "$game"
    exit "$status"' tree "$SLIDORA" "$WORK" "$here/atspi-tree.py" || fail "the tree could not be read: $(cat "$WORK"/*.txt)"
  grep -Eq '^ *table: Board, [0-9]+ x [0-9]+, (Beginner|Intermediate|Advanced)$' "$WORK/tree.txt" ||
    fail "no board table in: $(cat "$WORK/tree.txt")"
  for button in "New game" "Open image" "Set background color"; do
    grep -q "push button: $button\$" "$WORK/tree.txt" || fail "no button named $button"
  done
  grep -q '^said: .* moved \(left\|right\|up\|down\)$' "$WORK/slide.txt" || fail "no slide was said: $(cat "$WORK/slide.txt")"
  [ "$(sed '/^$/q' "$WORK/slide.txt" | grep -v '^said')" != "$(sed '1,/^$/d' "$WORK/slide.txt" | grep -v '^said')" ] ||
    fail "the cells did not change"
  echo "screen reader:"; sed 's/^/  /' "$WORK/slide.txt"
}

cases=("${@:2}")
[ ${#cases[@]} -gt 0 ] || mapfile -t cases < <(declare -F | awk '{print $3}' | grep '^case_')
for case in "${cases[@]}"; do
  echo "== $case"
  "$case"
done
echo "all ${#cases[@]} end-to-end cases passed"
