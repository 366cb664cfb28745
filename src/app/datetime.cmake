target_sources(kelvaro_pure PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/conversions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/datetime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/datetime_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/datetime_parse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/locale_info.cpp)
