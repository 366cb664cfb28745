target_sources(kelvaro_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/moon_control.cpp)
