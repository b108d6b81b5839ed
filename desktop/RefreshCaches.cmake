# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# Brings the MIME, desktop-entry and icon caches of the prefix up to date
# with what is installed there, after an install or an uninstall into a live
# system; packagers (who stage into DESTDIR) leave this to their own triggers.
# Usage: cmake -DCMAKE_INSTALL_PREFIX=PREFIX -P RefreshCaches.cmake
# During an install, SLIDORA_INSTALL_RECORD names the install's record: a
# cache made where there was none is noted there with its files, for the
# uninstall to take back. SLIDORA_TAKEN_BACK names the caches an uninstall
# removed instead of renewing them.
cmake_minimum_required(VERSION 3.25)
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
set(share "${CMAKE_INSTALL_PREFIX}/share")

# renew(CACHE FOLDER MARK COMMAND...): runs COMMAND to renew the cache in
# FOLDER, which has the file MARK once it has a cache.
function(renew cache folder mark)
  if(cache IN_LIST SLIDORA_TAKEN_BACK)
    return()
  endif()
  set(first_cache FALSE)
  if(SLIDORA_INSTALL_RECORD AND NOT EXISTS "${mark}")
    set(first_cache TRUE)
    file(GLOB_RECURSE before LIST_DIRECTORIES false "${folder}/*")
  endif()
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed)
  if(failed)
    message(WARNING "The ${cache} cache in ${folder} was not renewed: ${ARGV3} ended with ${failed}.")
  endif()
  if(first_cache)
    file(GLOB_RECURSE made LIST_DIRECTORIES false "${folder}/*")
    if(before)
      list(REMOVE_ITEM made ${before})
    endif()
    file(APPEND "${SLIDORA_INSTALL_RECORD}" "set(SLIDORA_MADE_${cache} [==[${made}]==])\n")
  endif()
endfunction()

find_program(SLIDORA_UPDATE_MIME update-mime-database)
if(SLIDORA_UPDATE_MIME AND IS_DIRECTORY "${share}/mime")
  # The database is made from this folder: without it nothing is renewed.
  file(MAKE_DIRECTORY "${share}/mime/packages")
  renew(MIME "${share}/mime" "${share}/mime/mime.cache" ${SLIDORA_UPDATE_MIME} "${share}/mime")
endif()
find_program(SLIDORA_UPDATE_DESKTOP update-desktop-database)
if(SLIDORA_UPDATE_DESKTOP AND IS_DIRECTORY "${share}/applications")
  renew(DESKTOP "${share}/applications" "${share}/applications/mimeinfo.cache"
        ${SLIDORA_UPDATE_DESKTOP} -q "${share}/applications")
endif()
# Only a theme that already has a cache needs it renewed: without one, icons
# are looked up in the folders themselves.
find_program(SLIDORA_UPDATE_ICONS gtk-update-icon-cache)
if(SLIDORA_UPDATE_ICONS AND EXISTS "${share}/icons/hicolor/icon-theme.cache")
  renew(ICONS "${share}/icons/hicolor" "${share}/icons/hicolor/icon-theme.cache"
        ${SLIDORA_UPDATE_ICONS} -q -t -f "${share}/icons/hicolor")
endif()
