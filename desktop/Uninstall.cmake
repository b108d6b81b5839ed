# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# Removes every file the last cmake --install of this build wrote, where it
# wrote it: under that install's DESTDIR, whatever DESTDIR is now. Takes back
# the caches and folders that install made, and renews the caches it found.
# Usage: cmake -DSLIDORA_MANIFEST=build/install_manifest.txt
#              -DSLIDORA_INSTALL_RECORD=build/install/last-install.cmake -P Uninstall.cmake
cmake_minimum_required(VERSION 3.25)

foreach(needed IN ITEMS "${SLIDORA_MANIFEST}" "${SLIDORA_INSTALL_RECORD}")
  if(NOT EXISTS "${needed}")
    message(FATAL_ERROR "Nothing to uninstall: ${needed} is missing (run cmake --install first).")
  endif()
endforeach()
include("${SLIDORA_INSTALL_RECORD}")
set(root "${SLIDORA_INSTALLED_DESTDIR}${SLIDORA_INSTALLED_PREFIX}")
string(REGEX REPLACE "/$" "" root "${root}")
if(NOT "$ENV{DESTDIR}" STREQUAL "${SLIDORA_INSTALLED_DESTDIR}")
  message(STATUS "DESTDIR is not used: the last install's files are removed from ${root}, where it wrote them.")
endif()
set(ENV{DESTDIR} "${SLIDORA_INSTALLED_DESTDIR}")

# What the install wrote, and the caches it made where there were none.
file(STRINGS "${SLIDORA_MANIFEST}" installed)
list(TRANSFORM installed PREPEND "${SLIDORA_INSTALLED_DESTDIR}")
set(taken_back "")
foreach(cache IN ITEMS MIME DESKTOP ICONS)
  if(SLIDORA_MADE_${cache})
    list(APPEND installed ${SLIDORA_MADE_${cache}})
    list(APPEND taken_back ${cache})
  endif()
endforeach()

set(folders "")
set(kept "")
foreach(path IN LISTS installed)
  string(FIND "${path}" "${root}/" at)
  if(NOT at EQUAL 0)
    message(WARNING "Left ${path} alone: it is outside ${root}, where the last install went.")
    continue()
  endif()
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    file(REMOVE "${path}")
    if(EXISTS "${path}" OR IS_SYMLINK "${path}")
      list(APPEND kept "${path}")
    else()
      message(STATUS "Removed ${path}")
    endif()
  endif()
  get_filename_component(folder "${path}" DIRECTORY)
  list(APPEND folders "${folder}")
endforeach()

# The folders that held those files, and the folders above them up to the
# prefix (or up to the highest one the install made), go when nothing else
# is left in them (rmdir refuses the others).
set(stop "${root}")
if(SLIDORA_MADE_FOLDER)
  get_filename_component(stop "${SLIDORA_MADE_FOLDER}" DIRECTORY)
endif()
string(REGEX REPLACE "/$" "" stop "${stop}")
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
  while(TRUE)
    string(FIND "${folder}" "${stop}/" at)
    if(NOT at EQUAL 0)
      break()
    endif()
    execute_process(COMMAND rmdir "${folder}" RESULT_VARIABLE refused ERROR_QUIET)
    if(refused)
      break()
    endif()
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()

# Renewed as after an install, but noting nothing in the record.
set(record "${SLIDORA_INSTALL_RECORD}")
set(SLIDORA_INSTALL_RECORD "")
set(CMAKE_INSTALL_PREFIX "${SLIDORA_INSTALLED_PREFIX}")
set(SLIDORA_TAKEN_BACK ${taken_back})
include("${CMAKE_CURRENT_LIST_DIR}/RefreshCaches.cmake")

if(kept)
  message(FATAL_ERROR "Could not remove: ${kept}")
endif()
file(REMOVE "${record}")
