# Windows (scripts/build-windows.sh cross-builds it): the car icon and the
# version in the executable, the replay's trace with bare line feeds, and the
# game counted for tools/measure-wine.sh; scripts/build-windows.sh packs the
# zip and the installer.
enable_language(RC)
set(ICON_FILE ${PROJECT_BINARY_DIR}/vorkkeli.ico)
set(ICON_PNGS)
foreach(size 16 32 48 64 128 256)
  list(APPEND ICON_PNGS ${PROJECT_SOURCE_DIR}/desktop/icon-${size}.png)
endforeach()
add_custom_command(OUTPUT ${ICON_FILE} DEPENDS ${ICON_PNGS} packaging/make-ico.py
  COMMAND python3 ${PROJECT_SOURCE_DIR}/packaging/make-ico.py ${ICON_FILE} ${ICON_PNGS})
configure_file(packaging/vorkkeli.rc.in vorkkeli.rc @ONLY)
set_source_files_properties(${PROJECT_BINARY_DIR}/vorkkeli.rc PROPERTIES OBJECT_DEPENDS ${ICON_FILE})
target_sources(vorkkeli PRIVATE ${PROJECT_BINARY_DIR}/vorkkeli.rc)
target_sources(vorkkeli-replay PRIVATE tools/binary_stdout_win.cpp)
# The game counted, for tools/measure-wine.sh.
add_executable(vorkkeli-counted src/main.cpp tools/count_frames_win.cpp)
target_link_libraries(vorkkeli-counted PRIVATE vorkkeli_platform)
target_link_options(vorkkeli-counted PRIVATE -Wl,--wrap=SDL_GetKeyState,--wrap=SDL_Flip)
