# Brings the MIME, desktop-entry and icon caches of the prefix up to date
# with what is installed there, after an install or an uninstall into a live
# system; packagers (who stage into DESTDIR) leave this to their own triggers.
# Usage: cmake -DCMAKE_INSTALL_PREFIX=PREFIX -P RefreshCaches.cmake
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
set(share "${CMAKE_INSTALL_PREFIX}/share")

find_program(SLIDORA_UPDATE_MIME update-mime-database)
if(SLIDORA_UPDATE_MIME AND IS_DIRECTORY "${share}/mime")
  # The database is made from this folder: without it nothing is renewed.
  file(MAKE_DIRECTORY "${share}/mime/packages")
  execute_process(COMMAND ${SLIDORA_UPDATE_MIME} "${share}/mime")
endif()
find_program(SLIDORA_UPDATE_DESKTOP update-desktop-database)
if(SLIDORA_UPDATE_DESKTOP AND IS_DIRECTORY "${share}/applications")
  execute_process(COMMAND ${SLIDORA_UPDATE_DESKTOP} -q "${share}/applications")
endif()
# Only a theme that already has a cache needs it renewed: without one, icons
# are looked up in the folders themselves.
find_program(SLIDORA_UPDATE_ICONS gtk-update-icon-cache)
if(SLIDORA_UPDATE_ICONS AND EXISTS "${share}/icons/hicolor/icon-theme.cache")
  execute_process(COMMAND ${SLIDORA_UPDATE_ICONS} -q -t -f "${share}/icons/hicolor")
endif()
