# cmake --install: the program folder under lib/slidora, a bin/slidora link
# to it, and what a desktop needs to list the game, show its icon and open
# saved games and pictures with it.
set(SLIDORA_PROGRAM_DIR lib/slidora)

# The Qt libraries come from the system: no search path of our own.
set_target_properties(slidora slidora_music PROPERTIES INSTALL_RPATH "")
install(TARGETS slidora RUNTIME DESTINATION ${SLIDORA_PROGRAM_DIR})
# The music module, loaded from beside the program.
install(TARGETS slidora_music LIBRARY DESTINATION ${SLIDORA_PROGRAM_DIR})
# Every other run-time file the build put beside the program, but not what
# the program writes there itself when it runs from the build folder.
install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/ DESTINATION ${SLIDORA_PROGRAM_DIR}
  PATTERN slidora EXCLUDE
  PATTERN "slidora-music.so" EXCLUDE
  PATTERN Scores EXCLUDE
  PATTERN "*.sdr" EXCLUDE)

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install)
file(CREATE_LINK ../${SLIDORA_PROGRAM_DIR}/slidora ${CMAKE_BINARY_DIR}/install/slidora SYMBOLIC)
install(PROGRAMS ${CMAKE_BINARY_DIR}/install/slidora DESTINATION bin)

install(FILES ${CMAKE_SOURCE_DIR}/desktop/slidora.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/slidora-mime.xml DESTINATION share/mime/packages RENAME slidora.xml)
foreach(size ${SLIDORA_ICON_SIZES})
  install(FILES ${SLIDORA_GENERATED}/icons/slidora-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME slidora.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/slidora.svg DESTINATION share/icons/hicolor/scalable/apps)

# Into a live system (no staging folder), make the new type and the entry
# known at once; packagers leave this to their own triggers.
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    find_program(SLIDORA_UPDATE_MIME update-mime-database)
    find_program(SLIDORA_UPDATE_DESKTOP update-desktop-database)
    if(SLIDORA_UPDATE_MIME)
      execute_process(COMMAND ${SLIDORA_UPDATE_MIME} "${CMAKE_INSTALL_PREFIX}/share/mime")
    endif()
    if(SLIDORA_UPDATE_DESKTOP)
      execute_process(COMMAND ${SLIDORA_UPDATE_DESKTOP} -q "${CMAKE_INSTALL_PREFIX}/share/applications")
    endif()
  endif()
]])
