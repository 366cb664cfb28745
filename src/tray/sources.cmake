# The tray, its menu and the main window's states (logic).
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/tray.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tray_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_states.cpp)

# The tray on the desktop: QSystemTrayIcon is part of Qt Widgets.
target_sources(kelvaro_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/linux_tray_icon.cpp ${CMAKE_CURRENT_LIST_DIR}/tray.qrc)
