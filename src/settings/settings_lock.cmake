target_sources(kelvaro_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/settings_lock.cpp ${CMAKE_CURRENT_LIST_DIR}/setting_checkboxes.cpp)
