# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# Where cmake --install puts the program, its data and its music module,
# relative to the prefix; the program is told where they are relative to
# itself, so that an install moved as a whole (a package unpacked anywhere)
# still finds its files.
#   folder: one program folder, lib/slidora, with a bin/slidora link to it
#   debian: the command in games/, the data in share/games/slidora/ and the
#           module in lib/games/slidora/, as Debian's policy has it for games
set(SLIDORA_LAYOUT folder CACHE STRING "Install layout: folder (lib/slidora) or debian (games/, share/games/slidora, lib/games/slidora)")
set_property(CACHE SLIDORA_LAYOUT PROPERTY STRINGS folder debian)
if(SLIDORA_LAYOUT STREQUAL "folder")
  set(SLIDORA_PROGRAM_DIR lib/slidora)
  set(SLIDORA_DATA_DIR lib/slidora)
  set(SLIDORA_MODULE_DIR lib/slidora)
elseif(SLIDORA_LAYOUT STREQUAL "debian")
  set(SLIDORA_PROGRAM_DIR games)
  set(SLIDORA_DATA_DIR share/games/slidora)
  set(SLIDORA_MODULE_DIR lib/games/slidora)
else()
  message(FATAL_ERROR "SLIDORA_LAYOUT is '${SLIDORA_LAYOUT}': it must be folder or debian.")
endif()

# slidora_relative(VARIABLE FOLDER): FOLDER as seen from the program's
# folder: "" for that folder itself, else a path ending with '/'.
function(slidora_relative variable folder)
  file(RELATIVE_PATH path /prefix/${SLIDORA_PROGRAM_DIR} /prefix/${folder})
  if(NOT path STREQUAL "")
    string(APPEND path /)
  endif()
  set(${variable} "${path}" PARENT_SCOPE)
endfunction()
slidora_relative(SLIDORA_DATA_FROM_PROGRAM ${SLIDORA_DATA_DIR})
slidora_relative(SLIDORA_MODULES_FROM_PROGRAM ${SLIDORA_MODULE_DIR})
