# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# The first step of cmake --install: notes in SLIDORA_INSTALL_RECORD where
# this install goes (its DESTDIR and prefix) and the highest folder on that
# path it is about to make, so that the uninstall takes back only what the
# install wrote, where it wrote it. RefreshCaches.cmake adds the caches it
# makes. What an install noted is kept by the next one into the same place.
set(place "set(SLIDORA_INSTALLED_DESTDIR [==[$ENV{DESTDIR}]==])\n")
string(APPEND place "set(SLIDORA_INSTALLED_PREFIX [==[${CMAKE_INSTALL_PREFIX}]==])\n")
set(notes "")
if(EXISTS "${SLIDORA_INSTALL_RECORD}")
  file(READ "${SLIDORA_INSTALL_RECORD}" last)
  string(FIND "${last}" "${place}" at)
  if(at EQUAL 0)
    string(LENGTH "${place}" length)
    string(SUBSTRING "${last}" ${length} -1 notes)
  endif()
endif()

set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(made "")
while(NOT folder STREQUAL "" AND NOT EXISTS "${folder}")
  set(made "${folder}")
  get_filename_component(folder "${folder}" DIRECTORY)
endwhile()
if(made)
  string(APPEND notes "set(SLIDORA_MADE_FOLDER [==[${made}]==])\n")
endif()
file(WRITE "${SLIDORA_INSTALL_RECORD}" "${place}${notes}")
