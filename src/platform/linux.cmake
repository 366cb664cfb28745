target_sources(kelvaro_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/linux_autostart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux_clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux_instance_guard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux_media_env.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux_paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux_quit_signals.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux_shell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux_speaker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux_tone.cpp)
