#!/usr/bin/env bash
# Gives every source file of the project its licence tag and copyright line:
#   // SPDX-License-Identifier: GPL-3.0-or-later     (C++ sources and headers)
#   # SPDX-License-Identifier: GPL-3.0-or-later      (CMake, shell, debian/rules)
# at the top, after a "#!" line where there is one. Files that have the tag
# are left alone, so it can run any number of times.
# Usage: scripts/license-headers.sh [--check] [FOLDER]
#   --check  changes nothing; lists the files without the tag and fails if any
#   FOLDER   the tree to go through (the project's own by default); its
#            version-controlled files when it is a git work tree, else all
#            files but build folders
set -euo pipefail

check=false
if [ "${1:-}" = "--check" ]; then
  check=true
  shift
fi
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
cd "$root"

tag="SPDX-License-Identifier: GPL-3.0-or-later"
copyright="Copyright (C) 2026 the Slidora developers"

list_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1 && [ "$(git rev-parse --show-toplevel)" = "$root" ]; then
    # Files added but not committed yet count too; deleted ones do not.
    git ls-files --cached --others --exclude-standard | while IFS= read -r f; do [ -f "$f" ] && printf '%s\n' "$f"; done
  else
    find . \( -name .git -o -name 'build*' -o -name 'obj-*' -o -path ./debian/slidora -o -path ./debian/tmp \
      -o -path ./debian/.debhelper \) -prune -o -type f -print | sed 's|^\./||'
  fi
}

# The comment mark of a file's header, or nothing for a file that has none.
comment_of() {
  case "$1" in
    tests/fuzz/corpus/*) ;;
    *.cpp | *.h | *.h.in) echo "//" ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | .ci/run | debian/rules) echo "#" ;;
  esac
}

missing=0
while IFS= read -r file; do
  mark=$(comment_of "$file")
  [ -n "$mark" ] || continue
  if head -n 3 "$file" | grep -qF "$tag"; then continue; fi
  if $check; then
    echo "no licence tag: $file"
    missing=$((missing + 1))
    continue
  fi
  header="$mark $tag"$'\n'"$mark $copyright"
  {
    if head -n 1 "$file" | grep -q '^#!'; then
      head -n 1 "$file"
      printf '%s\n' "$header"
      tail -n +2 "$file"
    else
      printf '%s\n' "$header"
      cat "$file"
    fi
  } >"$file.licence-tmp"
  # The new text takes the old file's place and mode (scripts stay executable).
  chmod --reference="$file" "$file.licence-tmp"
  mv "$file.licence-tmp" "$file"
  echo "tagged: $file"
done < <(list_files)

if $check && [ "$missing" -gt 0 ]; then
  echo "$missing file(s) without the licence tag: run scripts/license-headers.sh" >&2
  exit 1
fi
exit 0
