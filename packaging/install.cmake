# Where `cmake --install` puts the program and its desktop files (XDG places under the prefix).
# The default sounds are installed by src/sound/sources.cmake into DATADIR/kelvaro/sounds, where
# the program looks for them beside its BINDIR.
install(TARGETS kelvaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(kelvaro_app_id org.kelvaro.Clock)
set(kelvaro_data ${PROJECT_SOURCE_DIR}/data)
install(FILES ${kelvaro_data}/desktop/${kelvaro_app_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${kelvaro_data}/desktop/${kelvaro_app_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${kelvaro_data}/icons/${kelvaro_app_id}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${kelvaro_data}/icons/${kelvaro_app_id}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${kelvaro_app_id}.png)
endforeach()

# Manual pages are installed compressed, as Debian wants them.
set(kelvaro_man ${CMAKE_CURRENT_BINARY_DIR}/kelvaro.1.gz)
add_custom_command(OUTPUT ${kelvaro_man}
                   COMMAND gzip -9 -n -c ${kelvaro_data}/man/kelvaro.1 > ${kelvaro_man}
                   DEPENDS ${kelvaro_data}/man/kelvaro.1 VERBATIM)
add_custom_target(kelvaro_man_page ALL DEPENDS ${kelvaro_man})
install(FILES ${kelvaro_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The wake helper's page says who may use it (it carries cap_wake_alarm).
set(kelvaro_wake_man ${CMAKE_CURRENT_BINARY_DIR}/kelvaro-wake-helper.8.gz)
add_custom_command(OUTPUT ${kelvaro_wake_man}
                   COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/man/kelvaro-wake-helper.8 > ${kelvaro_wake_man}
                   DEPENDS ${PROJECT_SOURCE_DIR}/packaging/man/kelvaro-wake-helper.8 VERBATIM)
add_custom_target(kelvaro_wake_man_page ALL DEPENDS ${kelvaro_wake_man})
install(FILES ${kelvaro_wake_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man8)
