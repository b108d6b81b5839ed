#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# The Debian package, built from a copy of the tree as a packager would
# (tests and benchmarks off), source and binary checked by lintian, unpacked into a folder of
# its own and started from there.
# Usage: package.sh SOURCE_FOLDER
set -euo pipefail
source_folder=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The project's files as they are now, committed or not, but no build folder.
mkdir "$work/slidora"
if git -C "$source_folder" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$source_folder" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    tar --null -T - -cf -) | tar -C "$work/slidora" -xf -
else
  tar -C "$source_folder" --exclude='./build*' --exclude='./obj-*' --exclude=./.git -cf - . | tar -C "$work/slidora" -xf -
fi

cd "$work/slidora"
project_version=$(sed -n 's/^project(Slidora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$(dpkg-parsechangelog -S Version)" = "$project_version" ] ||
  fail "debian/changelog is at $(dpkg-parsechangelog -S Version), the project at $project_version"

started=$(date +%s)
# Source and binary: lintian looks at both.
if ! DEB_BUILD_OPTIONS="nocheck parallel=2" dpkg-buildpackage -us -uc >"$work/build.log" 2>&1; then
  tail -n 60 "$work/build.log"
  fail "dpkg-buildpackage failed"
fi
echo "package built in $(($(date +%s) - started)) s"
grep -q -- '-DBUILD_TESTING=OFF' "$work/build.log" || fail "the nocheck build was not configured without tests"
! grep -Eq 'Linking CXX executable (tests|bench)/' "$work/build.log" || fail "the nocheck build built tests or benchmarks"

deb="$work/slidora_${project_version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$work")"
[ -f "$work/slidora_${project_version}.dsc" ] || fail "no source package: $(ls "$work")"
lintian --fail-on error,warning "$work/slidora_${project_version}_$(dpkg-architecture -qDEB_HOST_ARCH).changes" | tee "$work/lintian.log" || fail "lintian: $(cat "$work/lintian.log")"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libcanberra0 fonts-liberation "timgm6mb-soundfont | fluid-soundfont-gm" qt6-image-formats-plugins libqt6widgets6 libfluidsynth3; do
  grep -qF "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "not in the games section"

root="$work/root"
dpkg-deb -x "$deb" "$root"
for file in usr/games/slidora usr/lib/games/slidora/slidora-music.so usr/share/games/slidora/slidora.html \
  usr/share/games/slidora/slidora.de.html usr/share/games/slidora/slidora.fr.html \
  usr/share/games/slidora/click.wav usr/share/games/slidora/aurora.mid usr/share/games/slidora/slidora.installed \
  usr/share/man/man6/slidora.6.gz usr/share/doc/slidora/copyright usr/share/applications/slidora.desktop \
  usr/share/metainfo/com.vantrel.slidora.metainfo.xml usr/share/icons/hicolor/scalable/apps/slidora.svg; do
  [ -e "$root/$file" ] || fail "the package has no /$file"
done
[ ! -e "$root/usr/bin" ] && [ ! -e "$root/usr/lib/slidora" ] || fail "the package keeps the folder layout: $(cd "$root" && find usr -maxdepth 2)"
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/com.vantrel.slidora.metainfo.xml" ||
  fail "the packaged metainfo is not valid"
page=$(MANWIDTH=80 man -l "$root/usr/share/man/man6/slidora.6.gz" 2>&1)
for heading in NAME SYNOPSIS DESCRIPTION OPTIONS KEYS FILES ENVIRONMENT; do
  grep -q "^$heading" <<<"$page" || fail "the manual page has no $heading"
done
grep -q "Slidora $project_version" <<<"$page" || fail "the manual page does not name version $project_version"

version=$("$root/usr/games/slidora" --version) || fail "the unpacked program could not say its version"
[ "$version" = "Slidora $project_version" ] || fail "the unpacked program says '$version'"
echo "package: all checks passed ($(basename "$deb"))"
