# Sleep mode, the night screen, the battery and the end of the session.
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/battery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/end_session.cpp
  ${CMAKE_CURRENT_LIST_DIR}/night_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sleep_mode.cpp)

# The night screen's own window on the display.
target_sources(kelvaro_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/night_screen_view.cpp)
