# The files every installed glossamo carries beside the program (icons,
# software-centre card and its screenshots, manual page), and the Debian
# package made by `cpack -G DEB` (scripts/build_deb.sh).

# The card's names for the program and its web pages. The screenshots the
# card names are published under GLOSSAMO_WEB_URL/screenshots/.
set(GLOSSAMO_APPSTREAM_ID org.example.glossamo)
set(GLOSSAMO_WEB_URL "https://glossamo.example" CACHE STRING "The program's home page, where its screenshots are published")
# No licence has been chosen for glossamo yet: the card and the package's
# copyright file say so.
set(GLOSSAMO_SPDX_LICENSE LicenseRef-undecided)

set(PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
set(METAINFO ${PACKAGING_DIR}/${GLOSSAMO_APPSTREAM_ID}.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/packaging/glossamo.metainfo.xml.in ${METAINFO} @ONLY)

# The manual page and the package's change log, compressed without a time
# stamp so that every build makes the same bytes.
set(GLOSSAMO_VERSION ${PROJECT_VERSION})
configure_file(${CMAKE_SOURCE_DIR}/packaging/glossamo.6 ${PACKAGING_DIR}/glossamo.6 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/debian/changelog ${PACKAGING_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${PACKAGING_DIR}/glossamo.6.gz ${PACKAGING_DIR}/changelog.gz
  COMMAND gzip -9nkf ${PACKAGING_DIR}/glossamo.6 ${PACKAGING_DIR}/changelog
  DEPENDS ${PACKAGING_DIR}/glossamo.6 ${PACKAGING_DIR}/changelog VERBATIM)
add_custom_target(packaging_texts ALL DEPENDS ${PACKAGING_DIR}/glossamo.6.gz ${PACKAGING_DIR}/changelog.gz)

# The screenshots: key screens of the real program rendered headless by the
# screenshot tests, which save them under build/shots/.
set(SCREENSHOTS_DIR ${PACKAGING_DIR}/screenshots)
set(SCREENSHOTS ${SCREENSHOTS_DIR}/families.png ${SCREENSHOTS_DIR}/hangman.png ${SCREENSHOTS_DIR}/hidden-words.png)
set(SHOTS_DIR ${CMAKE_BINARY_DIR}/shots)
add_custom_command(OUTPUT ${SCREENSHOTS}
  COMMAND ${CMAKE_COMMAND} -E env SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy $<TARGET_FILE:glossamo_tests>
    --gtest_brief=1
    --gtest_filter=Screens.EveryMenuScreen:HangmanScreens.PlayingLostAndWon:HangmanScreens.GridGames
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SCREENSHOTS_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${SHOTS_DIR}/screen_1.png ${SCREENSHOTS_DIR}/families.png
  COMMAND ${CMAKE_COMMAND} -E copy ${SHOTS_DIR}/hangman_playing.png ${SCREENSHOTS_DIR}/hangman.png
  COMMAND ${CMAKE_COMMAND} -E copy ${SHOTS_DIR}/mots_caches_playing.png ${SCREENSHOTS_DIR}/hidden-words.png
  DEPENDS glossamo_tests word_lists assets texts
  COMMENT "Rendering the screenshots of the software-centre card" VERBATIM)
add_custom_target(screenshots ALL DEPENDS ${SCREENSHOTS})

# Installs the icons, the card, its screenshots and the manual page; the
# arguments are further install() options (a component).
macro(install_desktop_files)
  foreach(size 48 128 256)
    install(FILES ${APP_DIR}/icons/glossamo-${size}.png
      DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME glossamo.png ${ARGN})
  endforeach()
  install(FILES ${METAINFO} DESTINATION share/metainfo ${ARGN})
  install(FILES ${SCREENSHOTS} DESTINATION share/glossamo/screenshots ${ARGN})
  install(FILES ${PACKAGING_DIR}/glossamo.6.gz DESTINATION share/man/man6 ${ARGN})
endmacro()

# The Debian package: the executable in /usr/games, the data it reads (the
# same on every processor) in /usr/share/games/glossamo, where the program
# looks when its own folder holds none. Its rules belong to the component
# `deb`, which a plain `cmake --install` leaves out.
set(DEB_COMPONENT COMPONENT deb EXCLUDE_FROM_ALL)
install(TARGETS glossamo RUNTIME DESTINATION games ${DEB_COMPONENT})
# Stripped as Debian's own packages are: no symbols, no compiler notes.
install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded --remove-section=.comment --remove-section=.note
  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/glossamo\" COMMAND_ERROR_IS_FATAL ANY)" ${DEB_COMPONENT})
install(DIRECTORY ${APP_DIR}/ DESTINATION share/games/glossamo ${DEB_COMPONENT}
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
  DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE
  PATTERN ".forged" EXCLUDE PATTERN "icons" EXCLUDE PATTERN "glossamo" EXCLUDE)
set(GLOSSAMO_LAUNCHER /usr/games/glossamo)
configure_file(${CMAKE_SOURCE_DIR}/packaging/glossamo.desktop.in ${PACKAGING_DIR}/deb/glossamo.desktop @ONLY)
install(FILES ${PACKAGING_DIR}/deb/glossamo.desktop DESTINATION share/applications ${DEB_COMPONENT})
install_desktop_files(${DEB_COMPONENT})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/debian/copyright ${PACKAGING_DIR}/changelog.gz
  DESTINATION share/doc/glossamo ${DEB_COMPONENT})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/debian/lintian-overrides DESTINATION share/lintian/overrides
  RENAME glossamo ${DEB_COMPONENT})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glossamo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "French letter and word games")
set(CPACK_PACKAGE_DESCRIPTION
  "Thirty families of French letter and word games, with a few English variants:
hangman, coded-word, hidden-word and fill-in grids, anagrams, word chains,
faded proverbs and more, around a player profile, timed scores, saved games
and a travel mode that chains games on a map. Everything is drawn on one
800 x 600 surface, full screen or in a window, with sound effects and music.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_COMPONENTS_ALL deb)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The glossamo developers <glossamo@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${GLOSSAMO_WEB_URL})
# The libraries it links, found by dpkg-shlibdeps, and the files it reads
# from other packages: the DejaVu fonts and the General MIDI sound font. The
# picture dialogs are zenity's.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, timgm6mb-soundfont")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS zenity)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
