target_sources(kelvaro_pure PRIVATE ${CMAKE_CURRENT_LIST_DIR}/update_rules.cpp)
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/online_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_fetch.cpp)
target_sources(kelvaro_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/banner_browser.cpp)
