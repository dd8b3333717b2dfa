# In the browser (scripts/build-web.sh): the game as a page, its loop under
# Asyncify (its waits give the page its turn), its WebAssembly and files in
# its one script; the
# replay for node, on the real file system, seeing the environment as a
# native program does. emcc's own JavaScript for SDL 2's audio is named, as
# this Emscripten cannot be told by SDL itself.
set(WEB_LINK -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1 -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=vorkkeli_sdl2_deps
    "SHELL:--js-library ${PROJECT_SOURCE_DIR}/web/library.js")
# The page's program, its WebAssembly and the game's files are all in one
# script, so the page fetches nothing: opened from a file (a double-click
# in the unpacked zip) it plays as it does served.
set(EMBED)
foreach(asset IN LISTS GAME_ASSETS)
  list(APPEND EMBED "SHELL:--embed-file ${PROJECT_SOURCE_DIR}/assets/${asset}@/${asset}")
endforeach()
target_link_options(vorkkeli PRIVATE ${WEB_LINK} -sENVIRONMENT=web -sASYNCIFY -sSINGLE_FILE=1
  "-sASYNCIFY_IMPORTS=[\"wait_for_animation_frame\"]" "SHELL:--post-js ${PROJECT_SOURCE_DIR}/web/exit.js" ${EMBED})
target_link_options(vorkkeli-replay PRIVATE ${WEB_LINK} -sENVIRONMENT=node -sNODERAWFS=1
  "SHELL:--pre-js ${PROJECT_SOURCE_DIR}/web/environment.js")
set_property(TARGET vorkkeli APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/web/library.js
             ${PROJECT_SOURCE_DIR}/web/exit.js)
set_property(TARGET vorkkeli-replay APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/web/library.js
             ${PROJECT_SOURCE_DIR}/web/environment.js)
# The replay run as a program, for the tests that run it.
configure_file(web/replay.in vorkkeli-replay @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
               GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
configure_file(web/index.html.in index.html @ONLY)
