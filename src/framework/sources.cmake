# The framework every feature builds on: date-time and conversions, locale record
# (pure), and the window model: controls, forms, the application (logic).
target_sources(kelvaro_pure PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/conversions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/datetime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/datetime_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/datetime_parse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/locale_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/translatable.cpp)
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/handle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/application.cpp)
