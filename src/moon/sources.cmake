# Moon phase: astronomy and picture logic (pure), the Qt view (ui) and the kelvaro-moon tool.

# The series tables are generated from the text tables in data/ at build time.
set(moon_data_dir ${CMAKE_CURRENT_LIST_DIR}/data)
set(moon_tables_cpp ${CMAKE_CURRENT_BINARY_DIR}/moon/moon_tables.cpp)
add_custom_command(
  OUTPUT ${moon_tables_cpp}
  COMMAND ${CMAKE_COMMAND} -DDATA_DIR=${moon_data_dir} -DOUT=${moon_tables_cpp}
          -P ${CMAKE_CURRENT_LIST_DIR}/gen_moon_tables.cmake
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/gen_moon_tables.cmake
          ${moon_data_dir}/vsop87d-earth.txt
          ${moon_data_dir}/moon-elp-meeus-longitude-distance.txt
          ${moon_data_dir}/moon-elp-meeus-latitude.txt
          ${moon_data_dir}/nutation-iau1980.txt
  COMMENT "Generating moon tables from src/moon/data"
  VERBATIM)

target_sources(kelvaro_pure PRIVATE
  ${moon_tables_cpp}
  ${CMAKE_CURRENT_LIST_DIR}/iso_instant.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lunar_position.cpp
  ${CMAKE_CURRENT_LIST_DIR}/moon_phase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/moon_time.cpp
  ${CMAKE_CURRENT_LIST_DIR}/nutation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/solar_position.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tmoon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vsop87_earth.cpp)

target_sources(kelvaro_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/moon_widget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/moon_widget.h
  ${CMAKE_CURRENT_LIST_DIR}/moon.qrc)

add_executable(kelvaro-moon ${CMAKE_CURRENT_LIST_DIR}/kelvaro_moon_main.cpp)
target_link_libraries(kelvaro-moon PRIVATE kelvaro_pure)
set_target_properties(kelvaro-moon PROPERTIES AUTOMOC OFF AUTORCC OFF)

target_sources(kelvaro_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/moon_control.cpp)
