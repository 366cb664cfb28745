# The media player: Qt Multimedia on GStreamer, libcdio for the CD drive, and its fake.
find_package(PkgConfig REQUIRED)
pkg_check_modules(CDIO REQUIRED IMPORTED_TARGET libcdio)
pkg_check_modules(GSTREAMER REQUIRED IMPORTED_TARGET gstreamer-1.0)
target_sources(kelvaro_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/linux_cd_drive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux_media_player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/linux_media_probe.cpp)
target_link_libraries(kelvaro_platform PRIVATE PkgConfig::CDIO PkgConfig::GSTREAMER)
target_sources(kelvaro_fakes PRIVATE ${CMAKE_CURRENT_LIST_DIR}/fake_media_player.cpp)
