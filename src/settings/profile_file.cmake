target_sources(kelvaro_pure PRIVATE ${CMAKE_CURRENT_LIST_DIR}/text_file.cpp ${CMAKE_CURRENT_LIST_DIR}/profile_file.cpp)
