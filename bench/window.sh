#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# The real program's start as a player meets it: a sound server running (a
# PulseAudio of its own into a null sink, so that the music really plays),
# the default settings, and the time from the program's launch to its
# prepared window (the last drawing before the window stays still) under
# xvfb-run, with its peak resident memory (VmHWM) by then. Every case runs in
# turn with the others, 7 rounds on one X server per screen size, and each
# figure is a median. The numeric start is timed beside a bare Qt window of
# the same menus (bench/bare_window); photos beside djpeg's full-size decode
# of the same file, less the numeric start on the same screen.
#
# Every start waits WINDOW_PAUSE seconds (1 by default) first. Started back
# to back, a program gets the memory the one before it just gave back, which
# this virtual machine hands out faster than memory it has not used lately:
# the starts then alternate between fast and slow and their medians jump.
# After a pause each one meets memory as a player's start does.
#
# Usage: window.sh [PROGRAM [EARLIER_PROGRAM]]
# With an earlier build of the program, it runs side by side and its figures
# are printed beside them. WINDOW_SCREENS="1280x1024" measures one screen
# again and reports it with the others' last figures.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/bin/slidora}")
earlier=${2:+$(realpath "$2")}
timer=$(realpath build/bench/window_timer)
bare=$(realpath build/bench/bare_window)
rounds=${WINDOW_ROUNDS:-7}
pause=${WINDOW_PAUSE:-1}
cache=$(realpath -m "${SLIDORA_BENCH_CACHE:-build/bench-cache}")

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# The 18 MP photos: the mate photo, stored progressive, and the same photo
# made a baseline camera JPEG. Fetched once into the cache, never committed.
prepare_photos() {
  progressive="$cache/Elephants_5640x3172.jpg"
  baseline="$cache/baseline-5640x3172-q92.jpg"
  mkdir -p "$cache"
  if [ ! -s "$progressive" ]; then
    local unpack
    unpack=$(mktemp -d)
    (cd "$unpack" && apt-get download mate-backgrounds >/dev/null 2>&1) || {
      echo "cannot fetch mate-backgrounds"
      exit 1
    }
    dpkg-deb -x "$unpack"/mate-backgrounds_*.deb "$unpack/files"
    cp "$(find "$unpack/files" -name Elephants_5640x3172.jpg | head -n 1)" "$progressive"
    rm -rf "$unpack"
  fi
  if [ ! -s "$baseline" ]; then
    djpeg "$progressive" | cjpeg -quality 92 >"$baseline.part"
    mv "$baseline.part" "$baseline"
  fi
}

fifteen=/usr/games/sgt-fifteen
if [ ! -x "$fifteen" ]; then
  as_root apt-get install -y --no-install-recommends sgt-puzzles >/dev/null
fi
prepare_photos

# start_sound_server: a PulseAudio of the bench's own with a null sink, which
# takes sound at the pace of a sound card; PULSE_SERVER leads every program to it.
start_sound_server() {
  local folder=$1
  mkdir -p "$folder/runtime"
  HOME="$folder" XDG_RUNTIME_DIR="$folder/runtime" pulseaudio -n --daemonize=no --system=no \
    --use-pid-file=no --exit-idle-time=-1 --log-target=file:"$folder/log" \
    --load=module-null-sink --load="module-native-protocol-unix auth-anonymous=1 socket=$folder/native" &
  sound_server=$!
  for _ in $(seq 1 100); do
    [ -S "$folder/native" ] && break
    sleep 0.1
  done
  [ -S "$folder/native" ] || { echo "the sound server did not start" >&2; exit 1; }
  export PULSE_SERVER="unix:$folder/native"
}

if [ -z "${SLIDORA_IN_XVFB:-}" ]; then
  export SLIDORA_IN_XVFB=1
  command -v pulseaudio >/dev/null || as_root apt-get install -y --no-install-recommends pulseaudio >/dev/null
  sound_folder=$(mktemp -d)
  trap 'kill "${sound_server:-0}" 2>/dev/null || true; rm -rf "$sound_folder"' EXIT
  start_sound_server "$sound_folder"
  for screen in ${WINDOW_SCREENS:-1920x1080 5800x3400 1280x1024}; do
    xvfb-run -a -s "-noreset -screen 0 ${screen}x24" "$0" "$@" >"$cache/results-$screen"
  done
  WINDOW_RESULTS="$cache" "$0" "$@"
  exit
fi

# ---------------------------------------------------------------- one run

# run NAME COMMAND...: one timed start, appended to the case's samples. The
# game draws its window before it decodes a photo named at start-up: the
# window must stay still longer than the slowest decode (about 1.3 s) before
# the timing ends.
# With SETTINGS=FILE the program starts with those settings.
run() {
  local name=$1 home
  shift
  home=$(mktemp -d)
  if [ -n "${SETTINGS:-}" ]; then
    mkdir -p "$home/.config/Vantrel"
    cp "$SETTINGS" "$home/.config/Vantrel/Slidora.reg"
  fi
  sleep "$pause"
  HOME="$home" XDG_CONFIG_HOME="$home/.config" "$timer" --quiet 2000 "$@" >>"$samples/$name" || echo "- -" >>"$samples/$name"
  rm -rf "$home"
}

slidora_cases() { # LABEL PROGRAM
  run "numeric$1" --title Slidora -- "$2"
  if [ "$screen" = 1280x1024 ]; then
    SETTINGS=$silent run "silent$1" --title Slidora -- "$2"
    return
  fi
  run "progressive$1" --title Slidora -- "$2" "$progressive"
  [ "$screen" = 1920x1080 ] && run "baseline$1" --title Slidora -- "$2" "$baseline"
  return 0
}

# one_round [SWAP]: every case once. With SWAP the earlier build goes first:
# the program that starts second gets the memory the first one just gave
# back, which a virtual machine hands out faster than memory not used lately,
# so the order changes from round to round.
one_round() {
  if [ -n "${1:-}" ] && [ -n "$earlier" ]; then
    slidora_cases "-earlier" "$earlier"
    slidora_cases "" "$program"
  else
    slidora_cases "" "$program"
    [ -n "$earlier" ] && slidora_cases "-earlier" "$earlier"
  fi
  run bare --title Bare -- "$bare" "${window_size[@]}"
  case $screen in
  1280x1024) run fifteen --title Fifteen -- "$fifteen" ;;
  1920x1080)
    run djpeg-progressive -- djpeg -outfile /dev/null "$progressive"
    run djpeg-baseline -- djpeg -outfile /dev/null "$baseline"
    ;;
  5800x3400) run djpeg-progressive -- djpeg -outfile /dev/null "$progressive" ;;
  esac
}

# numeric_window_size: the game's window at its numeric start, the bare
# window's size.
numeric_window_size() {
  local home
  # A new X server may not take connections yet.
  for _ in $(seq 1 50); do
    xwininfo -root >/dev/null 2>&1 && break
    sleep 0.1
  done
  home=$(mktemp -d)
  HOME="$home" XDG_CONFIG_HOME="$home/.config" "$program" >"$home/log" 2>&1 &
  local pid=$! id=""
  for _ in $(seq 1 300); do
    id=$(xwininfo -root -tree 2>/dev/null | awk '/"Slidora": \("slidora"/ {print $1; exit}')
    [ -n "$id" ] && break
    sleep 0.1
  done
  if [ -n "$id" ]; then
    sleep 0.5
    xwininfo -id "$id" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}'
  else
    echo "the game's window did not appear: the bare window takes its default size; the game said:" >&2
    grep -v '^ALSA lib' "$home/log" >&2 || true
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -rf "$home"
}

# write_silent_settings FILE: the first run's settings with the music off.
write_silent_settings() {
  cat >"$1" <<'END'
REGEDIT4

[HKEY_CURRENT_USER\Software\Vantrel\Slidora]
"Level"=dword:00000003
"Color"=dword:00808000
"NumColor1"=dword:00ff80ff
"NumColor2"=dword:00c08080
"FontColor"=dword:00000000
"FontBold"=dword:00000000
"FontItalic"=dword:00000000
"FontName"="Arial"
"NumX"=dword:00000004
"NumY"=dword:00000004
"IsSoundOn"=dword:00000001
"IsMusicOn"=dword:00000000
"NumOfMusic"=dword:00000000
END
}

# music_plays: whether the game's music reaches the sound server on a first run.
music_plays() {
  local home playing
  home=$(mktemp -d)
  HOME="$home" XDG_CONFIG_HOME="$home/.config" "$program" >/dev/null 2>&1 &
  local pid=$!
  sleep 3
  playing=$(pactl list short sink-inputs 2>/dev/null | wc -l)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -rf "$home"
  [ "$playing" -gt 0 ]
}

if [ -z "${WINDOW_RESULTS:-}" ]; then
  screen=$(xdpyinfo | awk '/dimensions:/ {print $2}')
  samples=$(mktemp -d)
  silent=$(mktemp)
  trap 'rm -rf "$samples" "$silent"' EXIT
  write_silent_settings "$silent"
  window_size=($(numeric_window_size))
  music_plays || echo "music never played" >&2
  one_round # warm-up: files, fonts and libraries in the page cache
  rm -f "$samples"/*
  for round in $(seq 1 "$rounds"); do one_round "$( ((round % 2)) || echo swap)"; done
  # "CASE median-ms median-peak-kB" per case
  for file in "$samples"/*; do
    printf '%s %s %s\n' "$(basename "$file")" \
      "$(awk '{print $1}' "$file" | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}')" \
      "$(awk '{print $2}' "$file" | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}')"
  done
  exit 0
fi

# ---------------------------------------------------------------- the table

# figure SCREEN CASE ms|kB
figure() {
  awk -v c="$2" -v f="$3" '$1 == c {print (f == "ms" ? $2 : $3)}' "$WINDOW_RESULTS/results-$1"
}

status=0
# line LABEL VALUE TARGET AIM UNIT: VALUE must be at most TARGET.
line() {
  local verdict
  verdict=$(awk -v v="$2" -v t="$3" 'BEGIN {print v == "" ? "not measured" : v <= t ? "met" : "MISSED"}')
  [ "$verdict" = met ] || status=1
  printf '%-66s %9s %s  (must reach <= %s%s, aim <= %s%s) %s\n' "$1" "$2" "$5" "$3" "$5" "$4" "$5" "$verdict"
}
# beside LABEL VALUE UNIT: a figure that has no target, shown for comparison.
beside() { printf '%-66s %9s %s  (for comparison)\n' "$1" "$2" "$3"; }
ratio() { awk -v a="$1" -v b="$2" -v c="$3" 'BEGIN {if (a != "" && c > 0) printf "%.2f", (a - b) / c}'; }
mb() { awk -v k="$1" 'BEGIN {if (k != "") printf "%.0f", k * 1024 / 1e6}'; }

report() { # SUFFIX
  local s=$1 n1080 n5800 n1280
  n1080=$(figure 1920x1080 "numeric$s" ms)
  n5800=$(figure 5800x3400 "numeric$s" ms)
  n1280=$(figure 1280x1024 "numeric$s" ms)
  echo "numeric start: $n1080 ms on 1920x1080, $n5800 ms on 5800x3400, $n1280 ms on 1280x1024;" \
    "bare Qt window $(figure 1280x1024 bare ms) ms, $(mb "$(figure 1280x1024 bare kB)") MB;" \
    "SGT Fifteen $(figure 1280x1024 fifteen ms) ms, $(mb "$(figure 1280x1024 fifteen kB)") MB"
  echo "djpeg full size: baseline $(figure 1920x1080 djpeg-baseline ms) ms, progressive" \
    "$(figure 1920x1080 djpeg-progressive ms) ms; photo starts: baseline $(figure 1920x1080 "baseline$s" ms) ms," \
    "progressive $(figure 1920x1080 "progressive$s" ms) ms on 1920x1080, $(figure 5800x3400 "progressive$s" ms) ms on 5800x3400"
  line "numeric start / a bare Qt window's start, 1280x1024" \
    "$(ratio "$n1280" 0 "$(figure 1280x1024 bare ms)")" 1.10 1.0 ""
  line "peak memory, numeric start with the music playing" "$(mb "$(figure 1280x1024 "numeric$s" kB)")" 45 40 " MB"
  beside "  the same start with the music off: its peak memory" "$(mb "$(figure 1280x1024 "silent$s" kB)")" " MB"
  line "numeric start on 5800x3400 / on 1280x1024" "$(ratio "$n5800" 0 "$n1280")" 1.6 1.3 ""
  beside "  a bare Qt window of the game's size: on 5800x3400 / on 1280x1024" \
    "$(ratio "$(figure 5800x3400 bare ms)" 0 "$(figure 1280x1024 bare ms)")" ""
  beside "  the numeric start on 5800x3400 / that bare Qt window's" "$(ratio "$n5800" 0 "$(figure 5800x3400 bare ms)")" ""
  line "18 MP baseline on 1920x1080 - numeric start, / djpeg" \
    "$(ratio "$(figure 1920x1080 "baseline$s" ms)" "$n1080" "$(figure 1920x1080 djpeg-baseline ms)")" 1.0 0.6 ""
  line "peak memory, that photo" "$(mb "$(figure 1920x1080 "baseline$s" kB)")" 80 80 " MB"
  line "18 MP progressive on 1920x1080 - numeric start, / djpeg" \
    "$(ratio "$(figure 1920x1080 "progressive$s" ms)" "$n1080" "$(figure 1920x1080 djpeg-progressive ms)")" 1.1 1.0 ""
  line "peak memory, that photo" "$(mb "$(figure 1920x1080 "progressive$s" kB)")" 110 110 " MB"
  line "18 MP progressive 1:1 on 5800x3400 - numeric start, / djpeg" \
    "$(ratio "$(figure 5800x3400 "progressive$s" ms)" "$n5800" "$(figure 5800x3400 djpeg-progressive ms)")" 1.25 1.1 ""
}

echo "== window (medians of $rounds starts, side by side)"
report ""
mine=$status
if [ -n "$earlier" ]; then
  echo "-- the earlier build, side by side:"
  report "-earlier"
fi
exit $mine
