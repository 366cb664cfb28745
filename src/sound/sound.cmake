target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/sound_sources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/music_lists.cpp)
