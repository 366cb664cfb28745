# The Qt Widgets views of the program's windows.
target_sources(kelvaro_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/about_box_widgets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alone_on_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bound_widgets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/city_clock_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_differ.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_sync.cpp
  ${CMAKE_CURRENT_LIST_DIR}/flame_widget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_widgets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/feature_widgets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_router.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_router.h
  ${CMAKE_CURRENT_LIST_DIR}/key_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/minimise_policy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_view.h
  ${CMAKE_CURRENT_LIST_DIR}/qt_dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/screen_reader_announcer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/screen_reader_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/server_pixmap_copier.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_cursor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/timer_host.cpp
  ${CMAKE_CURRENT_LIST_DIR}/widget_factory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_placement.cpp)
