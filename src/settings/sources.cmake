target_sources(kelvaro_pure PRIVATE ${CMAKE_CURRENT_LIST_DIR}/text_file.cpp ${CMAKE_CURRENT_LIST_DIR}/profile_file.cpp)

target_sources(kelvaro_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/settings_lock.cpp ${CMAKE_CURRENT_LIST_DIR}/setting_checkboxes.cpp)

target_sources(kelvaro_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/settings_store.cpp)

target_sources(kelvaro_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/list_backup.cpp)

target_sources(kelvaro_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/language_choice.cpp)
