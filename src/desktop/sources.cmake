# Sleep mode, the night screen, the battery and the end of the session.
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/battery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/end_session.cpp
  ${CMAKE_CURRENT_LIST_DIR}/night_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sleep_mode.cpp)

# The night screen's own window on the display.
target_sources(kelvaro_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/night_screen_view.cpp)

# The tray, its menu and the window states.
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/tray.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tray_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_states.cpp)

# The tray on the desktop: QSystemTrayIcon is part of Qt Widgets.
target_sources(kelvaro_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/linux_tray_icon.cpp ${CMAKE_CURRENT_LIST_DIR}/tray.qrc)
# Desktop integration: the city clock (logic; its font file is pure).
target_sources(kelvaro_pure PRIVATE ${CMAKE_CURRENT_LIST_DIR}/font_file.cpp)
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/city_clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/city_clock_font.cpp)

# Desktop integration: waking the computer for the alarm, missed alarms and the
# verdict on tomorrow's alarm.
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/wake_up.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wake_missed.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wake_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wake_verdict.cpp)

# The wake helper: the only part that needs a privilege (cap_wake_alarm, set by the
# package's postinst), so it does nothing but hold one alarm timer.
add_executable(kelvaro-wake-helper ${CMAKE_CURRENT_LIST_DIR}/wake_helper_main.cpp)
target_link_libraries(kelvaro-wake-helper PRIVATE kelvaro_options)
install(TARGETS kelvaro-wake-helper RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/kelvaro)
