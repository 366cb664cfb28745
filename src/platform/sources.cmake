# The platform services: the interfaces here, their Linux adapters in linux/ and
# the fakes in fake/.
target_sources(kelvaro_fakes PRIVATE ${CMAKE_CURRENT_LIST_DIR}/fake/fake_dialogs.cpp)

target_sources(kelvaro_fakes PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/fake/fake_clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fake/fake_zone_database.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fake/fake_speaker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fake/fake_shell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fake/fake_network.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fake/fake_mixer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fake/fake_power.cpp)

target_sources(kelvaro_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/dialogs.cpp ${CMAKE_CURRENT_LIST_DIR}/no_services.cpp)

target_sources(kelvaro_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_autostart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_clock_setter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_host_lookup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_http_client.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_notifier.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_time_client.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_instance_guard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_media_env.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_quit_signals.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_shell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_speaker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_tone.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_zone_database.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/zone_offset_memo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/zone_file_watch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/translation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_wake_timer.cpp)

# The media player: Qt Multimedia on GStreamer, libcdio for the CD drive, and its fake.
find_package(PkgConfig REQUIRED)
pkg_check_modules(CDIO REQUIRED IMPORTED_TARGET libcdio)
pkg_check_modules(GSTREAMER REQUIRED IMPORTED_TARGET gstreamer-1.0)
target_sources(kelvaro_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_cd_drive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_media_player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_media_probe.cpp)
target_link_libraries(kelvaro_platform PRIVATE PkgConfig::CDIO PkgConfig::GSTREAMER)
target_sources(kelvaro_fakes PRIVATE ${CMAKE_CURRENT_LIST_DIR}/fake/fake_media_player.cpp)

target_sources(kelvaro_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/linux/system_locale.cpp)

# The mixer on the sound server (PulseAudio or PipeWire's pulse server).
pkg_check_modules(PULSE REQUIRED IMPORTED_TARGET libpulse)
target_sources(kelvaro_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/linux/linux_pulse_mixer.cpp)
target_link_libraries(kelvaro_platform PRIVATE PkgConfig::PULSE)

# Power: UPower, logind, the desktop's screen saver, the session's end (the monitor's DPMS is in x11/).
target_sources(kelvaro_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_power_status.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_power_inhibitor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/logind.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux/linux_session_end.cpp)

# X11: the monitor's DPMS and the pictures the view copies from the X server. x11/ is the
# only folder that includes xcb or Xlib; without KELVARO_X11 the program builds with neither
# and no_x11.cpp stands in (the monitor stays on, the view paints).
if(KELVARO_X11)
  pkg_check_modules(X11 REQUIRED IMPORTED_TARGET xcb x11 xext)
  target_sources(kelvaro_platform PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/x11/x11_dpms.cpp
    ${CMAKE_CURRENT_LIST_DIR}/x11/x11_server_pictures.cpp)
  target_link_libraries(kelvaro_platform PRIVATE PkgConfig::X11)
else()
  target_sources(kelvaro_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/no_x11.cpp)
endif()
