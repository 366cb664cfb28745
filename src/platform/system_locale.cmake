target_sources(kelvaro_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/system_locale.cpp)
