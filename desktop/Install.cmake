# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# cmake --install: the program, its data and its music module where the
# layout (Layout.cmake) puts them, the command, the man page, and what a
# desktop needs to list the game, show its icon and open saved games and
# pictures with it.

# Before anything is written: where this install goes, for the uninstall.
set(SLIDORA_INSTALL_RECORD ${CMAKE_BINARY_DIR}/install/last-install.cmake)
install(CODE "set(SLIDORA_INSTALL_RECORD \"${SLIDORA_INSTALL_RECORD}\")")
install(SCRIPT ${CMAKE_SOURCE_DIR}/desktop/RecordInstall.cmake)

# The Qt libraries come from the system: no search path of our own.
set_target_properties(slidora slidora_music PROPERTIES INSTALL_RPATH "")
install(TARGETS slidora RUNTIME DESTINATION ${SLIDORA_PROGRAM_DIR})
# The music module, loaded when a piece is about to play.
install(TARGETS slidora_music LIBRARY DESTINATION ${SLIDORA_MODULE_DIR})
# Every other run-time file the build put beside the program, but not what
# the program writes there itself when it runs from the build folder.
install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/ DESTINATION ${SLIDORA_DATA_DIR}
  PATTERN slidora EXCLUDE
  PATTERN "slidora-music.so" EXCLUDE
  PATTERN Scores EXCLUDE
  PATTERN "*.sdr" EXCLUDE)

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install)
# Tells the program it is installed: its best times go to each player's own
# folder, whoever runs it; in the debian layout, it also tells the program
# that its data are in their own folder.
file(WRITE ${CMAKE_BINARY_DIR}/install/slidora.installed "Installed by cmake --install.\n")
install(FILES ${CMAKE_BINARY_DIR}/install/slidora.installed DESTINATION ${SLIDORA_DATA_DIR})
if(SLIDORA_LAYOUT STREQUAL "folder")
  file(CREATE_LINK ../${SLIDORA_PROGRAM_DIR}/slidora ${CMAKE_BINARY_DIR}/install/slidora SYMBOLIC)
  install(PROGRAMS ${CMAKE_BINARY_DIR}/install/slidora DESTINATION bin)
endif()

# The manual page, section 6 (games), with the project's version.
configure_file(${CMAKE_SOURCE_DIR}/help/slidora.6.in ${SLIDORA_GENERATED}/slidora.6 @ONLY)
install(FILES ${SLIDORA_GENERATED}/slidora.6 DESTINATION share/man/man6)

install(FILES ${CMAKE_SOURCE_DIR}/desktop/slidora.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/slidora-mime.xml DESTINATION share/mime/packages RENAME slidora.xml)
foreach(size ${SLIDORA_ICON_SIZES})
  install(FILES ${SLIDORA_GENERATED}/icons/slidora-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME slidora.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/slidora.svg DESTINATION share/icons/hicolor/scalable/apps)

configure_file(${CMAKE_SOURCE_DIR}/desktop/com.vantrel.slidora.metainfo.xml.in
  ${SLIDORA_GENERATED}/com.vantrel.slidora.metainfo.xml @ONLY)
install(FILES ${SLIDORA_GENERATED}/com.vantrel.slidora.metainfo.xml DESTINATION share/metainfo)

# Into a live system, make the new type, the entry and the icon known at once.
install(SCRIPT ${CMAKE_SOURCE_DIR}/desktop/RefreshCaches.cmake)

# cmake --build build --target uninstall: takes back what cmake --install wrote.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DSLIDORA_MANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
          -DSLIDORA_INSTALL_RECORD=${SLIDORA_INSTALL_RECORD}
          -P ${CMAKE_SOURCE_DIR}/desktop/Uninstall.cmake
  COMMENT "Removing the installed files")
