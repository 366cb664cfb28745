# The Debian package: `scripts/package` builds it with `cpack -G DEB`.
# Depends: the shared libraries the program links (found by dpkg-shlibdeps) and what it loads at
# run time: the GStreamer plugins of each sound source, a General MIDI soundfont for the MIDI
# alarm, libpulse for the speaker's tones and the sound server.
set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_VENDOR "Kelvaro Clock developers")
set(CPACK_PACKAGE_CONTACT "Kelvaro Clock developers <dev@kelvaro.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "alarm clock that rings at the time of the city you choose")
# Lines of the long description stay under 80 characters (Debian policy 3.4.1).
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvaro Clock is a desktop alarm clock for travellers. It shows the time
of the city you choose, sounds the alarm at that city's time from music
files, MIDI, an audio CD or web radio, snoozes, and plans the morning
backwards from a boarding time.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kelvaro.org/")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # kelvaro_VERSION-RELEASE_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, gstreamer1.0-plugins-ugly, timgm6mb-soundfont | sf2-soundfont-gm, libpulse0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# postinst gives the wake helper cap_wake_alarm; setcap comes with libcap2-bin.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/postinst)
string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS ", libcap2-bin")
# Qt's own texts (the standard buttons, the file dialog) in the clock's languages.
string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS ", qt6-translations-l10n")

# The copyright file (machine-readable, debian/copyright format 1.0) and the Debian changelog,
# compressed the way Debian wants (gzip -9n: no name or time stamp, so the build is reproducible).
# The changelog's newest entry must name the version the package is built as.
set(kelvaro_debian ${CMAKE_CURRENT_LIST_DIR}/debian)
file(STRINGS ${kelvaro_debian}/changelog kelvaro_changelog_head LIMIT_COUNT 1)
set(kelvaro_deb_version ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
if(NOT kelvaro_changelog_head MATCHES "^kelvaro \\(${kelvaro_deb_version}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog: the newest entry must be for ${kelvaro_deb_version}, "
                      "not \"${kelvaro_changelog_head}\"")
endif()
set(kelvaro_changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${kelvaro_changelog}
                   COMMAND gzip -9 -n -c ${kelvaro_debian}/changelog > ${kelvaro_changelog}
                   DEPENDS ${kelvaro_debian}/changelog VERBATIM)
add_custom_target(kelvaro_changelog ALL DEPENDS ${kelvaro_changelog})
install(FILES ${kelvaro_debian}/copyright ${kelvaro_changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})
# lintian's overrides, each with the reason it does not apply here.
install(FILES ${kelvaro_debian}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME kelvaro)

include(CPack)
