target_sources(kelvaro_pure PRIVATE ${CMAKE_CURRENT_LIST_DIR}/time_protocol.cpp)
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/web_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/web_time_auto.cpp
  ${CMAKE_CURRENT_LIST_DIR}/web_time_controls.cpp)
