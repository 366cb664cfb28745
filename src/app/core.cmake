target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/application.cpp)
