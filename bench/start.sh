#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# The numeric start of the real program, as a player meets it: the time from
# its launch to the mapping of its window, and its peak resident memory
# (VmHWM) and threads 1.5 s after the window shows. Each start has a fresh
# home folder: a first run (the music on, playing by itself on whatever audio
# device there is) or a run with the music off. Several programs (say, two
# builds) are started side by side, in turns; medians of RUNS starts each.
# Usage: start.sh WIDTHxHEIGHT RUNS PROGRAM...
set -euo pipefail
if [ -z "${SLIDORA_IN_XVFB:-}" ]; then
  export SLIDORA_IN_XVFB=1
  exec xvfb-run -a -s "-noreset -screen 0 ${1}x24" "$0" "$@"
fi
screen=$1 runs=$2
shift 2
work=$(mktemp -d)
trap 'kill "${pid:-0}" "${spy:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
# The moment each window is mapped, as the X server tells it.
xev -root -event substructure 2>/dev/null | while IFS= read -r line; do
  case "$line" in MapNotify*) date +%s%N >>"$work/mapped" ;; esac
done &
spy=$!

# The settings of a first run, but with the music off.
settings_music_off() {
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Vantrel\\Slidora]\n'
  for value in Level=3 Color=8421376 NumColor1=16744703 NumColor2=12615808 FontColor=0 FontBold=0 FontItalic=0 \
    NumX=4 NumY=4 IsSoundOn=1 IsMusicOn=0 NumOfMusic=0; do
    printf '"%s"=dword:%08x\n' "${value%%=*}" "${value#*=}"
  done
}

# start PROGRAM MUSIC: prints "milliseconds-to-window peak-kB threads".
start() {
  rm -rf "$work/home"
  mkdir -p "$work/home/.config/Vantrel"
  if [ "$2" = off ]; then settings_music_off >"$work/home/.config/Vantrel/Slidora.reg"; fi
  local begin
  : >"$work/mapped"
  begin=$(date +%s%N)
  HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" "$1" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1 1000); do
    [ -s "$work/mapped" ] && break
    sleep 0.01
  done
  [ -s "$work/mapped" ] || { echo "the window of $1 did not appear" >&2; exit 1; }
  sleep 1.5
  echo "$((($(head -n 1 "$work/mapped") - begin) / 1000000))" \
    "$(awk '/VmHWM/ {print $2}' "/proc/$pid/status") $(ls "/proc/$pid/task" | wc -l)"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

for _ in $(seq 1 "$runs"); do
  for i in $(seq 1 $#); do
    for music in on off; do start "$(realpath "${!i}")" "$music" >>"$work/$i-$music"; done
  done
done
for i in $(seq 1 $#); do
  for music in on off; do
    echo "${!i}: numeric start on $screen, music $music: $(cut -d' ' -f1 "$work/$i-$music" | median) ms to the" \
      "window, peak memory $(($(cut -d' ' -f2 "$work/$i-$music" | median) / 1024)) MiB," \
      "$(cut -d' ' -f3 "$work/$i-$music" | median) threads (medians of $runs)"
  done
done
