#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# The real program's start as a player meets it: the time from its launch to
# its prepared window (the last drawing before the window stays still) under
# xvfb-run, and its peak resident memory (VmHWM) by then. Every case runs in
# turn with the others, 7 rounds on one X server per screen size, and each
# figure is a median. Photos are timed beside djpeg's full-size decode of the
# same file, less the numeric start on the same screen.
#
# Usage: window.sh [PROGRAM [EARLIER_PROGRAM]]
# With an earlier build of the program, it runs side by side and its figures
# are printed beside them.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/bin/slidora}")
earlier=${2:+$(realpath "$2")}
timer=$(realpath build/bench/window_timer)
rounds=${WINDOW_ROUNDS:-7}
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

if [ -z "${SLIDORA_IN_XVFB:-}" ]; then
  export SLIDORA_IN_XVFB=1
  for screen in 1920x1080 5800x3400 1280x1024; do
    xvfb-run -a -s "-screen 0 ${screen}x24" "$0" "$@" >"$cache/results-$screen"
  done
  export WINDOW_RESULTS="$cache"
  exec "$0" "$@"
fi

# ---------------------------------------------------------------- one run

# run NAME COMMAND...: one timed start, appended to the case's samples. The
# game draws its window before it decodes a photo named at start-up: the
# window must stay still longer than the slowest decode (about 1.3 s) before
# the timing ends.
run() {
  local name=$1 home
  shift
  home=$(mktemp -d)
  HOME="$home" XDG_CONFIG_HOME="$home/.config" "$timer" --quiet 2000 "$@" >>"$samples/$name" || echo "- -" >>"$samples/$name"
  rm -rf "$home"
}

slidora_cases() { # LABEL PROGRAM
  run "numeric$1" --title Slidora -- "$2"
  [ "$screen" = 1280x1024 ] && return
  run "progressive$1" --title Slidora -- "$2" "$progressive"
  [ "$screen" = 1920x1080 ] && run "baseline$1" --title Slidora -- "$2" "$baseline"
  return 0
}

one_round() {
  slidora_cases "" "$program"
  [ -n "$earlier" ] && slidora_cases "-earlier" "$earlier"
  case $screen in
  1280x1024) run fifteen --title Fifteen -- "$fifteen" ;;
  1920x1080)
    run djpeg-progressive -- djpeg -outfile /dev/null "$progressive"
    run djpeg-baseline -- djpeg -outfile /dev/null "$baseline"
    ;;
  5800x3400) run djpeg-progressive -- djpeg -outfile /dev/null "$progressive" ;;
  esac
}

if [ -z "${WINDOW_RESULTS:-}" ]; then
  screen=$(xdpyinfo | awk '/dimensions:/ {print $2}')
  samples=$(mktemp -d)
  trap 'rm -rf "$samples"' EXIT
  one_round # warm-up: files, fonts and libraries in the page cache
  rm -f "$samples"/*
  for _ in $(seq 1 "$rounds"); do one_round; done
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
  verdict=$(awk -v v="$2" -v t="$3" 'BEGIN {print (v != "" && v <= t) ? "met" : "MISSED"}')
  [ "$verdict" = met ] || status=1
  printf '%-66s %9s %s  (must reach <= %s%s, aim <= %s%s) %s\n' "$1" "$2" "$5" "$3" "$5" "$4" "$5" "$verdict"
}
ratio() { awk -v a="$1" -v b="$2" -v c="$3" 'BEGIN {if (c > 0) printf "%.2f", (a - b) / c}'; }
mb() { awk -v k="$1" 'BEGIN {if (k != "") printf "%.0f", k * 1024 / 1e6}'; }

report() { # SUFFIX
  local s=$1 n1080 n5800 n1280
  n1080=$(figure 1920x1080 "numeric$s" ms)
  n5800=$(figure 5800x3400 "numeric$s" ms)
  n1280=$(figure 1280x1024 "numeric$s" ms)
  echo "numeric start: $n1080 ms on 1920x1080, $n5800 ms on 5800x3400, $n1280 ms on 1280x1024;" \
    "SGT Fifteen $(figure 1280x1024 fifteen ms) ms; djpeg full size: baseline" \
    "$(figure 1920x1080 djpeg-baseline ms) ms, progressive $(figure 1920x1080 djpeg-progressive ms) ms"
  echo "photo starts: baseline $(figure 1920x1080 "baseline$s" ms) ms, progressive" \
    "$(figure 1920x1080 "progressive$s" ms) ms on 1920x1080, $(figure 5800x3400 "progressive$s" ms) ms on 5800x3400"
  line "18 MP baseline on 1920x1080 - numeric start, / djpeg" \
    "$(ratio "$(figure 1920x1080 "baseline$s" ms)" "$n1080" "$(figure 1920x1080 djpeg-baseline ms)")" 1.0 0.6 ""
  line "peak memory, that photo" "$(mb "$(figure 1920x1080 "baseline$s" kB)")" 110 80 " MB"
  line "18 MP progressive on 1920x1080 - numeric start, / djpeg" \
    "$(ratio "$(figure 1920x1080 "progressive$s" ms)" "$n1080" "$(figure 1920x1080 djpeg-progressive ms)")" 1.2 1.05 ""
  line "18 MP progressive 1:1 on 5800x3400 - numeric start, / djpeg" \
    "$(ratio "$(figure 5800x3400 "progressive$s" ms)" "$n5800" "$(figure 5800x3400 djpeg-progressive ms)")" 1.3 1.1 ""
  line "peak memory, numeric start on 1280x1024" "$(mb "$(figure 1280x1024 "numeric$s" kB)")" 45 40 " MB"
  line "numeric start / SGT Fifteen's start, 1280x1024" \
    "$(ratio "$n1280" 0 "$(figure 1280x1024 fifteen ms)")" 0.75 0.5 ""
  line "numeric start on 5800x3400" "$n5800" 342 342 " ms"
}

echo "== window (medians of $rounds starts, side by side)"
report ""
mine=$status
if [ -n "$earlier" ]; then
  echo "-- the earlier build, side by side:"
  report "-earlier"
fi
exit $mine
