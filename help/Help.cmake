# The Help menu, the About box and the help file beside the program.
target_sources(slidora_app PRIVATE
  help/About.cpp help/HelpCommands.cpp help/HelpWindow.cpp help/ProgramIcon.cpp help/WebAddresses.cpp
  platform/DataFolders.cpp platform/Shell.cpp)

# The home pages: left empty, their menu items and links show the help's
# About page instead.
set(SLIDORA_MAKER_HOME_PAGE "" CACHE STRING "The maker's home page (an https address), or empty for none")
set(SLIDORA_GAME_HOME_PAGE "" CACHE STRING "The game's home page (an https address), or empty for none")
configure_file(help/WebAddressConfig.h.in ${SLIDORA_GENERATED}/WebAddressConfig.h @ONLY)
target_include_directories(slidora_app PRIVATE ${SLIDORA_GENERATED})

# The help file beside the program, with the project's version.
configure_file(help/slidora.html.in ${CMAKE_BINARY_DIR}/bin/slidora.html @ONLY)

# The program icon: drawn once as SVG, rendered at the sizes desktops ask for.
find_package(Qt6 REQUIRED COMPONENTS Svg)
set(SLIDORA_ICON_SIZES 16 32 48 64 128 256)
set(SLIDORA_ICONS)
foreach(size ${SLIDORA_ICON_SIZES})
  list(APPEND SLIDORA_ICONS ${SLIDORA_GENERATED}/icons/slidora-${size}.png)
endforeach()
file(MAKE_DIRECTORY ${SLIDORA_GENERATED}/icons)
add_executable(make_icons tools/make_icons.cpp)
target_link_libraries(make_icons PRIVATE Qt6::Gui Qt6::Svg)
set_target_properties(make_icons PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
add_custom_command(OUTPUT ${SLIDORA_ICONS}
  COMMAND make_icons ${CMAKE_SOURCE_DIR}/resources/slidora.svg ${SLIDORA_GENERATED}/icons ${SLIDORA_ICON_SIZES}
  DEPENDS make_icons ${CMAKE_SOURCE_DIR}/resources/slidora.svg
  COMMENT "Rendering the program icon")
qt_add_resources(slidora_app icon_resources
  PREFIX "/icons"
  BASE ${SLIDORA_GENERATED}/icons
  FILES ${SLIDORA_ICONS})
