#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# scripts/license-headers.sh on a small tree of its own: what it tags, where
# the tag goes, what it leaves alone, that a second run changes nothing, and
# that --check fails on an untagged file.
# Usage: license-headers-test.sh SCRIPT
set -euo pipefail
script=$(realpath "$1")
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cd "$tree"
mkdir -p engine tools build tests/fuzz/corpus
printf '#include "x.h"\n' >engine/x.cpp
printf '#pragma once\n' >engine/x.h
printf '#define V "@V@"\n' >engine/V.h.in
printf '#!/usr/bin/env bash\necho hi\n' >tools/run.sh
chmod 755 tools/run.sh
printf 'add_subdirectory(engine)\n' >CMakeLists.txt
printf '# SPDX-License-Identifier: GPL-3.0-or-later\n# Copyright (C) 2020 someone\nset(A 1)\n' >tools/Tagged.cmake
printf 'seed\n' >tests/fuzz/corpus/x.cpp
printf 'made\n' >build/made.cpp
printf '<p>help</p>\n' >engine/help.html

"$script" "$tree" >/dev/null
"$script" --check "$tree" >/dev/null || fail "--check fails right after the tagging"

tag="SPDX-License-Identifier: GPL-3.0-or-later"
for expected in "engine/x.cpp:1:// $tag" "engine/x.h:1:// $tag" "engine/V.h.in:1:// $tag" \
  "tools/run.sh:1:#!/usr/bin/env bash" "tools/run.sh:2:# $tag" "CMakeLists.txt:1:# $tag" \
  "tools/run.sh:4:echo hi" "engine/x.cpp:3:#include \"x.h\""; do
  IFS=: read -r file line text <<<"$expected"
  [ "$(sed -n "${line}p" "$file")" = "$text" ] || fail "$file line $line is '$(sed -n "${line}p" "$file")', not '$text'"
done
grep -q '^// Copyright (C) .* the Slidora developers$' engine/x.cpp || fail "no copyright line: $(cat engine/x.cpp)"
[ -x tools/run.sh ] || fail "the script lost its execute bit"
[ "$(grep -c SPDX tools/Tagged.cmake)" = 1 ] && grep -q 2020 tools/Tagged.cmake || fail "a tagged file was changed"
for untouched in tests/fuzz/corpus/x.cpp build/made.cpp engine/help.html; do
  ! grep -q SPDX "$untouched" || fail "$untouched was tagged"
done

before=$(find . -type f -exec md5sum {} + | sort)
"$script" "$tree" >/dev/null
[ "$before" = "$(find . -type f -exec md5sum {} + | sort)" ] || fail "a second run changed files"

printf 'int y;\n' >engine/y.cpp
if out=$("$script" --check "$tree" 2>&1); then fail "--check passes with engine/y.cpp untagged"; fi
grep -q "engine/y.cpp" <<<"$out" || fail "--check does not name engine/y.cpp: $out"
! grep -q SPDX engine/y.cpp || fail "--check changed engine/y.cpp"
echo "license headers: all cases passed"
