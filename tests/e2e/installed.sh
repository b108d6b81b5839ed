# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# The installed program: cmake --install into a folder of its own, then a
# player who may not write into the program's folder (nobody, when the tests
# run as root) plays through bin/slidora. Sourced by e2e.sh.

INSTALL_FROM_BUILD=$(dirname "$(dirname "$(realpath "$1")")")

# as_player_script PREFIX HOME: a script that starts the installed program as the player.
as_player_script() {
  local become=""
  if [ "$(id -u)" -eq 0 ]; then
    become="setpriv --reuid=nobody --regid=nogroup --clear-groups"
    chown -R nobody:nogroup "$2"
    chmod 711 "$WORK"
  fi
  cp "${XAUTHORITY:-$HOME/.Xauthority}" "$2/.Xauthority" 2>/dev/null && chmod 644 "$2/.Xauthority"
  cat >"$2/start" <<SCRIPT
#!/bin/sh
exec $become env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$2" XDG_RUNTIME_DIR="$2/runtime" \
  XAUTHORITY="$2/.Xauthority" "$1/bin/slidora" "\$@"
SCRIPT
  chmod 755 "$2/start"
  echo "$2/start"
}

case_an_installed_game_keeps_best_times_in_the_players_own_folder() {
  local prefix="$WORK/prefix" player="$WORK/player"
  install_to "$prefix"
  [ -L "$prefix/bin/slidora" ] || fail "no bin/slidora link"
  [ -f "$prefix/lib/slidora/slidora-music.so" ] || fail "the music module was not installed beside the program"
  desktop-file-validate "$prefix/share/applications/slidora.desktop" || fail "the desktop entry is not valid"
  grep -q 'pattern="\*\.sdr"' "$prefix/share/mime/packages/slidora.xml" || fail "the MIME type does not name *.sdr"
  [ -f "$prefix/share/mime/application/x-slidora-game.xml" ] || fail "the MIME database did not take the saved games"
  [ -f "$prefix/lib/slidora/slidora.installed" ] || fail "no marker tells the program it is installed"
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/com.vantrel.slidora.metainfo.xml" >"$WORK/appstream.log" 2>&1 ||
      fail "the metainfo file is not valid: $(cat "$WORK/appstream.log")"
  fi
  grep -q "<release version=\"$(project_version)\"" "$prefix/share/metainfo/com.vantrel.slidora.metainfo.xml" ||
    fail "the metainfo does not name the project's version"
  local language
  for language in $(sed -n 's/^Comment\[\(.*\)\]=.*/\1/p' "$prefix/share/applications/slidora.desktop"); do
    [ "$(grep -c "<\(p\|li\) xml:lang=\"$language\">" "$prefix/share/metainfo/com.vantrel.slidora.metainfo.xml")" = 5 ] ||
      fail "the metainfo's description is not in $language, as the desktop entry is"
  done
  chmod -R a-w "$prefix/lib/slidora"
  mkdir -p "$player/runtime"
  chmod 700 "$player/runtime"
  local built="$SLIDORA"
  SLIDORA=$(as_player_script "$prefix" "$player")

  start_game
  keys alt+l b
  sleep 0.3
  save_game "$player/solved.sdr"
  exit_game
  start_game "$player/solved.sdr"
  solve_as "Ann"
  exit_game
  SLIDORA="$built"
  chmod -R u+w "$prefix/lib/slidora"

  local scores="$player/.local/share/Vantrel/Slidora/Scores/Scores1.ini"
  [ -f "$scores" ] || fail "no best times in $scores"
  grep -q '^\[Numeric\]' "$scores" || fail "no section for the numeric puzzle in $scores"
  grep -Eq '^0= 4~ 4 \(16 pieces\)~Ann~[0-9]+$' "$scores" || fail "no best time for Ann: $(cat "$scores")"
  [ ! -e "$prefix/lib/slidora/Scores" ] || fail "the installed program wrote into its own folder"
}

# install_to PREFIX: cmake --install of the build into PREFIX (under DESTDIR
# when it is set).
install_to() {
  cmake --install "$INSTALL_FROM_BUILD" --prefix "$1" >"$WORK/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$WORK/install.log")"
}

uninstall() {
  cmake --build "$INSTALL_FROM_BUILD" --target uninstall >"$WORK/uninstall.log" 2>&1 ||
    fail "uninstall failed: $(cat "$WORK/uninstall.log")"
}

# Every installed file goes; a cache that was there before the install is
# renewed, not removed.
case_uninstall_takes_back_every_installed_file() {
  local prefix="$WORK/uninstalled" icons="$WORK/uninstalled/share/icons/hicolor/icon-theme.cache"
  mkdir -p "$prefix/share/icons/hicolor"
  gtk-update-icon-cache -q -t -f "$prefix/share/icons/hicolor" 2>/dev/null || true
  local had_icon_cache=no
  [ -f "$icons" ] && had_icon_cache=yes
  install_to "$prefix"
  if [ $had_icon_cache = yes ]; then
    grep -q slidora "$icons" || fail "the icon cache does not hold the icon"
  fi
  uninstall
  local left
  left=$(while read -r file; do if [ -e "$file" ] || [ -L "$file" ]; then echo "$file"; fi; done \
    <"$INSTALL_FROM_BUILD/install_manifest.txt")
  [ -z "$left" ] || fail "uninstall left: $left"
  [ ! -e "$prefix/lib/slidora" ] || fail "uninstall left the program folder"
  [ ! -e "$prefix/share/mime/application/x-slidora-game.xml" ] || fail "the MIME database still knows the saved games"
  if [ $had_icon_cache = yes ]; then
    [ -f "$icons" ] || fail "the icon cache that was there before the install was removed"
    ! grep -q slidora "$icons" || fail "the icon cache still holds the icon"
  fi
}

# The caches and folders an install made are taken back with its files.
case_uninstall_from_a_new_prefix_leaves_no_folder() {
  local prefix="$WORK/new/prefix"
  install_to "$prefix"
  [ -f "$prefix/share/mime/mime.cache" ] || fail "the install made no MIME database"
  install_to "$prefix" # the uninstall still knows what the first install made
  uninstall
  [ ! -e "$WORK/new" ] || fail "uninstall left: $(find "$WORK/new")"
}

# A staged install is taken back from its stage only, whatever DESTDIR the
# uninstall is given: the same files outside the stage stay.
case_uninstall_of_a_staged_install_stays_in_its_stage() {
  local prefix="$WORK/system" stage="$WORK/stage" other="$WORK/other"
  local decoys=("$prefix/bin/slidora" "$other$prefix/bin/slidora" "$prefix/share/applications/slidora.desktop")
  for decoy in "${decoys[@]}"; do
    mkdir -p "$(dirname "$decoy")"
    echo decoy >"$decoy"
  done
  mkdir "$stage"
  DESTDIR="$stage" install_to "$prefix"
  [ -L "$stage$prefix/bin/slidora" ] || fail "the staged install wrote no bin/slidora link"
  DESTDIR="$other" uninstall
  for decoy in "${decoys[@]}"; do
    [ "$(cat "$decoy")" = decoy ] || fail "uninstall touched $decoy"
  done
  [ -z "$(ls -A "$stage")" ] || fail "uninstall left in the stage: $(find "$stage" -mindepth 1)"
}
