target_sources(kelvaro_pure PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/sound_paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_order.cpp)
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/sound_sources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_service.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_choice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/music_lists.cpp)
