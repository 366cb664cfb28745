target_sources(kelvaro_fakes PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/fake_clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fake_speaker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fake_shell.cpp)
