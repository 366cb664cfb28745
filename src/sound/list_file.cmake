target_sources(kelvaro_pure PRIVATE ${CMAKE_CURRENT_LIST_DIR}/list_file.cpp)
