# The default sounds: the code that installs them into the program folder, and
# copies of the files beside the executable and in the install tree.
set(KELVARO_SOUND_FILES ${PROJECT_SOURCE_DIR}/data/sounds/TaDa.mp3 ${PROJECT_SOURCE_DIR}/data/sounds/Mission2.mid)
target_sources(kelvaro_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/default_sounds.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/default_sounds.cpp PROPERTIES
  COMPILE_DEFINITIONS "KELVARO_SOUNDS_DIR=\"${PROJECT_SOURCE_DIR}/data/sounds\"")
foreach(sound ${KELVARO_SOUND_FILES})
  get_filename_component(sound_name ${sound} NAME)
  # The program is built in this binary folder; its sounds sit in "sounds/" beside it.
  configure_file(${sound} ${CMAKE_CURRENT_BINARY_DIR}/sounds/${sound_name} COPYONLY)
endforeach()
install(FILES ${KELVARO_SOUND_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/kelvaro/sounds)

target_sources(kelvaro_pure PRIVATE ${CMAKE_CURRENT_LIST_DIR}/list_file.cpp)

target_sources(kelvaro_pure PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/sound_paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_order.cpp)
target_sources(kelvaro_logic PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/sound_sources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_service.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_choice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/music_lists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/music_list_editing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/volume_control.cpp)
target_sources(kelvaro_pure PRIVATE ${CMAKE_CURRENT_LIST_DIR}/gentle_start.cpp)
