# Linux: the game installed like a desktop game, and its Debian package.
# As Debian's packaging strips it: no compiler version notes in the game.
add_custom_command(TARGET vorkkeli POST_BUILD COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment $<TARGET_FILE:vorkkeli>)

# Installed like a desktop game: the executable and its nine files in folders
# of their own, and a launcher that starts it where its files are.
# VORKKELI_GAMES_LAYOUT lays it out as Debian lays out games (the package is
# built so): the launcher in games/, the executable in lib/games/vorkkeli,
# the data in share/games/vorkkeli. The menu's files stay under share/.
# Worked out on every configure, so switching it in a configured folder takes effect.
option(VORKKELI_GAMES_LAYOUT "Install into games/, lib/games/ and share/games/" OFF)
include(GNUInstallDirs)
set(LAUNCHER_DIR ${CMAKE_INSTALL_BINDIR})
set(GAME_DIR ${CMAKE_INSTALL_LIBEXECDIR}/vorkkeli)
set(DATA_DIR ${CMAKE_INSTALL_DATADIR}/vorkkeli)
if(VORKKELI_GAMES_LAYOUT)
  set(LAUNCHER_DIR games)
  set(GAME_DIR lib/games/vorkkeli)
  set(DATA_DIR share/games/vorkkeli)
endif()
set(APP_ID example.vorkkeli.Vorkkeli)
install(TARGETS vorkkeli DESTINATION ${GAME_DIR})
list(TRANSFORM GAME_ASSETS PREPEND assets/ OUTPUT_VARIABLE ASSET_PATHS)
install(FILES ${ASSET_PATHS} DESTINATION ${DATA_DIR})
# The launcher finds both from its own place, so any prefix works unbuilt.
foreach(dir LAUNCHER GAME DATA)
  get_filename_component(${dir}_FULL ${${dir}_DIR} ABSOLUTE BASE_DIR ${CMAKE_INSTALL_PREFIX})
endforeach()
file(RELATIVE_PATH GAME_FROM_BIN ${LAUNCHER_FULL} ${GAME_FULL}/vorkkeli)
file(RELATIVE_PATH DATA_FROM_BIN ${LAUNCHER_FULL} ${DATA_FULL})
configure_file(desktop/vorkkeli.in launcher/vorkkeli @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/launcher/vorkkeli DESTINATION ${LAUNCHER_DIR})
# The menu entry starts the launcher by its full path, worked out when it is
# installed (the prefix may be given then), so it works without PATH.
configure_file(desktop/${APP_ID}.desktop.in ${APP_ID}.desktop.in COPYONLY)
install(CODE "
  set(LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${LAUNCHER_DIR}/vorkkeli\")
  if(IS_ABSOLUTE \"${LAUNCHER_DIR}\")
    set(LAUNCHER \"${LAUNCHER_DIR}/vorkkeli\")
  endif()
  configure_file(\"${PROJECT_BINARY_DIR}/${APP_ID}.desktop.in\" \"${PROJECT_BINARY_DIR}/${APP_ID}.desktop\" @ONLY)")
install(FILES ${PROJECT_BINARY_DIR}/${APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
configure_file(desktop/${APP_ID}.metainfo.xml.in ${APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
foreach(size 48 64 128 256)
  install(FILES desktop/icon-${size}.png DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${APP_ID}.png)
endforeach()
configure_file(desktop/vorkkeli.6 vorkkeli.6 @ONLY)
configure_file(packaging/changelog.in changelog @ONLY)
add_custom_command(OUTPUT vorkkeli.6.gz changelog.gz DEPENDS desktop/vorkkeli.6 packaging/changelog.in
  COMMAND gzip -9 -n -c vorkkeli.6 >vorkkeli.6.gz
  COMMAND gzip -9 -n -c changelog >changelog.gz)
add_custom_target(manual ALL DEPENDS vorkkeli.6.gz changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/vorkkeli.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES packaging/copyright ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# cpack -G DEB in a build folder configured with VORKKELI_GAMES_LAYOUT
# (scripts/package.sh). The shared libraries' dependencies are worked out
# from what the executable links, but SDL 1.2's is named here: only the
# maintained SDL 1.2 on SDL2 draws the game right, and on Debian 12 the name
# libsdl1.2debian alone would bring in the old frozen one.
set(CPACK_PACKAGE_CONTACT "vorkkeli developers <vorkkeli@vorkkeli.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small top-down driving toy")
set(CPACK_PACKAGE_DESCRIPTION "Steer with the mouse, drive with the arrow keys and mouse buttons, and switch\n between grip, slide and spin; a second screen shows a swinging piston.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl1.2-compat-shim | libsdl1.2debian (>= 1.2.64)")
set(CPACK_STRIP_FILES ON)
include(CPack)
