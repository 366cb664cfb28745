target_sources(kelvaro_pure PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/alarm_rules.cpp)
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/alarm_entry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alarm_days.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sunday_alarm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/city_row.cpp)

target_sources(kelvaro_pure PRIVATE ${CMAKE_CURRENT_LIST_DIR}/sounding_rules.cpp)
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/alarm_sounding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alarm_stop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alarm_notification.cpp
  ${CMAKE_CURRENT_LIST_DIR}/now_plus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_limit_boxes.cpp)

target_sources(kelvaro_pure PRIVATE ${CMAKE_CURRENT_LIST_DIR}/missed_alarms.cpp)
target_sources(kelvaro_pure PRIVATE ${CMAKE_CURRENT_LIST_DIR}/alarm_record.cpp)
