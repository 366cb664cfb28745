target_sources(kelvaro_fakes PRIVATE ${CMAKE_CURRENT_LIST_DIR}/fake_dialogs.cpp)
