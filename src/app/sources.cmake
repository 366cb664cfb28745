# The program itself: the entry and its Qt timer, on top of every layer.
target_sources(kelvaro_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/second_timer.cpp)
target_sources(kelvaro_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp ${CMAKE_CURRENT_LIST_DIR}/remote_client.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/command_line.cpp PROPERTIES
  COMPILE_DEFINITIONS "KELVARO_VERSION=\"${PROJECT_VERSION}\"")

add_executable(kelvaro ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(kelvaro PRIVATE kelvaro_ui kelvaro_platform kelvaro_logic)

target_sources(kelvaro_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/show_note.cpp ${CMAKE_CURRENT_LIST_DIR}/main_window_controls.cpp ${CMAKE_CURRENT_LIST_DIR}/notebook_controls.cpp ${CMAKE_CURRENT_LIST_DIR}/clock_formats.cpp ${CMAKE_CURRENT_LIST_DIR}/main_tick.cpp ${CMAKE_CURRENT_LIST_DIR}/startup.cpp ${CMAKE_CURRENT_LIST_DIR}/program.cpp
  ${CMAKE_CURRENT_LIST_DIR}/steps.cpp ${CMAKE_CURRENT_LIST_DIR}/windows.cpp ${CMAKE_CURRENT_LIST_DIR}/wiring.cpp ${CMAKE_CURRENT_LIST_DIR}/view_hooks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/timer_controls.cpp ${CMAKE_CURRENT_LIST_DIR}/remote_control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_box.cpp ${CMAKE_CURRENT_LIST_DIR}/keyboard_order.cpp)
