# Desktop integration: waking the computer for the alarm, missed alarms and the
# verdict on tomorrow's alarm (the power and tray features add their files here).
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/wake_up.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wake_missed.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wake_verdict.cpp)
