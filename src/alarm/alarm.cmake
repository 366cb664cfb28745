target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/alarm_entry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alarm_days.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alarm_sounding.cpp)
