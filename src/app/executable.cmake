# The program itself: the entry and its Qt timer, on top of every layer.
target_sources(kelvaro_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/second_timer.cpp)

add_executable(kelvaro ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(kelvaro PRIVATE kelvaro_ui kelvaro_platform kelvaro_logic)
