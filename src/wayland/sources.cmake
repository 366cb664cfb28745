# The desktop shell on Wayland (and its X11 counterparts where they share a question):
# activation tokens, idle inhibition, layer surfaces. Needs Qt's native handles (GuiPrivate)
# and the Wayland client library; the protocol code is generated from the XML files.
enable_language(C) # the generated protocol code
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)
pkg_get_variable(WAYLAND_PROTOCOLS_DIR wayland-protocols pkgdatadir)
find_program(WAYLAND_SCANNER wayland-scanner REQUIRED)
set(kelvaro_wayland_generated ${CMAKE_CURRENT_BINARY_DIR}/wayland-protocols)
file(MAKE_DIRECTORY ${kelvaro_wayland_generated})
# Generated C tables, built apart from the project's C++ warning options.
add_library(kelvaro_wayland_protocols OBJECT)
set_target_properties(kelvaro_wayland_protocols PROPERTIES POSITION_INDEPENDENT_CODE ON)
target_link_libraries(kelvaro_wayland_protocols PRIVATE PkgConfig::WAYLAND_CLIENT)
foreach(protocol
    ${WAYLAND_PROTOCOLS_DIR}/unstable/idle-inhibit/idle-inhibit-unstable-v1.xml
    ${CMAKE_CURRENT_LIST_DIR}/protocols/wlr-layer-shell-unstable-v1.xml
    ${WAYLAND_PROTOCOLS_DIR}/stable/xdg-shell/xdg-shell.xml)
  get_filename_component(name ${protocol} NAME_WE)
  add_custom_command(
    OUTPUT ${kelvaro_wayland_generated}/${name}-client-protocol.h ${kelvaro_wayland_generated}/${name}-protocol.c
    COMMAND ${WAYLAND_SCANNER} client-header ${protocol} ${kelvaro_wayland_generated}/${name}-client-protocol.h
    COMMAND ${WAYLAND_SCANNER} private-code ${protocol} ${kelvaro_wayland_generated}/${name}-protocol.c
    DEPENDS ${protocol} VERBATIM)
  target_sources(kelvaro_wayland_protocols PRIVATE ${kelvaro_wayland_generated}/${name}-protocol.c)
  target_sources(kelvaro_ui PRIVATE ${kelvaro_wayland_generated}/${name}-client-protocol.h)
endforeach()
target_sources(kelvaro_ui PRIVATE $<TARGET_OBJECTS:kelvaro_wayland_protocols>)
target_include_directories(kelvaro_ui PRIVATE ${kelvaro_wayland_generated})
target_sources(kelvaro_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/layer_surface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/surface_idle_inhibitor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wayland_globals.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_activation.cpp)
target_link_libraries(kelvaro_ui PRIVATE Qt6::GuiPrivate PkgConfig::WAYLAND_CLIENT)
