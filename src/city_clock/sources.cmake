# The city clock on the desktop (logic; its font file is pure).
target_sources(kelvaro_pure PRIVATE ${CMAKE_CURRENT_LIST_DIR}/font_file.cpp)
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/city_clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/city_clock_font.cpp)
