# Waking the computer for the alarm, missed alarms and the verdict on tomorrow's alarm.
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/wake_up.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wake_missed.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wake_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wake_verdict.cpp)

# The wake helper: the only part that needs a privilege (cap_wake_alarm, set by the
# package's postinst), so it does nothing but hold one alarm timer; logind says whom for.
add_executable(kelvaro-wake-helper ${CMAKE_CURRENT_LIST_DIR}/wake_helper_main.cpp)
target_link_libraries(kelvaro-wake-helper PRIVATE kelvaro_options Qt6::DBus)
install(TARGETS kelvaro-wake-helper RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/kelvaro)
