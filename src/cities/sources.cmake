target_sources(kelvaro_pure PRIVATE ${CMAKE_CURRENT_LIST_DIR}/hour_difference.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zone_difference.cpp ${CMAKE_CURRENT_LIST_DIR}/zone_search.cpp)
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cities.cpp
  ${CMAKE_CURRENT_LIST_DIR}/city_editing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/city_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/city_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/city_zones.cpp
  ${CMAKE_CURRENT_LIST_DIR}/city_zone_chooser.cpp)
